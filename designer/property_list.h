// The property list: two pages, the properties and the events of the selected component (or,
// with nothing selected, of the form itself), written back with Apply. The rows follow what the
// library says of the class: its values as drop-down lists or colours, its style bits as named
// check boxes, lines for a memo's text and a list's items, one box per event.
#pragma once

#include "core_library.h"
#include "form_model.h"

#include <windows.h>

#include <string>
#include <vector>

class PropertyList {
public:
    // The tab control gets FirstId, and Apply ApplyId; the rows' boxes get identifiers above
    // FirstId in the order they are shown.
    bool Create(HWND Host, POINT At, int Width, int FirstId, int ApplyId);
    void MoveTo(POINT At);
    // Fills the rows from Shown, a component of a class built on Ancestor or, with IsForm, the
    // form itself; empties and disables them when Shown is null.
    void Show(const ComponentRecord* Shown, const ClassDesign& Design, const std::string& Ancestor,
              bool IsForm);
    // Checks every row and answers Current with the rows' values in Changed; a bad value
    // refuses the whole change with Problem naming the row.
    bool Read(const ComponentRecord& Current, const FormModel& Model, ComponentRecord& Changed,
              std::string& Problem) const;
    bool Owns(HWND Window) const;
    // True for a box where Return applies the list (not a box of lines).
    bool AppliesOnReturn(HWND Window) const;
    // A double click in an empty event box writes the usual handler name ("SaveButtonClick");
    // true when it did, for the caller to apply it.
    bool Take(const MSG& Message);
    // A colour row's button: the system's colour dialog fills the row.
    void Command(int Id);
    // The page tabs.
    bool Notify(const NMHDR& Header);
    int Bottom() const { return BottomEdge; }
    HWND Tabs() const { return TabWindow; }

private:
    enum class Kind { Fixed, Name, Line, Lines, Decimal, Hex, Choice, Colour, Flag, Items, Event };
    struct Row {
        std::string Key; // the property, value, flag or event it shows
        Kind Type = Kind::Fixed;
        bool Events = false; // on the events page
        HWND Label = nullptr, Box = nullptr, Button = nullptr;
        // Decimal rows: the range; Flag rows: the bits, in the extended style when Extended, set
        // when the flag is off when Inverted.
        int Min = 0, Max = 0;
        uint32_t Bits = 0;
        bool Extended = false, Inverted = false;
        std::vector<std::pair<std::string, uint32_t>> Choices;
    };

    void Build(const ClassDesign& Design, bool IsForm);
    void Place();
    void Fill(const ComponentRecord& Shown, const std::string& Ancestor);
    void ShowPage(bool Events);
    std::string Text(const Row& Which) const;
    // Answers what is wrong with the value of Which, or "", having read it into Changed.
    std::string ReadRow(const Row& Which, const ComponentRecord& Current,
                        ComponentRecord& Changed) const;

    HWND Host = nullptr;
    HWND TabWindow = nullptr, ApplyButton = nullptr;
    POINT Origin{};
    int Width = 0, FirstId = 0;
    int BottomEdge = 0;
    std::vector<Row> Rows;
    std::string BuiltFor; // the class the rows were made for, "" for none
    bool ShowsForm = false;
    bool EventsShown = false;
};
