#include "property_list.h"

#include "font_dialog.h"

#include <commctrl.h>
#include <commdlg.h>

#include <algorithm>

namespace {

constexpr int RowHeight = 22;
constexpr int LabelWidth = 74;
constexpr int EventLabelWidth = 112; // "OnAccelCommand"
constexpr int TabHeight = 26;
// Every page fits this many rows: the Apply button stays where it is whatever is selected.
constexpr int PageRows = 21;
constexpr int FlagsPerRow = 3;
constexpr int LinesRows = 3; // the height of a memo's text and of a list's items
constexpr int ColourButtonWidth = 24;

HWND MakeChild(HWND Host, const char* Class, const std::string& Text, DWORD Style, DWORD ExStyle,
               int Id) {
    HWND window = CreateWindowExA(ExStyle, Class, Text.c_str(), WS_CHILD | Style, 0, 0, 0, 0, Host,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(Id)),
                                  GetModuleHandleA(nullptr), nullptr);
    SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), 0);
    return window;
}

// The field a decimal row shows, of a record that may be const.
template <class Record> auto DecimalField(Record& Of, const std::string& Key) {
    if (Key == "Left") return &Of.Left;
    if (Key == "Top") return &Of.Top;
    if (Key == "Width") return &Of.Width;
    if (Key == "Height") return &Of.Height;
    return &Of.Id;
}

uint32_t& StyleOf(ComponentRecord& Record, bool Extended) {
    return Extended ? Record.ExStyle : Record.Style;
}

uint32_t StyleOf(const ComponentRecord& Record, bool Extended) {
    return Extended ? Record.ExStyle : Record.Style;
}

// The value of a class's value row in Record: the class's own unless the record changes it.
uint32_t ValueIn(const ComponentRecord& Record, const std::string& Key, uint32_t Default) {
    auto found = Record.Values.find(Key);
    return found == Record.Values.end() ? Default : found->second;
}

// "OnClick" of "SaveButton" is handled by "SaveButtonClick"; the form's own events by
// "FormClose".
std::string UsualHandler(const std::string& Component, const std::string& Event) {
    return Component + (Event.compare(0, 2, "On") == 0 ? Event.substr(2) : Event);
}

} // namespace

bool PropertyList::Create(HWND HostWindow, const CoreLibrary& Core, POINT At, int ListWidth,
                          int TabsId, int ApplyId) {
    Host = HostWindow;
    Library = &Core;
    Origin = At;
    Width = ListWidth;
    FirstId = TabsId;
    TabWindow = MakeChild(Host, WC_TABCONTROLA, "", WS_VISIBLE | WS_CLIPSIBLINGS, 0, TabsId);
    for (const char* page : {"Properties", "Events"}) {
        TCITEMA item{};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<char*>(page);
        SendMessageA(TabWindow, TCM_INSERTITEMA, page[0] == 'E', reinterpret_cast<LPARAM>(&item));
    }
    ApplyButton = MakeChild(Host, "Button", "Apply", WS_VISIBLE | BS_PUSHBUTTON, 0, ApplyId);
    MoveTo(At);
    return TabWindow && ApplyButton;
}

void PropertyList::MoveTo(POINT At) {
    Origin = At;
    MoveWindow(TabWindow, At.x, At.y, Width, TabHeight, TRUE);
    int top = At.y + TabHeight + 4 + PageRows * RowHeight;
    MoveWindow(ApplyButton, At.x + Width - 80, top, 80, 26, TRUE);
    BottomEdge = top + 26;
    Place();
}

