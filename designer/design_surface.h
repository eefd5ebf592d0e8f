// The design surface: a "QForm" window made by class name that shows the form model's
// components as windows, the selection, and the mouse and keyboard work that places, selects,
// moves and resizes them. The surface changes no model itself: each change it makes is handed
// over as an edit.
#pragma once

#include "core_library.h"
#include "form_edit.h"
#include "selection_frame.h"
#include "settings.h"

#include <windows.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>
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
    // Receives the name, place and size of what is selected or dragged, for the status bar.
    std::function<void(const std::string&)> OnStatus;

    // The grid shown and snapped to, and whether drags snap to other components; Alt held
    // places freely.
    void SetSnapping(const DesignerSettings& Settings);
    const DesignerSettings& Snapping() const { return Settings; }

    // Brings the windows in step with the model: makes the missing ones, removes those whose
    // component is gone and writes those that changed. False, with Problem naming the
    // component, when a window cannot be made.
    bool ShowModel(std::string& Problem);
    // The components whose windows the library laid out elsewhere than their records say
    // (aligned, anchored, a combo box's height in its font), with the bounds it gave them
    // (within what a file holds).
    std::vector<ComponentRecord> LaidOut() const;

    // Places a component of ClassName with its defaults at Point, or over Drawn when the user
    // dragged out a rectangle.
    void Place(const std::string& ClassName, POINT Point, const RECT* Drawn = nullptr);

    // The primary component of the selection, the first one selected ("" for none): the
    // property list shows it and only its frame has handles.
    const std::string& Selection() const;
    // Every selected component, the primary first.
    const std::vector<std::string>& AllSelected() const { return Selected; }
    HWND SelectedWindow() const { return WindowOf(Selection()); }
    // Selects the component called Name alone ("" selects nothing); false when there is none.
    bool Select(const std::string& Name);
    // Shows the selection after an edit about Subject: the valid rest of it kept when Subject
    // was part of it before the edit, else Subject alone is selected.
    void Follow(const std::string& Subject);
    // Selects everything the holder of the primary component holds (the form's own components
    // when nothing is selected), the primary staying first.
    void SelectAll();
    // Makes Names (the primary first) the selection, leaving out those gone from the model and
    // those of another holder than the primary.
    void SetSelection(std::vector<std::string> Names);
    // Deletes every selected component with what it holds, as one edit called Title.
    void DeleteSelection(const std::string& Title = "Delete");
    // Moves every selected component by (DX, DY) and grows it by (DW, DH).
    void NudgeSelection(int DX, int DY, int DW, int DH);
    // Applies the Format command Command to the selection as one edit called Title.
    void ArrangeSelection(int Command, const std::string& Title);

    // Tab-order mode: each component shows its place in its holder's order (a holder at its
    // top right corner, the others at their top left), which is the order Tab takes and the
    // z-order, and a click on one gives it the next place in its holder, as an edit of its own;
    // Escape ends the mode.
    void SetTabOrdering(bool On);
    bool TabOrdering() const { return Ordering; }
    std::function<void()> OnTabOrderingEnded;

private:
    struct Placed {
        HWND Window;
        ComponentRecord Shown;
        // Moved by a drag that ended without an edit: written from the model again.
        bool Dragged = false;
    };
    enum class Drag { None, Placing, Moving, Resizing, Banding };
    // What a press of the mouse started, kept in this one place until the button comes up. Any
    // change of the model or of the selection meanwhile ends it, so that it never names a
    // component that is gone or moves one that is no longer selected.
    struct DragState {
        Drag Kind = Drag::None;
        SelectionFrame::Handle Grabbed = SelectionFrame::None;
        POINT Start{};
        POINT Moved{}; // how far the drag has moved the selection, snapped
        std::string BandHolder;
        // The selection as the drag started, the primary first, with the bounds of each then.
        std::vector<std::pair<std::string, RECT>> Dragged;
    };

    void MouseDown(POINT Point);
    // A press on the component Hit ("" for the form) without a tool: a click with Shift or Ctrl
    // adds or removes it, Ctrl on a holder or any press on the form starts a band, a plain one
    // starts moving the selection.
    void PressOn(const std::string& Hit);
    // Floats the selected windows above everything until they are dropped, so that a single one
    // can leave its holder; the model puts them back, or into the holder it was dropped in.
    void FloatSelection();
    void MouseMove(POINT Point);
    // Ends the drag under way, as the model is shown again: what it moved goes back to where
    // the model has it.
    void EndDrag();
    // Moves the selection by (DX, DY) from where the drag started, snapped unless Alt is held,
    // into the holder the primary would be dropped in.
    void DragSelection(POINT Point, int DX, int DY);
    // Where the dragged rectangle Bounds comes to rest in Holder, the selection left out of what
    // it snaps to; shows the lines it snapped to.
    RECT SnapDragged(const RECT& Bounds, unsigned Edges, const std::string& Holder);
    // Where a component placed by a press at Pressed starts: on the grid of its holder.
    POINT PlacingStart(POINT Pressed) const;
    // The rectangle drawn out from there to Point, its far corner snapped.
    RECT Drawn(POINT Pressed, POINT Point);
    // Writes Bounds (surface coordinates) in Holder's coordinates to the status bar, with Name.
    void ShowStatus(const std::string& Name, RECT Bounds, const std::string& Holder) const;
    static LRESULT CALLBACK PaintGrid(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam,
                                      UINT_PTR Id, DWORD_PTR Self);
    void MouseUp(POINT Point);
    void KeyDown(WPARAM Key);
    // A click in tab-order mode at Point.
    void OrderTab(POINT Point);
    void ShowTabNumbers();
    void ShowFrame();
    void KeepValidSelection();
    bool IsSelected(const std::string& Name) const;
    // Adds Name to the selection, or takes it out; one of another holder starts a new selection.
    void Toggle(const std::string& Name);
    // Selects what the band's holder holds that the band from its start to Point touches; a
    // band too small to be drawn on a holder adds or removes the holder instead.
    void SelectBand(const DragState& Pressed, POINT Point);
    // Hands over one edit called Title that Change makes of the selected records (the primary
    // first) in a copy of the model; none when Change answers false.
    void EditSelection(const std::string& Title,
                       const std::function<bool(const std::vector<ComponentRecord*>&)>& Change);
    // The primary component moved to Bounds (surface coordinates) into Holder ("" for the form)
    // as the edit called Title.
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
    // Moves Window to Bounds (surface coordinates) in whichever window holds it now.
    void PlaceWindow(HWND Window, RECT Bounds) const;

    HWND Surface = nullptr;
    const CoreLibrary* Core = nullptr;
    const FormModel* Model = nullptr;
    SelectionFrame Frame;
    // The frames without handles of the other selected components, made as needed.
    std::vector<SelectionFrame> Marks;
    SelectionFrame Band;
    GuideLines Guides;
    TabNumbers Numbers;
    bool Ordering = false;
    std::map<std::string, size_t> NextTabPlace; // by holder, in tab-order mode
    DesignerSettings Settings;
    // Darkens the grid's points where it is painted over the surface.
    std::unique_ptr<std::remove_pointer_t<HBRUSH>, decltype(&DeleteObject)> GridPoints{
        nullptr, DeleteObject};
    std::vector<Placed> Components;    // in the model's order
    ComponentRecord ShownForm;         // the form's own record as the surface shows it
    std::vector<std::string> Selected; // the primary first, all of one holder
    // What ShowModel took out of the selection, gone from the model, since it was last set.
    std::vector<std::string> Pruned;
    std::string Tool;
    DragState Dragging;
};
