#include "object/design_contract.h"

#include "containers/panel.h"
#include "controls/buttons.h"
#include "object/form_defaults.h"
#include "object/forms.h"
#include "object/window_class.h"

#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

// What a class's component is beyond a frame, for the lines and values only some have.
enum Kind { Plain, Form, Panel, Memo, ListBox, ComboBox, PushButton, Label };

// A new component's canvas colours and whether its window shows them. Its background is the
// system colour System, or Fixed where System is -1; its text colour is black in every class
// (QCanvas, SetControlDefaults).
struct Colours {
    bool Background;
    bool Text;
    int System;
    COLORREF Fixed;
};

// Color and TextColor are offered only where the window shows them: the controls that answer
// the colour request with the canvas's colours (a scroll bar has no text), the panel, which
// erases with the canvas brush and draws its caption in the text colour, and the forms and
// QDummy, which erase with the brush and draw no text. QBox draws its name in the text colour,
// but its window creation paints it red over any colour set before. Push buttons are drawn in
// the system's colours whatever the request answers, the common controls draw the bars without
// asking, and no component is bound to the editor library's window: they have neither.
constexpr Colours ControlColours{true, true, COLOR_WINDOW, 0};
constexpr Colours FaceBackground{true, false, COLOR_BTNFACE, 0};
constexpr Colours RedBackground{true, false, -1, 0x000000FF};
constexpr Colours TextOnly{false, true, -1, 0};
constexpr Colours NotShown{false, false, -1, 0};

struct StyleFlag {
    const char* Name;
    DWORD Bits;
};

struct FlagSet {
    const StyleFlag* First;
    size_t Count;
};

template <size_t Count> constexpr FlagSet Set(const StyleFlag (&Flags)[Count]) noexcept {
    return {Flags, Count};
}
constexpr FlagSet NoFlags{nullptr, 0};

// Each class's own independent style bits. A memo whose lines scroll sideways does not wrap
// them: AutoHScroll is its word-wrap bit.
const StyleFlag EditFlags[] = {{"ReadOnly", ES_READONLY},   {"Password", ES_PASSWORD},
                               {"Number", ES_NUMBER},       {"UpperCase", ES_UPPERCASE},
                               {"LowerCase", ES_LOWERCASE}, {"AutoHScroll", ES_AUTOHSCROLL}};
const StyleFlag MemoFlags[] = {{"ReadOnly", ES_READONLY},
                               {"WantReturn", ES_WANTRETURN},
                               {"VScroll", WS_VSCROLL},
                               {"HScroll", WS_HSCROLL},
                               {"AutoHScroll", ES_AUTOHSCROLL}};
const StyleFlag ListBoxFlags[] = {{"Sort", LBS_SORT},
                                  {"MultiSelect", LBS_MULTIPLESEL},
                                  {"Notify", LBS_NOTIFY},
                                  {"VScroll", WS_VSCROLL}};
const StyleFlag ComboBoxFlags[] = {{"Sort", CBS_SORT}, {"AutoHScroll", CBS_AUTOHSCROLL}};
const StyleFlag ButtonFlags[] = {
    {"Default", BS_DEFPUSHBUTTON}, {"Multiline", BS_MULTILINE}, {"Flat", BS_FLAT}};
const StyleFlag CheckFlags[] = {
    {"LeftText", BS_LEFTTEXT}, {"Multiline", BS_MULTILINE}, {"PushLike", BS_PUSHLIKE}};
const StyleFlag LabelFlags[] = {{"NoPrefix", SS_NOPREFIX}, {"Sunken", SS_SUNKEN}};
const StyleFlag ToolBarFlags[] = {
    {"Flat", TBSTYLE_FLAT}, {"List", TBSTYLE_LIST}, {"NoDivider", CCS_NODIVIDER}};
const StyleFlag StatusBarFlags[] = {{"SizeGrip", SBARS_SIZEGRIP}};

// Border and ClientEdge, which nearly every class takes. A form's WS_BORDER is half of its
// caption; the panel's BorderStyle sets and clears its client edge itself; QBox's window
// creation and the editor library choose their windows' styles whatever was set before.
enum FrameFlags { BorderAndEdge, EdgeOnly, BorderOnly, NoFrameFlags };

// Whether a person can give the component the focus, so that a designer gives a new one a tab
// stop; radio buttons take it as a group, the first of a run of them with the stop.
enum Focus { NoFocus, TabFocus, GroupFocus };