void PropertyList::Build(const ClassDesign& Design, bool IsForm, bool Several) {
    for (const Row& row : Rows)
        for (HWND window : {row.Label, row.Box, row.Button})
            if (window) DestroyWindow(window);
    Rows.clear();
    auto add = [&](const std::string& Key, Kind Type, bool Events = false) -> Row& {
        Row row;
        row.Key = Key;
        row.Type = Type;
        row.Events = Events;
        Rows.push_back(row);
        return Rows.back();
    };
    add("Class", Kind::Fixed);
    add("Name", Kind::Name);
    add("Text", Design.TextIsLines ? Kind::Lines : Kind::Line);
    for (const char* key : {"Left", "Top", "Width", "Height"}) {
        if (IsForm && key[0] != 'W' && key[0] != 'H') continue;
        Row& row = add(key, Kind::Decimal);
        bool place = key[0] == 'L' || key[0] == 'T';
        row.Min = place ? LeastPlace : 0;
        row.Max = place ? MostPlace : MostSize;
    }
    if (!IsForm) {
        Row& align = add("Align", Kind::Choice);
        for (uint32_t i = 0; i < 6; ++i)
            align.Choices.emplace_back(AlignNames[i], i);
        Row& id = add("ID", Kind::Decimal);
        id.Max = MostId;
        add("Style", Kind::Hex);
        add("ExStyle", Kind::Hex);
        // Every component's own four, the frame's properties mirrored in the style.
        const FlagDesign frame[] = {{"Enabled", false, WS_DISABLED},
                                    {"Visible", false, WS_VISIBLE},
                                    {"TabStop", false, WS_TABSTOP},
                                    {"Group", false, WS_GROUP}};
        for (const FlagDesign& flag : frame) {
            Row& row = add(flag.Name, Kind::Flag);
            row.Bits = flag.Bits;
            row.Inverted = flag.Name == "Enabled";
        }
        for (const FlagDesign& flag : Design.Flags) {
            Row& row = add(flag.Name, Kind::Flag);
            row.Bits = flag.Bits;
            row.Extended = flag.Extended;
        }
    }
    // A set's bits join the flags' boxes.
    for (const ValueDesign& value : Design.Values)
        for (const auto& [name, bit] : value.Set ? value.Choices : decltype(value.Choices){}) {
            Row& row = add(value.Name, Kind::Bit);
            row.Choices = {{name, bit}};
            row.Bits = bit;
            row.Min = static_cast<int>(value.Default);
        }
    for (const ValueDesign& value : Design.Values) {
        if (value.Set) continue;
        Row& row = add(value.Name, value.Colour ? Kind::Colour : Kind::Choice);
        row.Choices = value.Choices;
        row.Bits = value.Default;
    }
    if (Design.ItemsMessage) add("Items", Kind::Items);
    for (const LinkDesign& link : Design.Links)
        add(link.Name, Kind::Link);
    for (const WrittenDesign& written : Design.Written) {
        Row& row = add(written.Name, Kind::Written);
        row.Hint = written.Hint;
        row.Font = written.Font;
    }
    for (const std::string& event : Design.Events)
        add(ParseEvent(event).Name, Kind::Event, true);

    int id = FirstId + 1;
    for (Row& row : Rows) {
        bool multiLine = row.Type == Kind::Lines || row.Type == Kind::Items;
        if (IsCheckBox(row.Type)) {
            // With several shown a box also has the third state of a flag they do not share.
            row.Box =
                MakeChild(Host, "Button", row.Type == Kind::Bit ? row.Choices[0].first : row.Key,
                          (Several ? BS_AUTO3STATE : BS_AUTOCHECKBOX) | WS_TABSTOP, 0, id++);
            continue;
        }
        row.Label = MakeChild(Host, "Static", IsForm && row.Key == "Text" ? "Caption" : row.Key,
                              SS_CENTERIMAGE, 0, -1);
        if (IsList(row.Type)) {
            row.Box = MakeChild(Host, "ComboBox", "", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 0,
                                id++);
            for (const auto& choice : row.Choices)
                SendMessageA(row.Box, CB_ADDSTRING, 0,
                             reinterpret_cast<LPARAM>(choice.first.c_str()));
            continue;
        }
        DWORD style = WS_TABSTOP |
                      (multiLine ? ES_MULTILINE | ES_WANTRETURN | WS_VSCROLL : ES_AUTOHSCROLL) |
                      (row.Type == Kind::Fixed ? ES_READONLY : 0);
        row.Box = MakeChild(Host, "Edit", "", style, WS_EX_CLIENTEDGE, id++);
        if (row.Type == Kind::Colour || row.Font)
            row.Button = MakeChild(Host, "Button", "...", BS_PUSHBUTTON, 0, id++);
    }
    Place();
}

