// Where a dragged component comes to rest: on an edge or centre of another component of its
// holder or on the holder's margins when one lies within reach, else on the grid. The lines it
// snapped to are shown while the drag goes on.
#pragma once

#include <windows.h>

#include <vector>

// Which parts of a rectangle the drag carries: a move carries the whole, a resize the edges its
// handle moves.
enum SnapEdges : unsigned {
    SnapLeft = 1,
    SnapTop = 2,
    SnapRight = 4,
    SnapBottom = 8,
    SnapWhole = 16,
};

// A line the drag snapped to: at x = At from y = From to To when Vertical, else at y = At from
// x = From to To.
struct SnapLine {
    bool Vertical;
    int At;
    int From, To;
};

struct SnapTarget {
    // What the dragged components move among: the others of their holder, and the holder's
    // client area, all in the same coordinates as the dragged bounds.
    std::vector<RECT> Others;
    RECT Holder;
    int Grid; // 0 for none
    bool Lines;
};

struct Snapped {
    RECT Bounds;
    std::vector<SnapLine> Lines;
};

// How near an edge must come to a line to snap to it, and how far inside its holder's edges the
// margins lie.
constexpr int SnapReach = 4;
constexpr int SnapMargin = 8;

// Bounds with the parts Edges carries moved onto the nearest line within reach, else onto the
// grid of Target.Holder's origin; a size never goes below 1.
Snapped Snap(const RECT& Bounds, unsigned Edges, const SnapTarget& Target);
// Point moved onto the grid of Holder's origin.
POINT SnapToGrid(POINT Point, const RECT& Holder, int Grid);