// Its fields are in the order a row of the table reads; the padding costs a few bytes a class.
struct DesignClass { // NOLINT(clang-analyzer-optin.performance.Padding)
    const char* Name;
    DWORD Style;
    DWORD ExStyle;
    int Width;
    int Height;
    bool Holds;
    bool IsForm; // its component is a form: it has OnClose and FormStyle
    Kind Of;
    Colours Canvas;
    FlagSet Flags;
    FrameFlags Frame;
    Focus Takes = NoFocus;
};

// The styles and sizes the classes' constructors and window creation give a component. Where
// those leave a size of 0, which would give a designer nothing to click, a small one stands.
// The form, the panel, the group box, the bars and the demonstration box hold components. The
// form's size of 0 stands for the program's FormDefaults.
constexpr DesignClass Classes[] = {
    {"QForm", WS_OVERLAPPEDWINDOW, 0, 0, 0, true, true, Form, FaceBackground, NoFlags, EdgeOnly},
    {"QPanel", 0, WS_EX_CONTROLPARENT, 115, 51, true, false, Panel, ControlColours, NoFlags,
     BorderOnly},
    {"QToolBar", CCS_NORESIZE | CCS_NOPARENTALIGN, WS_EX_CONTROLPARENT, 215, 21, true, false, Plain,
     NotShown, Set(ToolBarFlags), BorderAndEdge},
    {"QStatusBar", SBARS_SIZEGRIP | CCS_NORESIZE | CCS_NOPARENTALIGN, WS_EX_CONTROLPARENT, 215, 17,
     true, false, Plain, NotShown, Set(StatusBarFlags), BorderAndEdge},
    {"QLabel", SS_NOTIFY, 0, 115, 18, false, false, Label, ControlColours, Set(LabelFlags),
     BorderAndEdge},
    {"QButton", BS_PUSHBUTTON, 0, 75, 35, false, false, PushButton, NotShown, Set(ButtonFlags),
     BorderAndEdge, TabFocus},
    {"QEdit", ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, 121, 21, false, false, Plain, ControlColours,
     Set(EditFlags), BorderAndEdge, TabFocus},
    {"QMemo", ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN, WS_EX_CLIENTEDGE, 221, 121, false,
     false, Memo, ControlColours, Set(MemoFlags), BorderAndEdge, TabFocus},
    {"QComboBox", CBS_DROPDOWN | CBS_HASSTRINGS | CBS_NOINTEGRALHEIGHT, 0, 115, 18, false, false,
     ComboBox, ControlColours, Set(ComboBoxFlags), BorderAndEdge, TabFocus},
    {"QListBox", LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT, WS_EX_CLIENTEDGE, 121, 21, false, false,
     ListBox, ControlColours, Set(ListBoxFlags), BorderAndEdge, TabFocus},
    {"QCheckBox", BS_AUTOCHECKBOX, 0, 97, 19, false, false, Plain, ControlColours, Set(CheckFlags),
     BorderAndEdge, TabFocus},
    {"QRadioButton", BS_AUTORADIOBUTTON, 0, 97, 19, false, false, Plain, ControlColours,
     Set(CheckFlags), BorderAndEdge, GroupFocus},
    {"QGroupBox", BS_GROUPBOX, WS_EX_TRANSPARENT, 221, 51, true, false, Plain, ControlColours,
     NoFlags, BorderAndEdge},
    {"QScrollBar", SBS_HORZ, 0, 121, 17, false, false, Plain, FaceBackground, NoFlags,
     BorderAndEdge},
    {"QMyFrame", 0x400, WS_EX_CONTROLPARENT, 742, 409, false, true, Form, FaceBackground, NoFlags,
     BorderAndEdge},
    {"VUdeRedo", WS_BORDER, 0, 150, 80, false, false, Plain, NotShown, NoFlags, NoFrameFlags,
     TabFocus},
    {"QBox", 0, WS_EX_CLIENTEDGE, 450, 250, true, true, Form, TextOnly, NoFlags, NoFrameFlags},
    {"QDummy", 0, 0, 60, 40, false, false, Plain, RedBackground, NoFlags, BorderAndEdge},
};

// Value through Setter where the frame is a Component; false where it is not. The panel's
// properties go through QPanel's own operations where the frame is one, so that a class
// overriding them is set as its program would set it.
template <class Component, class Type>
bool Apply(QFrame& Frame, void (Component::*Setter)(Type), Type Value) {
    auto* component = dynamic_cast<Component*>(&Frame);
    if (component) (component->*Setter)(Value);
    return component != nullptr;
}