void PropertyList::Place() {
    int top[2] = {Origin.y + TabHeight + 4, Origin.y + TabHeight + 4};
    int column = 0;
    for (const Row& row : Rows) {
        int& y = top[row.Events];
        if (IsCheckBox(row.Type)) {
            int width = Width / FlagsPerRow;
            MoveWindow(row.Box, Origin.x + column * width, y, width - 2, RowHeight - 4, FALSE);
            if (++column == FlagsPerRow) column = 0, y += RowHeight;
            continue;
        }
        if (column) column = 0, y += RowHeight;
        int height =
            (row.Type == Kind::Lines || row.Type == Kind::Items ? LinesRows : 1) * RowHeight;
        int right = Origin.x + Width - (row.Button ? ColourButtonWidth + 2 : 0);
        int label = row.Events ? EventLabelWidth : LabelWidth;
        MoveWindow(row.Label, Origin.x, y, label, RowHeight - 4, FALSE);
        // A drop-down list's height is that of the list that drops down.
        int boxHeight = IsList(row.Type) ? 8 * RowHeight : height - 4;
        MoveWindow(row.Box, Origin.x + label, y, right - Origin.x - label, boxHeight, FALSE);
        if (row.Button)
            MoveWindow(row.Button, right + 2, y, ColourButtonWidth, RowHeight - 4, FALSE);
        y += height;
    }
    ShowPage(EventsShown);
}

void PropertyList::ShowPage(bool Events) {
    EventsShown = Events;
    SendMessageA(TabWindow, TCM_SETCURSEL, Events, 0);
    for (const Row& row : Rows)
        for (HWND window : {row.Label, row.Box, row.Button})
            if (window) ShowWindow(window, row.Events == Events ? SW_SHOWNA : SW_HIDE);
}

void PropertyList::Show(const std::vector<const ComponentRecord*>& Shown, const FormModel& Model,
                        const ClassDesign& Design, const std::string& Ancestor, bool IsForm) {
    // The rows stay while the same classes are shown, so that typing goes on in the same box.
    std::string kinds;
    for (const ComponentRecord* shown : Shown)
        kinds += shown->ClassName + " ";
    if (kinds != BuiltFor || IsForm != ShowsForm || Rows.empty()) {
        Build(Design, IsForm, Shown.size() > 1);
        BuiltFor = kinds;
        ShowsForm = IsForm;
    }
    for (const Row& row : Rows)
        for (HWND window : {row.Box, row.Button})
            if (window) EnableWindow(window, !Shown.empty());
    EnableWindow(ApplyButton, !Shown.empty());
    if (!Shown.empty()) Fill(Shown, Model, Ancestor);
}

void PropertyList::Fill(const std::vector<const ComponentRecord*>& Shown, const FormModel& Model,
                        const std::string& Ancestor) {
    for (Row& row : Rows) {
        if (row.Type == Kind::Link) {
            // Any component but the one shown, which the list names anew each time.
            row.Choices.assign(1, {"", 0});
            SendMessageA(row.Box, CB_RESETCONTENT, 0, 0);
            SendMessageA(row.Box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(""));
            for (const ComponentRecord& c : Model.Components)
                if (Shown.size() > 1 || c.Name != Shown.front()->Name) {
                    row.Choices.emplace_back(c.Name, 0);
                    SendMessageA(row.Box, CB_ADDSTRING, 0,
                                 reinterpret_cast<LPARAM>(c.Name.c_str()));
                }
        }
        // Each component keeps its own name and identifier.
        bool own = Shown.size() > 1 && (row.Type == Kind::Name || row.Key == "ID");
        std::string state = StateOf(row, *Shown.front(), Ancestor, Model);
        bool shared = !own && std::all_of(Shown.begin(), Shown.end(), [&](auto* Other) {
            return StateOf(row, *Other, Ancestor, Model) == state;
        });
        if (row.Font) row.Inherited = shared ? Model.HolderFont(*Shown.front()) : "";
        if (!shared)
            state = IsCheckBox(row.Type) ? std::to_string(BST_INDETERMINATE)
                    : IsList(row.Type)   ? "-1"
                                         : "";
        SetState(row, state);
        if (own) EnableWindow(row.Box, FALSE);
        row.Filled = State(row);
    }
}

