// The frame around a selected component: four thin edges and eight grab handles, small
// windows of the designer's own above the components on the surface. Without its handles it
// marks the other components of a selection, and the band dragged out to select several.
#pragma once

#include <windows.h>

class SelectionFrame {
public:
    // The handles in clockwise order from the top left corner.
    enum Handle { TopLeft, Top, TopRight, Right, BottomRight, Bottom, BottomLeft, Left, None };

    void Create(HWND Surface);
    // Frames Bounds (surface coordinates) and puts the frame above every component; a frame
    // without handles has none to grab.
    void Show(const RECT& Bounds, bool WithHandles = true);
    void Hide();
    // The handle under Point (surface coordinates) of the frame shown now.
    Handle HandleAt(POINT Point) const;
    // Bounds after dragging WhichHandle by (DX, DY); a size never goes below 1.
    static RECT Resized(const RECT& Bounds, Handle WhichHandle, int DX, int DY);

private:
    static RECT HandleRect(const RECT& Bounds, int Index);

    HWND Handles[8] = {};
    HWND Edges[4] = {};
    RECT Framed{};
    bool HandlesShown = false;
};