// A numeric property: which classes have it, a new component's value, and its setter applied
// to a frame (false when the frame is not of the setter's kind).
struct ValueLine {
    const char* Name;
    const char* Setter;
    const char* Choices;
    bool (*Offered)(const DesignClass& Class);
    uint32_t (*Default)(const DesignClass& Class);
    bool (*Apply)(QFrame& Frame, intptr_t Value);
    bool Bits = false; // a "Set=" line: the choices are bits, any of them together
};

constexpr ValueLine Values[] = {
    {"Color", "Canvas.SetColor", "colour", [](const DesignClass& C) { return C.Canvas.Background; },
     [](const DesignClass& C) {
         return static_cast<uint32_t>(C.Canvas.System < 0 ? C.Canvas.Fixed
                                                          : GetSysColor(C.Canvas.System));
     },
     [](QFrame& F, intptr_t V) {
         F.Canvas.SetColor(static_cast<uint32_t>(V));
         return true;
     }},
    {"TextColor", "Canvas.SetTextColor", "colour",
     [](const DesignClass& C) { return C.Canvas.Text; }, [](const DesignClass&) { return 0u; },
     [](QFrame& F, intptr_t V) {
         F.Canvas.SetTextColor(static_cast<uint32_t>(V));
         return true;
     }},
    {"BorderStyle", "SetBorderStyle", "bsNone,bsClientEdge,bsSunken,bsRaised,bsBump",
     [](const DesignClass& C) { return C.Of == Panel; },
     [](const DesignClass&) { return static_cast<uint32_t>(bsNone); },
     [](QFrame& F, intptr_t V) {
         return Apply<QPanel, int>(F, &QPanel::SetBorderStyle, int(V)) ||
                Apply<QCustomPanel, int>(F, &QCustomPanel::SetBorderStyle, int(V));
     }},
    // QPanel's constructor centres its caption's wrapped lines.
    {"Alignment", "SetAlignment",
     "Left line,Centred line,Right line,Wrapped left,Wrapped centred,Wrapped right",
     [](const DesignClass& C) { return C.Of == Panel; }, [](const DesignClass&) { return 4u; },
     [](QFrame& F, intptr_t V) {
         return Apply<QPanel, int>(F, &QPanel::SetAlignment, int(V)) ||
                Apply<QCustomPanel, int>(F, &QCustomPanel::SetAlignment, int(V));
     }},
    {"FormStyle", "SetFormStyle", "fsNormal=0,fsMDIChild=2,fsStayOnTop=3",
     [](const DesignClass& C) { return C.Of == Form; },
     [](const DesignClass&) { return static_cast<uint32_t>(fsNormal); },
     [](QFrame& F, intptr_t V) { return Apply(F, &QCustomForm::SetFormStyle, int(V)); }},
    {"FormKind", "SetFormKind", "fkWindow=0,fkDialog=1",
     [](const DesignClass& C) { return C.Of == Form; },
     [](const DesignClass&) { return static_cast<uint32_t>(fkWindow); },
     [](QFrame& F, intptr_t V) { return Apply(F, &QCustomForm::SetFormKind, int(V)); }},
    {"DialogKeys", "SetDialogKeys", "false,true", [](const DesignClass& C) { return C.Of == Form; },
     [](const DesignClass&) { return 0u; },
     [](QFrame& F, intptr_t V) { return Apply(F, &QCustomForm::SetDialogKeys, V != 0); }},
    // The default button is the Default flag: a push button made with that style is it.
    {"ModalResult", "SetModalResult",
     "mrNone=0,mrOk=1,mrCancel=2,mrAbort=3,mrRetry=4,mrIgnore=5,mrYes=6,mrNo=7",
     [](const DesignClass& C) { return C.Of == PushButton; },
     [](const DesignClass&) { return static_cast<uint32_t>(mrNone); },
     [](QFrame& F, intptr_t V) { return Apply(F, &QCustomButton::SetModalResult, int(V)); }},
    {"Cancel", "SetCancel", "false,true", [](const DesignClass& C) { return C.Of == PushButton; },
     [](const DesignClass&) { return 0u; },
     [](QFrame& F, intptr_t V) { return Apply(F, &QCustomButton::SetCancel, V != 0); }},
    {"Anchors", "SetAnchors", "akLeft=1,akTop=2,akRight=4,akBottom=8",
     [](const DesignClass& C) { return C.Of != Form; },
     [](const DesignClass&) { return static_cast<uint32_t>(akLeftTop); },
     [](QFrame& F, intptr_t V) {
         F.SetAnchors(static_cast<int>(V));
         return true;
     },
     true},
};

