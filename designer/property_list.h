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
    // FirstId in the order they are shown. Library checks the shortcuts typed.
    bool Create(HWND Host, const CoreLibrary& Library, POINT At, int Width, int FirstId,
                int ApplyId);
    void MoveTo(POINT At);
    // Fills the rows from Shown, components of classes sharing Design, built on Ancestor when
    // there is one or, with IsForm, the form itself; empties and disables them when Shown is
    // empty. With several, a value they do not share is left blank and their names and
    // identifiers are not shown. A link offers the other components of Model.
    void Show(const std::vector<const ComponentRecord*>& Shown, const FormModel& Model,
              const ClassDesign& Design, const std::string& Ancestor, bool IsForm);
    // Checks the rows changed since they were shown and answers Current with those rows' values
    // in Changed, one record each; a bad value refuses the whole change with Problem naming
    // the row.
    bool Read(const std::vector<const ComponentRecord*>& Current, const FormModel& Model,
              std::vector<ComponentRecord>& Changed, std::string& Problem) const;
    bool Owns(HWND Window) const;
    // True for a box where Return applies the list (not a box of lines, nor a dropped list).
    bool AppliesOnReturn(HWND Window) const;
    // A double click in an empty event box writes the usual handler name ("SaveButtonClick");
    // true when it did, for the caller to apply it.
    bool Take(const MSG& Message);
    // A colour or font row's button: the system's colour or font dialog fills the row.
    void Command(int Id);
    // The page tabs.
    bool Notify(const NMHDR& Header);
    int Bottom() const { return BottomEdge; }
    HWND Tabs() const { return TabWindow; }

private:
    enum class Kind {
        Fixed,
        Name,
        Line,
        Lines,
        Decimal,
        Hex,
        Choice,
        Colour,
        Flag,
        Items,
        Event,
        Link,
        Written, // a text the library reads: a font, the form's shortcuts
        Bit      // one choice of a set value, as a check box
    };
    struct Row {
        std::string Key; // the property, value, flag or event it shows
        Kind Type = Kind::Fixed;
        bool Events = false; // on the events page
        HWND Label = nullptr, Box = nullptr, Button = nullptr;
        // Decimal rows: the range; Flag rows: the bits, in the extended style when Extended, set
        // when the flag is off when Inverted; Bit rows: the bit, and the class's value in Min.
        int Min = 0, Max = 0;
        uint32_t Bits = 0;
        bool Extended = false, Inverted = false;
        // Choice rows: the names and values; Link rows: "" and the components it may name.
        std::vector<std::pair<std::string, uint32_t>> Choices;
        // Written rows: what a text must be; whether it is a font, and its holder's then.
        std::string Hint;
        bool Font = false;
        std::string Inherited;
        std::string Filled; // the State it was shown with
    };

    // Rows shown as a check box of their own, three to a line.
    static bool IsCheckBox(Kind Type) { return Type == Kind::Flag || Type == Kind::Bit; }
    // Rows shown as a drop-down list.
    static bool IsList(Kind Type) { return Type == Kind::Choice || Type == Kind::Link; }
    void Build(const ClassDesign& Design, bool IsForm, bool Several);
    void Place();
    void Fill(const std::vector<const ComponentRecord*>& Shown, const FormModel& Model,
              const std::string& Ancestor);
    // What Which shows of Shown: a box's text, a choice's index, a check box's state.
    std::string StateOf(const Row& Which, const ComponentRecord& Shown, const std::string& Ancestor,
                        const FormModel& Model) const;
    // The same as the row's window shows it now; SetState shows it.
    std::string State(const Row& Which) const;
    void SetState(const Row& Which, const std::string& State) const;
    void ShowPage(bool Events);
    std::string Text(const Row& Which) const;
    // Answers what is wrong with the value of Which, or "", having read it into Changed.
    std::string ReadRow(const Row& Which, const ComponentRecord& Current,
                        ComponentRecord& Changed) const;

    HWND Host = nullptr;
    const CoreLibrary* Library = nullptr;
    HWND TabWindow = nullptr, ApplyButton = nullptr;
    POINT Origin{};
    int Width = 0, FirstId = 0;
    int BottomEdge = 0;
    std::vector<Row> Rows;
    std::string BuiltFor; // the classes the rows were made for, "" for none
    bool ShowsForm = false;
    bool EventsShown = false;
};
