/// \file
/// Window classes of the library, the binding between a window and its frame, and the window
/// procedure family that hands every message to the frame's HandleMessage.
#pragma once

#include "object/frame.h"

#include <new>

/// The class style bits the library adds: CS_DBLCLKS, CS_OWNDC and CS_GLOBALCLASS.
constexpr UINT LibraryClassStyle = CS_DBLCLKS | CS_OWNDC | CS_GLOBALCLASS;

/// Index of the binding slot (the last pointer of the window's extra memory), or -1 when the
/// window's class has no room for one.
int BindingSlotIndex(HWND Window);
/// The frame recorded in the window's binding slot, or null; unchecked, for library windows.
QFrame* BoundFrame(HWND Window);
void WriteBinding(HWND Window, QFrame* Frame);
/// The live frame bound to any window, or null: the slot of a foreign window holds anything.
QFrame* FrameOfWindow(HWND Window);

/// Registers ClassName as a copy of the system class ClassAncestor with WndProc, the library's
/// style bits and room for the binding slot. Answers the atom, or 0.
ATOM RegisterSuperclass(const std::string& ClassName, const std::string& ClassAncestor,
                        WNDPROC WndProc);

/// Registers a class of the library's own (no system ancestor) with room for the binding slot
/// and no background brush: the frames paint their own backgrounds.
ATOM RegisterOwnClass(const char* ClassName, WNDPROC WndProc, UINT Style, HINSTANCE Instance,
                      HCURSOR Cursor = nullptr);

/// The body of every window procedure of the library; MakeFallback makes the frame for a window
/// that no frame has bound.
LRESULT RouteToFrame(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam,
                     QFrame* (*MakeFallback)());

template <class Fallback> QFrame* MakeFallbackFrame() {
    return new (std::nothrow) Fallback;
}

/// The window procedure whose unbound windows get a frame of class Fallback.
template <class Fallback>
LRESULT CALLBACK FrameWindowProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam) {
    return RouteToFrame(Window, Msg, WParam, LParam, &MakeFallbackFrame<Fallback>);
}