std::string PropertyList::StateOf(const Row& Which, const ComponentRecord& Shown,
                                  const std::string& Ancestor, const FormModel& Model) const {
    const ComponentRecord& c = Shown;
    switch (Which.Type) {
    case Kind::Fixed:
        return Ancestor.empty() ? c.ClassName : c.ClassName + ", from " + Ancestor;
    case Kind::Name:
        return c.Name;
    case Kind::Line:
    case Kind::Lines:
        return c.Text;
    case Kind::Decimal:
        return std::to_string(*DecimalField(c, Which.Key));
    case Kind::Hex:
        return Hex(StyleOf(c, Which.Key == "ExStyle"));
    case Kind::Colour: {
        auto found = c.Values.find(Which.Key);
        return found == c.Values.end() ? "" : Hex(found->second);
    }
    case Kind::Choice: {
        uint32_t value = Which.Key == "Align" ? static_cast<uint32_t>(c.Align)
                                              : ValueIn(c, Which.Key, Which.Bits);
        auto at = std::find_if(Which.Choices.begin(), Which.Choices.end(),
                               [&](const auto& choice) { return choice.second == value; });
        return std::to_string(at == Which.Choices.end() ? -1 : at - Which.Choices.begin());
    }
    case Kind::Flag: {
        bool on = (StyleOf(c, Which.Extended) & Which.Bits) != 0;
        return std::to_string(on != Which.Inverted ? BST_CHECKED : BST_UNCHECKED);
    }
    case Kind::Bit: {
        bool on = (ValueIn(c, Which.Key, static_cast<uint32_t>(Which.Min)) & Which.Bits) != 0;
        return std::to_string(on ? BST_CHECKED : BST_UNCHECKED);
    }
    case Kind::Items: {
        std::string text;
        for (size_t i = 0; i < c.Items.size(); ++i)
            text += (i ? "\r\n" : "") + c.Items[i];
        return text;
    }
    case Kind::Event: {
        auto found = c.Events.find(Which.Key);
        return found == c.Events.end() ? "" : found->second;
    }
    case Kind::Link: {
        auto found = c.Links.find(Which.Key);
        std::string linked = found == c.Links.end() ? "" : found->second;
        auto at = std::find_if(Which.Choices.begin(), Which.Choices.end(),
                               [&](const auto& choice) { return choice.first == linked; });
        return std::to_string(at == Which.Choices.end() ? -1 : at - Which.Choices.begin());
    }
    case Kind::Written: {
        auto found = c.Written.find(Which.Key);
        if (found != c.Written.end()) return found->second;
        // A component without a font of its own shows its holder's; the form, the platform's.
        std::string inherited = Which.Font ? Model.HolderFont(c) : "";
        return inherited.empty() ? "" : "(inherited: " + inherited + ")";
    }
    }
    return "";
}

std::string PropertyList::State(const Row& Which) const {
    if (IsCheckBox(Which.Type)) return std::to_string(SendMessageA(Which.Box, BM_GETCHECK, 0, 0));
    if (IsList(Which.Type)) return std::to_string(SendMessageA(Which.Box, CB_GETCURSEL, 0, 0));
    return Text(Which);
}

void PropertyList::SetState(const Row& Which, const std::string& State) const {
    if (IsCheckBox(Which.Type))
        SendMessageA(Which.Box, BM_SETCHECK, std::stoi(State), 0);
    else if (IsList(Which.Type))
        SendMessageA(Which.Box, CB_SETCURSEL, std::stoi(State), 0);
    else
        SetWindowTextA(Which.Box, State.c_str());
}

std::string PropertyList::Text(const Row& Which) const {
    int length = GetWindowTextLengthA(Which.Box);
    std::string text(length + 1, '\0');
    text.resize(GetWindowTextA(Which.Box, &text[0], length + 1));
    return text;
}

