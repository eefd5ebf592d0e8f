#include "property_list.h"

namespace {

constexpr int RowHeight = 24;
constexpr int LabelWidth = 64;

const char* const RowNames[PropertyList::RowCount] = {"Class", "Ancestor", "Name",  "Text",
                                                      "Left",  "Top",      "Width", "Height",
                                                      "Style", "ExStyle",  "ID",    "Align"};

HWND MakeChild(HWND Host, const char* Class, const char* Text, DWORD Style, DWORD ExStyle, RECT At,
               int Id) {
    HWND window = CreateWindowExA(ExStyle, Class, Text, WS_CHILD | WS_VISIBLE | Style, At.left,
                                  At.top, At.right - At.left, At.bottom - At.top, Host,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(Id)),
                                  GetModuleHandleA(nullptr), nullptr);
    SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), 0);
    return window;
}

} // namespace

bool PropertyList::Create(HWND Host, POINT At, int Width, int FirstId, int ApplyId) {
    for (int row = 0; row < RowCount; ++row) {
        int top = At.y + row * RowHeight;
        MakeChild(Host, "Static", RowNames[row], SS_CENTERIMAGE, 0,
                  {At.x, top, At.x + LabelWidth, top + RowHeight - 4}, -1);
        bool readOnly = row == Class || row == Ancestor;
        RECT box = {At.x + LabelWidth, top, At.x + Width, top + RowHeight - 4};
        if (row == Align) {
            box.bottom += 6 * RowHeight; // the list that drops down
            Edits[row] = MakeChild(Host, "ComboBox", "", CBS_DROPDOWNLIST | WS_VSCROLL, 0, box,
                                   FirstId + row);
            for (const char* name : AlignNames)
                SendMessageA(Edits[row], CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
        } else {
            Edits[row] = MakeChild(Host, "Edit", "", ES_AUTOHSCROLL | (readOnly ? ES_READONLY : 0),
                                   WS_EX_CLIENTEDGE, box, FirstId + row);
        }
        if (!Edits[row]) return false;
    }
    int top = At.y + RowCount * RowHeight + 4;
    ApplyButton = MakeChild(Host, "Button", "Apply", BS_PUSHBUTTON, 0,
                            {At.x + Width - 80, top, At.x + Width, top + 26}, ApplyId);
    BottomEdge = top + 26;
    return ApplyButton != nullptr;
}

std::string PropertyList::Read(Row Which) const {
    int length = GetWindowTextLengthA(Edits[Which]);
    std::string text(length + 1, '\0');
    text.resize(GetWindowTextA(Edits[Which], &text[0], length + 1));
    return text;
}

void PropertyList::Write(Row Which, const std::string& Value) {
    if (Which == Align)
        SendMessageA(Edits[Which], CB_SETCURSEL, Value.empty() ? -1 : std::stoi(Value), 0);
    else
        SetWindowTextA(Edits[Which], Value.c_str());
}

void PropertyList::Show(const ComponentRecord* Selected, const std::string& Ancestor) {
    for (int row = 0; row < RowCount; ++row)
        EnableWindow(Edits[row], Selected != nullptr);
    EnableWindow(ApplyButton, Selected != nullptr);
    if (!Selected) {
        for (int row = 0; row < RowCount; ++row)
            Write(static_cast<Row>(row), "");
        return;
    }
    const ComponentRecord& c = *Selected;
    const std::string values[RowCount] = {c.ClassName,
                                          Ancestor,
                                          c.Name,
                                          c.Text,
                                          std::to_string(c.Left),
                                          std::to_string(c.Top),
                                          std::to_string(c.Width),
                                          std::to_string(c.Height),
                                          Hex(c.Style),
                                          Hex(c.ExStyle),
                                          std::to_string(c.Id),
                                          std::to_string(c.Align)};
    for (int row = 0; row < RowCount; ++row)
        Write(static_cast<Row>(row), values[row]);
}

bool PropertyList::Read(const ComponentRecord& Current, const FormModel& Model,
                        ComponentRecord& Changed, std::string& Problem) const {
    ComponentRecord c = Current;
    c.Name = Read(Name);
    c.Text = Read(Text);
    struct DecimalRow {
        Row Which;
        int Min, Max;
        int& Value;
    };
    const DecimalRow decimals[] = {{Left, -32768, 32767, c.Left},
                                   {Top, -32768, 32767, c.Top},
                                   {Width, 0, 32767, c.Width},
                                   {Height, 0, 32767, c.Height},
                                   {Id, 0, 65535, c.Id}};
    if (!IsIdentifier(c.Name)) {
        Problem = "Name: \"" + c.Name + "\" is not a C++ name.";
        return false;
    }
    if (c.Name != Current.Name && Model.NameTaken(c.Name)) {
        Problem = "Name: another component is called \"" + c.Name + "\".";
        return false;
    }
    for (const DecimalRow& row : decimals) {
        if (!ParseDecimal(Read(row.Which), row.Min, row.Max, row.Value)) {
            Problem = std::string(RowNames[row.Which]) + ": \"" + Read(row.Which) +
                      "\" is not a whole number from " + std::to_string(row.Min) + " to " +
                      std::to_string(row.Max) + ".";
            return false;
        }
    }
    for (Row row : {Style, ExStyle}) {
        if (!ParseHex(Read(row), row == Style ? c.Style : c.ExStyle)) {
            Problem = std::string(RowNames[row]) + ": \"" + Read(row) +
                      "\" is not a hexadecimal number of at most 8 digits.";
            return false;
        }
    }
    int align = static_cast<int>(SendMessageA(Edits[Align], CB_GETCURSEL, 0, 0));
    c.Align = align >= 0 ? align : Current.Align;
    Changed = c;
    return true;
}

bool PropertyList::Owns(HWND Window) const {
    for (HWND edit : Edits)
        if (edit == Window) return true;
    return false;
}