// A property naming another component of the form, set in code by Setter(&component). A
// designer's window takes it as the named component's window, or none.
struct LinkLine {
    const char* Name;
    const char* Setter;
    Kind Of;
    bool (*Apply)(QFrame& Frame, QFrame* Linked);
};

constexpr LinkLine Links[] = {
    {"FocusControl", "SetFocusControl", Label,
     [](QFrame& F, QFrame* L) { return Apply(F, &QCustomLabel::SetFocusControl, L); }},
};

// A property written as text the library reads: generated code sets it with
// Setter(::Reader("text")), a designer's window takes the text, and DesignText checks a text
// and writes it the library's way. Kind tells a designer how it may be picked ("font": the
// font dialog), Hint what a text must be.
struct WrittenLine {
    const char* Name;
    const char* Setter;
    const char* Reader;
    const char* Kind;
    const char* Hint;
    bool (*Offered)(const DesignClass& Class);
    bool (*Normal)(const std::string& Text, std::string& Written);
    bool (*Apply)(QFrame& Frame, const std::string& Text);
};

constexpr WrittenLine Written[] = {
    {"Font", "SetFont", "FontOf", "font",
     "a font such as Tahoma,8,Bold (a face, a size in points from 1 to 1000, then any of Bold, "
     "Italic, Underline, StrikeOut), or empty for the holder's",
     [](const DesignClass&) { return true; },
     [](const std::string& Text, std::string& Normal) {
         QFont font;
         if (!ParseFont(Text, font)) return false;
         Normal = FontText(font);
         return true;
     },
     [](QFrame& F, const std::string& Text) {
         QFont font;
         if (!ParseFont(Text, font)) return false;
         // No font of its own is its holder's.
         if (font.IsSet())
             F.SetFont(font);
         else
             F.SetParentFont(true);
         return true;
     }},
    {"Shortcuts", "SetShortcuts", "ShortcutList", "text",
     "a list of shortcuts such as Ctrl+S=101,F5=102 (commands from 1 to 65535, no key twice)",
     [](const DesignClass& C) { return C.Of == Form; },
     [](const std::string& Text, std::string& Normal) {
         std::vector<QShortcut> list;
         if (!ParseShortcutList(Text, list)) return false;
         Normal = ShortcutListText(list);
         return true;
     },
     [](QFrame& F, const std::string& Text) {
         std::vector<QShortcut> list;
         auto* form = dynamic_cast<QCustomForm*>(&F);
         if (!form || !ParseShortcutList(Text, list)) return false;
         form->SetShortcuts(list);
         return true;
     }},
};

// Every component's events, then a form's own, with their handlers' parameters.
const char FrameEvents[] = "Event=OnCreate(QFrame* Sender)\n"
                           "Event=OnDestroy(QFrame* Sender)\n"
                           "Event=OnClick(QFrame* Sender)\n"
                           "Event=OnDblClick(QFrame* Sender)\n"
                           "Event=OnPaint(QFrame* Sender)\n"
                           "Event=OnMouseDown(QFrame* Sender, int Button, int X, int Y, int Keys)\n"
                           "Event=OnMouseUp(QFrame* Sender, int Button, int X, int Y, int Keys)\n"
                           "Event=OnMouseMove(QFrame* Sender, int X, int Y, int Keys)\n"
                           "Event=OnKeyDown(QFrame* Sender, uint16_t Key, int KeyCode)\n"
                           "Event=OnKeyUp(QFrame* Sender, uint16_t Key, int KeyCode)\n"
                           "Event=OnKeyPress(QFrame* Sender, uint8_t Char)\n"
                           "Event=OnMenuCommand(QFrame* Sender, int Id, int Code)\n"
                           "Event=OnAccelCommand(QFrame* Sender, int Id, int Code)\n"
                           "Event=OnMouseWheel(QFrame* Sender, int Direction, int X, int Y, "
                           "int Keys)\n";
const char FormEvents[] = "Event=OnClose(QFrame* Sender, int& Action)\n";

std::string FlagLine(const char* Line, const char* Name, DWORD Bits) {
    char text[64];
    std::snprintf(text, sizeof text, "%s=%s:%08lX\n", Line, Name, static_cast<unsigned long>(Bits));
    return text;
}

