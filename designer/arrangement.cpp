#include "arrangement.h"

#include <algorithm>
#include <iterator>

namespace {

// One direction of the form: where a component starts along it and how far it reaches.
struct Axis {
    int ComponentRecord::*Start;
    int ComponentRecord::*Extent;
};
constexpr Axis Across = {&ComponentRecord::Left, &ComponentRecord::Width};
constexpr Axis Down = {&ComponentRecord::Top, &ComponentRecord::Height};

// Lines Record up with Primary along Along at a point Halves / 2 of the way across both: 0
// their starts, 1 their centres, 2 their ends.
void AlignOn(Axis Along, int Halves, const ComponentRecord& Primary, ComponentRecord& Record) {
    Record.*Along.Start =
        Primary.*Along.Start + (Primary.*Along.Extent - Record.*Along.Extent) * Halves / 2;
}

// Spreads Records along Along in their order there: the first and the last stay, the gaps
// between neighbours become equal (to a pixel of rounding).
void SpaceEvenly(Axis Along, std::vector<ComponentRecord*> Records) {
    std::stable_sort(Records.begin(), Records.end(), [&](ComponentRecord* A, ComponentRecord* B) {
        return A->*Along.Start < B->*Along.Start;
    });
    const ComponentRecord& first = *Records.front();
    const ComponentRecord& last = *Records.back();
    int extents = 0;
    for (const ComponentRecord* record : Records)
        extents += record->*Along.Extent;
    int room = last.*Along.Start + last.*Along.Extent - first.*Along.Start - extents;
    int gaps = static_cast<int>(Records.size()) - 1, start = first.*Along.Start, before = 0;
    for (int i = 1; i < gaps; ++i) {
        before += Records[i - 1]->*Along.Extent;
        Records[i]->*Along.Start = start + before + room * i / gaps;
    }
}

// Moves Records together so that the box around them lies in the middle of Room along Along.
void CentreIn(Axis Along, int Room, const std::vector<ComponentRecord*>& Records) {
    int start = Records.front()->*Along.Start, end = start;
    for (const ComponentRecord* record : Records) {
        start = std::min(start, record->*Along.Start);
        end = std::max(end, record->*Along.Start + record->*Along.Extent);
    }
    int shift = (Room - (end - start)) / 2 - start;
    for (ComponentRecord* record : Records)
        record->*Along.Start += shift;
}

// Each align command: the direction and the point of the primary the others line up with.
struct Alignment {
    Axis Along;
    int Command;
    int Halves;
};
constexpr Alignment Alignments[] = {
    {Across, CommandAlignLefts, 0},  {Across, CommandAlignCentres, 1},
    {Across, CommandAlignRights, 2}, {Down, CommandAlignTops, 0},
    {Down, CommandAlignMiddles, 1},  {Down, CommandAlignBottoms, 2},
};

} // namespace

bool Arrange(int Command, const std::vector<ComponentRecord*>& Records, SIZE Room) {
    bool spacing = Command == CommandSpaceAcross || Command == CommandSpaceDown;
    bool centring = Command == CommandCentreAcross || Command == CommandCentreDown;
    if (Records.size() < (spacing ? 3u : centring ? 1u : 2u)) return false;
    if (centring) {
        bool across = Command == CommandCentreAcross;
        CentreIn(across ? Across : Down, across ? Room.cx : Room.cy, Records);
        return true;
    }
    if (spacing) {
        SpaceEvenly(Command == CommandSpaceAcross ? Across : Down, Records);
        return true;
    }
    auto alignment = std::find_if(std::begin(Alignments), std::end(Alignments),
                                  [&](const Alignment& A) { return A.Command == Command; });
    const ComponentRecord primary = *Records.front();
    for (ComponentRecord* record : Records) {
        if (alignment != std::end(Alignments))
            AlignOn(alignment->Along, alignment->Halves, primary, *record);
        if (Command == CommandSameWidth || Command == CommandSameSize)
            record->Width = primary.Width;
        if (Command == CommandSameHeight || Command == CommandSameSize)
            record->Height = primary.Height;
    }
    return true;
}
