// The design surface: a "QForm" window made by class name, the components placed on it, the
// selection, and the mouse and keyboard work that places, selects, moves and resizes them.
#pragma once

#include "component_record.h"
#include "core_library.h"
#include "selection_frame.h"

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

class DesignSurface {
public:
    bool Create(HWND Host, const CoreLibrary& Core, const RECT& Bounds);
    HWND Window() const { return Surface; }

    // Every mouse and keyboard message for the surface or a window on it comes here instead of
    // to that window: placed buttons do not click and edits take no text while designing.
    // Answers whether Message was such a message.
    bool TakeInput(const MSG& Message);

    // The class the next click places; "" selects instead.
    void SetTool(const std::string& ClassName) { Tool = ClassName; }
    const std::string& CurrentTool() const { return Tool; }
    std::function<void()> OnToolUsed;
    std::function<void()> OnSelectionChanged;

    // Places a component of ClassName with its defaults at Point, or over Drawn when the user
    // dragged out a rectangle; null when its window could not be made.
    HWND Place(const std::string& ClassName, POINT Point, const RECT* Drawn = nullptr);

    HWND Selection() const { return Selected; }
    void Select(HWND Component);
    // Selects the component called Name; false when there is none.
    bool SelectByName(const std::string& Name);
    void DeleteSelection();
    // Moves the selection by (DX, DY) and grows it by (DW, DH).
    void NudgeSelection(int DX, int DY, int DW, int DH);
    // Called after the selection's properties changed elsewhere: the frame follows.
    void SelectionChanged();

    const std::string& NameOf(HWND Component) const;
    bool NameTaken(const std::string& Name, HWND Except) const;
    void Rename(HWND Component, const std::string& Name);

    std::vector<ComponentRecord> Records() const;
    // Replaces every component by the windows of Records; on failure the form stays as it was.
    bool Replace(const std::vector<ComponentRecord>& Records, std::string& Problem);

private:
    struct Placed {
        HWND Window;
        std::string Name;
    };
    enum class Drag { None, Placing, Moving, Resizing };

    void MouseDown(POINT Point);
    void MouseMove(POINT Point);
    void MouseUp(POINT Point);
    void KeyDown(WPARAM Key);
    HWND ComponentAt(POINT Point) const;
    RECT BoundsOf(HWND Component) const;
    std::string FreeName(const std::string& ClassName) const;
    int FreeId() const;
    void DestroyAll();

    HWND Surface = nullptr;
    const CoreLibrary* Core = nullptr;
    SelectionFrame Frame;
    std::vector<Placed> Components;
    HWND Selected = nullptr;
    std::string Tool;
    Drag Dragging = Drag::None;
    SelectionFrame::Handle Grabbed = SelectionFrame::None;
    POINT DragStart{};
    RECT StartBounds{};
};
