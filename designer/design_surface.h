// The design surface: a "QForm" window made by class name that shows the form model's
// components as windows, the selection, and the mouse and keyboard work that places, selects,
// moves and resizes them. The surface changes no model itself: each change it makes is handed
// over as an edit.
#pragma once

#include "core_library.h"
#include "form_edit.h"
#include "selection_frame.h"

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

class DesignSurface {
public:
    bool Create(HWND Host, const CoreLibrary& Core, const RECT& Bounds, const FormModel& Model);
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
    // Receives every change made with the mouse and keys, to apply it to the model.
    std::function<void(FormEdit)> OnEdit;

    // Brings the windows in step with the model: makes the missing ones, removes those whose
    // component is gone and writes those that changed. False, with Problem naming the
    // component, when a window cannot be made.
    bool ShowModel(std::string& Problem);
    // The aligned components whose windows the library laid out elsewhere than their records
    // say, with the bounds it gave them.
    std::vector<ComponentRecord> LaidOut() const;

    // Places a component of ClassName with its defaults at Point, or over Drawn when the user
    // dragged out a rectangle.
    void Place(const std::string& ClassName, POINT Point, const RECT* Drawn = nullptr);

    const std::string& Selection() const { return Selected; }
    HWND SelectedWindow() const { return WindowOf(Selected); }
    // Selects the component called Name ("" selects nothing); false when there is none.
    bool Select(const std::string& Name);
    void DeleteSelection();
    // Moves the selection by (DX, DY) and grows it by (DW, DH).
    void NudgeSelection(int DX, int DY, int DW, int DH);

private:
    struct Placed {
        HWND Window;
        ComponentRecord Shown;
    };
    enum class Drag { None, Placing, Moving, Resizing };

    void MouseDown(POINT Point);
    void MouseMove(POINT Point);
    void MouseUp(POINT Point);
    void KeyDown(WPARAM Key);
    void ShowFrame();
    // The selection moved to Bounds (surface coordinates) into Holder ("" for the form) as
    // the edit called Title.
    void MoveSelection(const RECT& Bounds, const std::string& Holder, const char* Title);
    // The deepest component under Point (surface coordinates), or with Holding the deepest one
    // that holds others ("" for the form); Skipped and what it holds are passed over.
    std::string ComponentAt(POINT Point, bool Holding = false, HWND Skipped = nullptr) const;
    const ComponentRecord* ShownAs(HWND Window) const;
    HWND HolderWindow(const std::string& Holder) const;
    // Point and Bounds from surface coordinates into the client area of Holder's window.
    POINT InHolder(POINT Point, const std::string& Holder) const;
    HWND WindowOf(const std::string& Name) const;
    RECT BoundsOf(HWND Component) const;

    HWND Surface = nullptr;
    const CoreLibrary* Core = nullptr;
    const FormModel* Model = nullptr;
    SelectionFrame Frame;
    std::vector<Placed> Components; // in the model's order
    std::string Selected;
    std::string Tool;
    Drag Dragging = Drag::None;
    SelectionFrame::Handle Grabbed = SelectionFrame::None;
    POINT DragStart{};
    RECT StartBounds{};
};
