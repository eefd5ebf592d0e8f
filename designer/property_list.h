// The property list of the selected component: class, ancestor, name, text, bounds, styles
// and identifier, each in an edit box, written back with Apply.
#pragma once

#include "design_surface.h"

#include <windows.h>

#include <string>

class PropertyList {
public:
    // The rows' edit boxes get the identifiers FirstId + row, in the order of Rows below.
    enum Row {
        Class,
        Ancestor,
        Name,
        Text,
        Left,
        Top,
        Width,
        Height,
        Style,
        ExStyle,
        Id,
        RowCount
    };

    bool Create(HWND Host, POINT At, int Width, int FirstId, int ApplyId);
    // Fills the rows from the surface's selection, or empties them when there is none.
    void ShowSelection(const DesignSurface& Surface);
    // Checks every row and writes them to the selection; a bad value refuses the whole change
    // with Problem naming the row, and nothing changes.
    bool Apply(DesignSurface& Surface, std::string& Problem);
    bool Owns(HWND Window) const;
    int Bottom() const { return BottomEdge; }

private:
    std::string Read(Row Which) const;
    void Write(Row Which, const std::string& Value);

    HWND Edits[RowCount] = {};
    HWND ApplyButton = nullptr;
    int BottomEdge = 0;
};
