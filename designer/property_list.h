// The property list of the selected component: class, ancestor, name, text, bounds, styles,
// identifier and alignment, written back with Apply.
#pragma once

#include "form_model.h"

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
        Align, // a drop-down list of the alignments
        RowCount
    };

    bool Create(HWND Host, POINT At, int Width, int FirstId, int ApplyId);
    // Fills the rows from Selected, whose class is built on Ancestor, or empties and disables
    // them when Selected is null.
    void Show(const ComponentRecord* Selected, const std::string& Ancestor);
    // Checks every row and answers Current with the rows' values in Changed; a bad value
    // refuses the whole change with Problem naming the row.
    bool Read(const ComponentRecord& Current, const FormModel& Model, ComponentRecord& Changed,
              std::string& Problem) const;
    bool Owns(HWND Window) const;
    int Bottom() const { return BottomEdge; }

private:
    std::string Read(Row Which) const;
    void Write(Row Which, const std::string& Value);

    HWND Edits[RowCount] = {};
    HWND ApplyButton = nullptr;
    int BottomEdge = 0;
};
