#include "snapping.h"

#include <algorithm>
#include <cstdlib>

namespace {

// One direction of a rectangle: its low and high edge along it.
struct Span {
    LONG RECT::*Low;
    LONG RECT::*High;
    unsigned LowEdge, HighEdge;
};
constexpr Span Across = {&RECT::left, &RECT::right, SnapLeft, SnapRight};
constexpr Span Down = {&RECT::top, &RECT::bottom, SnapTop, SnapBottom};

int Centre(const RECT& R, Span Along) {
    return (R.*Along.Low + R.*Along.High) / 2;
}

// A place along Along that a dragged edge or centre may snap to, with the reach of what makes
// it across the other direction.
struct Mark {
    int At, From, To;
};

std::vector<Mark> MarksAlong(const SnapTarget& Target, Span Along, Span Other) {
    std::vector<Mark> marks;
    for (const RECT& r : Target.Others)
        for (int at : {int(r.*Along.Low), Centre(r, Along), int(r.*Along.High)})
            marks.push_back({at, r.*Other.Low, r.*Other.High});
    const RECT& h = Target.Holder;
    for (int at :
         {int(h.*Along.Low) + SnapMargin, Centre(h, Along), int(h.*Along.High) - SnapMargin})
        marks.push_back({at, h.*Other.Low, h.*Other.High});
    return marks;
}

// The places along Along that the drag carries: low edge, centre and high edge of a moved
// rectangle, the moved edge of a resized one.
std::vector<int> Carried(const RECT& R, unsigned Edges, Span Along) {
    if (Edges & SnapWhole) return {R.*Along.Low, Centre(R, Along), R.*Along.High};
    std::vector<int> carried;
    if (Edges & Along.LowEdge) carried.push_back(R.*Along.Low);
    if (Edges & Along.HighEdge) carried.push_back(R.*Along.High);
    return carried;
}

int Nearest(int Value, int Origin, int Grid) {
    int offset = Value - Origin;
    int steps = offset >= 0 ? (offset + Grid / 2) / Grid : -((Grid / 2 - offset) / Grid);
    return Origin + steps * Grid;
}

void SnapAlong(RECT& R, unsigned Edges, Span Along, Span Other, const SnapTarget& Target) {
    std::vector<int> carried = Carried(R, Edges, Along);
    if (carried.empty()) return;
    bool found = false;
    int shift = 0;
    if (Target.Lines)
        for (const Mark& mark : MarksAlong(Target, Along, Other))
            for (int at : carried)
                if (std::abs(mark.At - at) <= SnapReach &&
                    (!found || std::abs(mark.At - at) < std::abs(shift)))
                    found = true, shift = mark.At - at;
    // The grid takes the first edge carried: a moved rectangle's low one.
    if (!found && Target.Grid > 0)
        shift = Nearest(carried.front(), Target.Holder.*Along.Low, Target.Grid) - carried.front();
    if (Edges & SnapWhole) {
        R.*Along.Low += shift;
        R.*Along.High += shift;
    } else if (Edges & Along.LowEdge) {
        R.*Along.Low = std::min<LONG>(R.*Along.Low + shift, R.*Along.High - 1);
    } else {
        R.*Along.High = std::max<LONG>(R.*Along.High + shift, R.*Along.Low + 1);
    }
}

// The lines along Along that R, snapped, lies on, each reaching over R and what made it; one
// line per place.
void LinesAlong(const RECT& R, unsigned Edges, Span Along, Span Other, const SnapTarget& Target,
                std::vector<SnapLine>& Lines) {
    std::vector<int> carried = Carried(R, Edges, Along);
    size_t first = Lines.size();
    for (const Mark& mark : MarksAlong(Target, Along, Other)) {
        if (std::find(carried.begin(), carried.end(), mark.At) == carried.end()) continue;
        auto same = std::find_if(Lines.begin() + static_cast<long>(first), Lines.end(),
                                 [&](const SnapLine& l) { return l.At == mark.At; });
        if (same == Lines.end())
            same = Lines.insert(Lines.end(), {Along.LowEdge == SnapLeft, mark.At, int(R.*Other.Low),
                                              int(R.*Other.High)});
        same->From = std::min(same->From, mark.From);
        same->To = std::max(same->To, mark.To);
    }
}

} // namespace

Snapped Snap(const RECT& Bounds, unsigned Edges, const SnapTarget& Target) {
    Snapped snapped{Bounds, {}};
    SnapAlong(snapped.Bounds, Edges, Across, Down, Target);
    SnapAlong(snapped.Bounds, Edges, Down, Across, Target);
    if (Target.Lines) {
        LinesAlong(snapped.Bounds, Edges, Across, Down, Target, snapped.Lines);
        LinesAlong(snapped.Bounds, Edges, Down, Across, Target, snapped.Lines);
    }
    return snapped;
}

POINT SnapToGrid(POINT Point, const RECT& Holder, int Grid) {
    if (Grid <= 0) return Point;
    return {Nearest(Point.x, Holder.left, Grid), Nearest(Point.y, Holder.top, Grid)};
}
