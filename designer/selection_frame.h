// The frame around a selected component: four thin edges and eight grab handles, small
// windows of the designer's own above the components on the surface. Without its handles it
// marks the other components of a selection, and the band dragged out to select several. The
// snap lines of a drag and the numbers of the tab order are such windows too.
#pragma once

#include "snapping.h"

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

class SelectionFrame {
public:
    // The handles in clockwise order from the top left corner.
    enum Handle { TopLeft, Top, TopRight, Right, BottomRight, Bottom, BottomLeft, Left, None };

    void Create(HWND Surface);
    // Frames Bounds (surface coordinates), above every component; a frame without handles has
    // none to grab. A frame hidden before goes above every window of the surface.
    void Show(const RECT& Bounds, bool WithHandles = true);
    void Hide();
    // The handle under Point (surface coordinates) of the frame shown now.
    Handle HandleAt(POINT Point) const;
    // Bounds after dragging WhichHandle by (DX, DY); a size never goes below 1.
    static RECT Resized(const RECT& Bounds, Handle WhichHandle, int DX, int DY);
    // The edges WhichHandle moves, as SnapEdges.
    static unsigned EdgesOf(Handle WhichHandle);

private:
    static RECT HandleRect(const RECT& Bounds, int Index);

    HWND Handles[8] = {};
    HWND Edges[4] = {};
    RECT Framed{};
    bool Shown = false, HandlesShown = false;
};

// The lines a drag snapped to, in the selection's colour, above everything on the surface.
class GuideLines {
public:
    void Create(HWND Surface);
    void Show(const std::vector<SnapLine>& Lines);
    void Hide() { Show({}); }

private:
    HWND Surface = nullptr;
    std::vector<HWND> Parts; // made as needed, the unused ones hidden
};

// The tab order's numbers, one at the top left corner of each component, above everything on
// the surface.
class TabNumbers {
public:
    void Create(HWND Surface);
    // Each number at its point (surface coordinates); none when Numbers is empty.
    void Show(const std::vector<std::pair<POINT, std::string>>& Numbers);
    // The width a number's box takes.
    static int Width(const std::string& Number) { return 8 + 7 * static_cast<int>(Number.size()); }

private:
    static LRESULT CALLBACK PaintNumber(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam);

    HWND Surface = nullptr;
    std::vector<HWND> Parts; // made as needed, the unused ones hidden
};
