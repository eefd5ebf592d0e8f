#include "class_defaults.h"

#include <windows.h>

#include <commctrl.h>

namespace {

struct ClassDefaultsRow {
    const char* ClassName;
    ClassDefaults Defaults;
};

// The values the component classes' constructors set, which a window created by class name
// does not get (its component reads style and size back from the window). A zero size, which
// would leave nothing to click, is replaced by a small one.
const ClassDefaultsRow Rows[] = {
    {"QPanel", {0, WS_EX_CONTROLPARENT, 115, 51}},
    {"QToolBar", {CCS_NORESIZE | CCS_NOPARENTALIGN, WS_EX_CONTROLPARENT, 215, 21}},
    {"QStatusBar",
     {SBARS_SIZEGRIP | CCS_NORESIZE | CCS_NOPARENTALIGN, WS_EX_CONTROLPARENT, 215, 17}},
    {"QLabel", {SS_NOTIFY, 0, 115, 18}},
    {"QButton", {BS_PUSHBUTTON, 0, 75, 35}},
    {"QEdit", {ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, 121, 21}},
    {"QMemo", {ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN, WS_EX_CLIENTEDGE, 221, 121}},
    {"QComboBox", {CBS_DROPDOWN | CBS_HASSTRINGS | CBS_NOINTEGRALHEIGHT, 0, 115, 18}},
    {"QListBox", {LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT, WS_EX_CLIENTEDGE, 121, 21}},
    {"QCheckBox", {BS_AUTOCHECKBOX, 0, 97, 19}},
    {"QRadioButton", {BS_AUTORADIOBUTTON, 0, 97, 19}},
    {"QGroupBox", {BS_GROUPBOX, WS_EX_TRANSPARENT, 221, 51}},
    {"QScrollBar", {SBS_HORZ, 0, 121, 17}},
    {"QMyFrame", {0x400, WS_EX_CONTROLPARENT, 742, 409}},
    {"VUdeRedo", {WS_BORDER, 0, 150, 80}},
    {"QBox", {0, WS_EX_CLIENTEDGE, 450, 250}},
    {"QDummy", {0, 0, 60, 40}},
};

} // namespace

ClassDefaults DefaultsOf(const std::string& ClassName) {
    for (const ClassDefaultsRow& row : Rows)
        if (ClassName == row.ClassName) return row.Defaults;
    return {0, 0, 100, 50};
}