std::string PropertyList::ReadRow(const Row& Which, const ComponentRecord& Current,
                                  ComponentRecord& Changed) const {
    std::string text = Text(Which);
    std::string quoted = Which.Key + ": \"" + text + "\" ";
    switch (Which.Type) {
    case Kind::Fixed:
        return "";
    case Kind::Name:
        Changed.Name = text;
        return IsValidComponentName(text) ? "" : quoted + "is not a C++ name.";
    case Kind::Line:
    case Kind::Lines:
        Changed.Text = text;
        return "";
    case Kind::Decimal:
        return ParseDecimal(text, Which.Min, Which.Max, *DecimalField(Changed, Which.Key))
                   ? ""
                   : quoted + "is not a whole number from " + std::to_string(Which.Min) + " to " +
                         std::to_string(Which.Max) + ".";
    case Kind::Hex:
        return ParseHex(text, StyleOf(Changed, Which.Key == "ExStyle"))
                   ? ""
                   : quoted + "is not a hexadecimal number of at most 8 digits.";
    case Kind::Choice: {
        auto index = static_cast<int>(SendMessageA(Which.Box, CB_GETCURSEL, 0, 0));
        if (index < 0 || index >= static_cast<int>(Which.Choices.size())) return "";
        uint32_t value = Which.Choices[static_cast<size_t>(index)].second;
        if (Which.Key == "Align")
            Changed.Align = static_cast<int>(value);
        else if (value == Which.Bits)
            Changed.Values.erase(Which.Key);
        else
            Changed.Values[Which.Key] = value;
        return "";
    }
    case Kind::Colour: {
        uint32_t colour = 0;
        if (text.empty()) {
            Changed.Values.erase(Which.Key);
            return "";
        }
        if (!ParseHex(text, colour) || colour > 0xFFFFFF)
            return quoted + "is not a colour (BBGGRR in hexadecimal, or empty for the class's).";
        Changed.Values[Which.Key] = colour;
        return "";
    }
    case Kind::Flag: {
        // Only a box the user changed sets its bits: the style typed in hexadecimal stays, and
        // so does each component's own where the box is back in the third state.
        LRESULT state = SendMessageA(Which.Box, BM_GETCHECK, 0, 0);
        if (state == BST_INDETERMINATE) return "";
        bool on = (state == BST_CHECKED) != Which.Inverted;
        bool was = (StyleOf(Current, Which.Extended) & Which.Bits) != 0;
        uint32_t& style = StyleOf(Changed, Which.Extended);
        if (on != was) style = on ? style | Which.Bits : style & ~Which.Bits;
        return "";
    }
    case Kind::Bit: {
        // As a flag: only a box the user changed sets its bit, in the value as the other boxes
        // of the set leave it.
        LRESULT state = SendMessageA(Which.Box, BM_GETCHECK, 0, 0);
        if (state == BST_INDETERMINATE) return "";
        auto initial = static_cast<uint32_t>(Which.Min);
        uint32_t value = ValueIn(Changed, Which.Key, initial);
        value = state == BST_CHECKED ? value | Which.Bits : value & ~Which.Bits;
        if (value == initial)
            Changed.Values.erase(Which.Key);
        else
            Changed.Values[Which.Key] = value;
        return "";
    }
    case Kind::Items:
        // One item a line, whatever ends it: no item holds a line feed, which separates the
        // items in the form file.
        Changed.Items.clear();
        for (size_t start = 0; start < text.size();) {
            size_t end = std::min(text.find('\n', start), text.size());
            size_t cut = end > start && text[end - 1] == '\r' ? end - 1 : end;
            Changed.Items.push_back(text.substr(start, cut - start));
            start = end + 1;
        }
        return "";
    case Kind::Event:
        if (text.empty()) {
            Changed.Events.erase(Which.Key);
            return "";
        }
        Changed.Events[Which.Key] = text;
        return IsValidComponentName(text) ? "" : quoted + "is not a C++ name.";
    case Kind::Link: {
        auto index = static_cast<size_t>(SendMessageA(Which.Box, CB_GETCURSEL, 0, 0));
        if (index >= Which.Choices.size()) return "";
        if (index == 0)
            Changed.Links.erase(Which.Key);
        else
            Changed.Links[Which.Key] = Which.Choices[index].first;
        return "";
    }
    case Kind::Written: {
        std::string written;
        if (!Library->NormalText(Which.Key, text, written))
            return quoted + "is not " + Which.Hint + ".";
        if (written.empty())
            Changed.Written.erase(Which.Key);
        else
            Changed.Written[Which.Key] = written;
        return "";
    }
    }
    return "";
}