std::string ItemsLine(const char* Name, UINT Message) {
    char text[48];
    std::snprintf(text, sizeof text, "Items=%s:%04X\n", Name, Message);
    return text;
}

std::string Describe(const DesignClass& Class) {
    char values[128];
    std::snprintf(
        values, sizeof values, "Style=%08lX\nExStyle=%08lX\nWidth=%d\nHeight=%d\nHolds=%d\n",
        static_cast<unsigned long>(Class.Style), static_cast<unsigned long>(Class.ExStyle),
        Class.Width ? Class.Width : FormDefaults.Width,
        Class.Height ? Class.Height : FormDefaults.Height, Class.Holds ? 1 : 0);
    std::string text = values;
    if (Class.Takes != NoFocus) text += Class.Takes == TabFocus ? "Focus=Tab\n" : "Focus=Group\n";
    text += std::string(FrameEvents) + (Class.IsForm ? FormEvents : "");
    if (Class.Of == Memo) text += "Text=Lines\n";
    if (Class.Of == ListBox) text += ItemsLine("LB_ADDSTRING", LB_ADDSTRING);
    if (Class.Of == ComboBox) text += ItemsLine("CB_ADDSTRING", CB_ADDSTRING);
    for (const ValueLine& value : Values)
        if (value.Offered(Class))
            text += std::string(value.Bits ? "Set=" : "Value=") + value.Name + ":" + value.Setter +
                    ":" + std::to_string(value.Default(Class)) + ":" + value.Choices + "\n";
    for (const LinkLine& link : Links)
        if (link.Of == Class.Of)
            text += std::string("Link=") + link.Name + ":" + link.Setter + "\n";
    for (const WrittenLine& written : Written)
        if (written.Offered(Class))
            text.append("Written=")
                .append(written.Name)
                .append(":")
                .append(written.Setter)
                .append(":")
                .append(written.Reader)
                .append(":")
                .append(written.Kind)
                .append(":")
                .append(written.Hint)
                .append("\n");
    for (size_t i = 0; i < Class.Flags.Count; ++i)
        text += FlagLine("Flag", Class.Flags.First[i].Name, Class.Flags.First[i].Bits);
    if (Class.Frame == BorderAndEdge || Class.Frame == BorderOnly)
        text += FlagLine("Flag", "Border", WS_BORDER);
    if (Class.Frame == BorderAndEdge || Class.Frame == EdgeOnly)
        text += FlagLine("ExFlag", "ClientEdge", WS_EX_CLIENTEDGE);
    return text;
}

const DesignClass* ClassNamed(const char* Name) {
    for (const DesignClass& c : Classes)
        if (std::strcmp(c.Name, Name) == 0) return &c;
    return nullptr;
}

} // namespace

const char* DesignClassText(const char* ClassName) {
    // Made once, on first use from any thread, and never changed: every caller may keep them.
    static const std::vector<std::string> texts = [] {
        std::vector<std::string> made;
        for (const DesignClass& c : Classes)
            made.push_back(Describe(c));
        return made;
    }();
    const DesignClass* found = ClassName ? ClassNamed(ClassName) : nullptr;
    return found ? texts[static_cast<size_t>(found - Classes)].c_str() : nullptr;
}

bool SetDesignValue(QFrame& Frame, const char* Name, intptr_t Value) {
    const DesignClass* found = Name ? ClassNamed(Frame.ClassName().c_str()) : nullptr;
    if (!found) return false;
    for (const ValueLine& value : Values)
        if (std::strcmp(value.Name, Name) == 0)
            return value.Offered(*found) && value.Apply(Frame, Value);
    for (const LinkLine& link : Links)
        if (std::strcmp(link.Name, Name) == 0 && link.Of == found->Of) {
            QFrame* linked = Value ? FrameOfWindow(reinterpret_cast<HWND>(Value)) : nullptr;
            return (linked || !Value) && link.Apply(Frame, linked);
        }
    for (const WrittenLine& written : Written)
        if (std::strcmp(written.Name, Name) == 0)
            return written.Offered(*found) && Value &&
                   written.Apply(Frame, reinterpret_cast<const char*>(Value));
    return false;
}

bool DesignText(const char* Name, const char* Text, std::string& Normal) {
    for (const WrittenLine& written : Written)
        if (Name && Text && std::strcmp(written.Name, Name) == 0)
            return written.Normal(Text, Normal);
    return false;
}
