#include "object/design_contract.h"

#include "object/form_defaults.h"

#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

struct DesignClass {
    const char* Name;
    DWORD Style;
    DWORD ExStyle;
    int Width;
    int Height;
    bool Holds;
    bool IsForm; // its component is a form: it has OnClose
};

// The styles and sizes the classes' constructors and window creation give a component. Where
// those leave a size of 0, which would give a designer nothing to click, a small one stands.
// The form, the panel, the group box, the bars and the demonstration box hold components. The
// form's size of 0 stands for the program's FormDefaults.
const DesignClass Classes[] = {
    {"QForm", WS_OVERLAPPEDWINDOW, 0, 0, 0, true, true},
    {"QPanel", 0, WS_EX_CONTROLPARENT, 115, 51, true, false},
    {"QToolBar", CCS_NORESIZE | CCS_NOPARENTALIGN, WS_EX_CONTROLPARENT, 215, 21, true, false},
    {"QStatusBar", SBARS_SIZEGRIP | CCS_NORESIZE | CCS_NOPARENTALIGN, WS_EX_CONTROLPARENT, 215, 17,
     true, false},
    {"QLabel", SS_NOTIFY, 0, 115, 18, false, false},
    {"QButton", BS_PUSHBUTTON, 0, 75, 35, false, false},
    {"QEdit", ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, 121, 21, false, false},
    {"QMemo", ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN, WS_EX_CLIENTEDGE, 221, 121, false,
     false},
    {"QComboBox", CBS_DROPDOWN | CBS_HASSTRINGS | CBS_NOINTEGRALHEIGHT, 0, 115, 18, false, false},
    {"QListBox", LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT, WS_EX_CLIENTEDGE, 121, 21, false, false},
    {"QCheckBox", BS_AUTOCHECKBOX, 0, 97, 19, false, false},
    {"QRadioButton", BS_AUTORADIOBUTTON, 0, 97, 19, false, false},
    {"QGroupBox", BS_GROUPBOX, WS_EX_TRANSPARENT, 221, 51, true, false},
    {"QScrollBar", SBS_HORZ, 0, 121, 17, false, false},
    {"QMyFrame", 0x400, WS_EX_CONTROLPARENT, 742, 409, false, true},
    {"VUdeRedo", WS_BORDER, 0, 150, 80, false, false},
    {"QBox", 0, WS_EX_CLIENTEDGE, 450, 250, true, true},
    {"QDummy", 0, 0, 60, 40, false, false},
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

std::string Describe(const DesignClass& Class) {
    char values[128];
    std::snprintf(
        values, sizeof values, "Style=%08lX\nExStyle=%08lX\nWidth=%d\nHeight=%d\nHolds=%d\n",
        static_cast<unsigned long>(Class.Style), static_cast<unsigned long>(Class.ExStyle),
        Class.Width ? Class.Width : FormDefaults.Width,
        Class.Height ? Class.Height : FormDefaults.Height, Class.Holds ? 1 : 0);
    return values + std::string(FrameEvents) + (Class.IsForm ? FormEvents : "");
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
    if (!ClassName) return nullptr;
    for (size_t i = 0; i < texts.size(); ++i)
        if (std::strcmp(Classes[i].Name, ClassName) == 0) return texts[i].c_str();
    return nullptr;
}