bool PropertyList::Read(const std::vector<const ComponentRecord*>& Current, const FormModel& Model,
                        std::vector<ComponentRecord>& Changed, std::string& Problem) const {
    std::vector<ComponentRecord> read;
    read.reserve(Current.size());
    for (const ComponentRecord* current : Current) {
        ComponentRecord c = *current;
        for (const Row& row : Rows) {
            if (State(row) == row.Filled) continue;
            Problem = ReadRow(row, *current, c);
            if (!Problem.empty()) return false;
        }
        if (c.Name != current->Name && Model.NameTaken(c.Name)) {
            Problem = "Name: another component is called \"" + c.Name + "\".";
            return false;
        }
        read.push_back(c);
    }
    Changed = read;
    return true;
}

bool PropertyList::Owns(HWND Window) const {
    return std::any_of(Rows.begin(), Rows.end(), [&](const Row& row) { return row.Box == Window; });
}

bool PropertyList::AppliesOnReturn(HWND Window) const {
    return std::any_of(Rows.begin(), Rows.end(), [&](const Row& row) {
        // Return in a dropped list picks the item: applying first would fill the list anew
        // under it.
        return row.Box == Window && row.Type != Kind::Lines && row.Type != Kind::Items &&
               !(IsList(row.Type) && SendMessageA(row.Box, CB_GETDROPPEDSTATE, 0, 0));
    });
}

bool PropertyList::Take(const MSG& Message) {
    if (Message.message != WM_LBUTTONDBLCLK) return false;
    auto row =
        std::find_if(Rows.begin(), Rows.end(), [&](const Row& r) { return r.Box == Message.hwnd; });
    if (row == Rows.end() || row->Type != Kind::Event || !Text(*row).empty()) return false;
    auto name =
        std::find_if(Rows.begin(), Rows.end(), [](const Row& r) { return r.Type == Kind::Name; });
    std::string component = ShowsForm || name == Rows.end() ? "Form" : Text(*name);
    if (component.empty()) return false; // several components, each with a name of its own
    SetWindowTextA(row->Box, UsualHandler(component, row->Key).c_str());
    return true;
}

void PropertyList::Command(int Id) {
    for (const Row& row : Rows) {
        if (!row.Button || GetDlgCtrlID(row.Button) != Id) continue;
        if (row.Type == Kind::Written) {
            // The dialog starts at the font typed, else at the holder's.
            std::string font = Text(row), typed;
            if (!Library->NormalText(row.Key, font, typed) || typed.empty()) font = row.Inherited;
            if (ChooseFontText(Host, *Library, font)) SetWindowTextA(row.Box, font.c_str());
            continue;
        }
        static COLORREF custom[16];
        CHOOSECOLORA dialog{};
        dialog.lStructSize = sizeof dialog;
        dialog.hwndOwner = Host;
        dialog.lpCustColors = custom;
        uint32_t colour = 0;
        dialog.Flags = CC_FULLOPEN | (ParseHex(Text(row), colour) ? CC_RGBINIT : 0);
        dialog.rgbResult = colour;
        if (ChooseColorA(&dialog)) SetWindowTextA(row.Box, Hex(dialog.rgbResult).c_str());
    }
}

bool PropertyList::Notify(const NMHDR& Header) {
    if (Header.hwndFrom != TabWindow || Header.code != TCN_SELCHANGE) return false;
    ShowPage(SendMessageA(TabWindow, TCM_GETCURSEL, 0, 0) == 1);
    return true;
}
