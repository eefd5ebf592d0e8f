// Every component class in one table: the values it is constructed with, its answer to the
// parent's colour requests, and the component a window made by class name gets and gives back.
#include "containers/bars.h"
#include "containers/panel.h"
#include "controls/edits.h"
#include "controls/gadget.h"
#include "controls/lists.h"
#include "designer/demo_components.h"
#include "robustness/allocation_count.h"
#include "test_forms.h"

#include <commctrl.h>

#include <array>
#include <memory>
#include <tuple>
#include <typeinfo>

namespace {

struct ComponentRow {
    const char* Name;
    QFrame* (*Make)();
    const char* ClassName; // empty: the component cannot make a window of its own
    const char* Ancestor;
    uint32_t Style;
    uint32_t ExStyle;
    int Left, Top, Width, Height;
    COLORREF Color;
    bool AnswersColour;
    const std::type_info& MadeByName;
};

template <class Component> QFrame* Make() {
    return new Component;
}

// A class of the gadget family with no system ancestor, registered by its first gadget.
QFrame* MakeGadget() {
    static const QWindowInfo record{
        "QTableGadget", "", WS_EX_CLIENTEDGE, WS_CHILD | WS_BORDER, 33, 44, GetGadgetWndProc()};
    return new QGadget(&record);
}

const UINT ColourRequests[] = {WM_CTLCOLORMSGBOX, WM_CTLCOLOREDIT, WM_CTLCOLORLISTBOX,
                               WM_CTLCOLORBTN,    WM_CTLCOLORDLG,  WM_CTLCOLORSCROLLBAR,
                               WM_CTLCOLORSTATIC};

class ComponentTable : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        static bool registered = [] {
            InitCommonControls();
            for (auto Register : {RegisterLabelClass, RegisterButtonClass, RegisterCheckBoxClass,
                                  RegisterRadioButtonClass, RegisterGroupBoxClass,
                                  RegisterEditClass, RegisterMemoClass, RegisterComboBoxClass,
                                  RegisterListBoxClass, RegisterScrollBarClass,
                                  RegisterToolBarClass, RegisterStatusBarClass, RegisterPanelClass})
                Register();
            RegisterDemoClasses();
            return true;
        }();
        (void)registered;
        form.SetVisible(false); // nothing paints, so no canvas holds a device context
        form.SetParent(nullptr);
    }
    // A top-level window: its first messages come before WM_NCCREATE.
    static HWND CreateByName(const char* ClassName) {
        return CreateWindowExA(0, ClassName, "", WS_OVERLAPPEDWINDOW, 0, 0, 80, 40, nullptr,
                               nullptr, GetModuleHandleA(nullptr), nullptr);
    }
    QForm form;
    StdoutCapture quiet; // the creation lines of the windows
};

int Destroyed;

} // namespace

TEST_F(ComponentTable, ConstructionColourAnswerAndWindowsMadeByName) {
    const COLORREF window = GetSysColor(COLOR_WINDOW), face = GetSysColor(COLOR_BTNFACE);
    const COLORREF red = RGB(255, 0, 0), green = RGB(0, 255, 0), blue = RGB(0, 0, 255);
    const uint32_t child = WS_CHILD, overlapped = WS_OVERLAPPEDWINDOW;
    const ComponentRow rows[] = {
        {"QFrame", Make<QFrame>, "", "", 0, 0, 0, 0, 0, 0, window, false, typeid(void)},
        {"QCustomForm", Make<QCustomForm>, "", "", overlapped, 0, 0, 0, 450, 250, face, false,
         typeid(void)},
        {"QForm", Make<QForm>, "QForm", "", overlapped, 0, 0, 0, 350, 250, face, false,
         typeid(QCustomForm)},
        {"QLabel", Make<QLabel>, "QLabel", "static", child | SS_NOTIFY, 0, 0, 0, 115, 18, window,
         true, typeid(QLabel)},
        {"QButton", Make<QButton>, "QButton", "button", child | BS_PUSHBUTTON, 0, 0, 0, 75, 35,
         window, true, typeid(QButton)},
        {"QCheckBox", Make<QCheckBox>, "QCheckBox", "button", child | BS_AUTOCHECKBOX, 0, 0, 0, 97,
         19, window, true, typeid(QButton)},
        {"QRadioButton", Make<QRadioButton>, "QRadioButton", "button", child | BS_AUTORADIOBUTTON,
         0, 0, 0, 97, 19, window, true, typeid(QButton)},
        {"QGroupBox", Make<QGroupBox>, "QGroupBox", "button", child | BS_GROUPBOX,
         WS_EX_TRANSPARENT, 0, 0, 221, 51, window, true, typeid(QButton)},
        {"QEdit", Make<QEdit>, "QEdit", "edit", child | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, 0, 0, 121,
         21, window, true, typeid(QEdit)},
        {"QMemo", Make<QMemo>, "QMemo", "edit",
         child | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN, WS_EX_CLIENTEDGE, 0, 0, 221, 121,
         window, true, typeid(QEdit)},
        {"QComboBox", Make<QComboBox>, "QComboBox", "ComboBox",
         child | CBS_DROPDOWN | CBS_HASSTRINGS | CBS_NOINTEGRALHEIGHT, 0, 0, 0, 115, 18, window,
         true, typeid(QComboBox)},
        {"QListBox", Make<QListBox>, "QListBox", "ListBox",
         child | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT, WS_EX_CLIENTEDGE, 0, 0, 121, 21, window,
         true, typeid(QListBox)},
        {"QScrollBar", Make<QScrollBar>, "QScrollBar", "ScrollBar", child | SBS_HORZ, 0, 0, 0, 121,
         17, face, true, typeid(QScrollBar)},
        {"QPanel", Make<QPanel>, "QPanel", "", child, WS_EX_CONTROLPARENT, 0, 0, 115, 51, window,
         true, typeid(QPanel)},
        {"QToolBar", Make<QToolBar>, "QToolBar", "ToolBarWindow32",
         child | CCS_NORESIZE | CCS_NOPARENTALIGN, WS_EX_CONTROLPARENT, 0, 0, 215, 21, window,
         false, typeid(QCustomToolBar)},
        {"QStatusBar", Make<QStatusBar>, "QStatusBar", "msctls_StatusBar32",
         child | SBARS_SIZEGRIP | CCS_NORESIZE | CCS_NOPARENTALIGN, WS_EX_CONTROLPARENT, 0, 0, 215,
         17, window, false, typeid(QCustomStatusBar)},
        {"QGadget", MakeGadget, "QTableGadget", "", child | WS_BORDER, WS_EX_CLIENTEDGE, 0, 0, 33,
         44, face, false, typeid(QGadget)},
        {"QBox", Make<QBox>, "QBox", "", child, 0, 0, 0, 450, 250, face, false,
         typeid(QCustomForm)},
        {"QDummy", Make<QDummy>, "QDummy", "", child, 0, 0, 0, 0, 0, red, false,
         typeid(QCustomForm)},
        {"QRed", Make<QRed>, "QRed", "", child, 0, 0, 0, 350, 250, red, false, typeid(QCustomForm)},
        {"QGreen", Make<QGreen>, "QGreen", "", child, 0, 0, 0, 350, 250, green, false,
         typeid(QCustomForm)},
        {"QBlue", Make<QBlue>, "QBlue", "", child | WS_BORDER, 0, 0, 0, 0, 0, blue, false,
         typeid(QBlue)},
        {"QMyFrame", Make<QMyFrame>, "QForm", "", child | 0x400, WS_EX_CONTROLPARENT, 627, 210, 742,
         409, face, false, typeid(QCustomForm)},
    };
    for (const ComponentRow& row : rows) {
        SCOPED_TRACE(row.Name);
        std::unique_ptr<QFrame> component(row.Make());
        EXPECT_EQ(component->ClassName(), row.ClassName);
        EXPECT_EQ(component->ClassAncestor(), row.Ancestor);
        EXPECT_EQ(component->Style(), row.Style);
        EXPECT_EQ(component->ExStyle(), row.ExStyle);
        EXPECT_EQ((std::array<int, 4>{component->Left(), component->Top(), component->Width(),
                                      component->Height()}),
                  (std::array<int, 4>{row.Left, row.Top, row.Width, row.Height}));
        EXPECT_EQ(component->Canvas.Color(), row.Color);
        if (!*row.ClassName) continue;

        component->SetParent(&form);
        HWND handle = component->Handle();
        ASSERT_TRUE(IsWindow(handle));
        EXPECT_TRUE(IsWindowEnabled(handle) && (GetWindowLongA(handle, GWL_STYLE) & WS_VISIBLE));
        // Brush, background and text colour, background mode; unanswered, the DC is untouched.
        using Answer = std::tuple<LRESULT, COLORREF, COLORREF, int>;
        const Answer untouched{0, RGB(1, 2, 3), RGB(4, 5, 6), TRANSPARENT};
        const Answer expected =
            row.AnswersColour
                ? Answer{reinterpret_cast<LRESULT>(component->Canvas.Brush()),
                         component->Canvas.Color(), component->Canvas.TextColor(), OPAQUE}
                : untouched;
        HDC dc = CreateCompatibleDC(nullptr);
        for (UINT request : ColourRequests) {
            SetBkMode(dc, TRANSPARENT);
            SetBkColor(dc, RGB(1, 2, 3));
            SetTextColor(dc, RGB(4, 5, 6));
            LRESULT answer = SendMessageA(form.Handle(), request, reinterpret_cast<WPARAM>(dc),
                                          reinterpret_cast<LPARAM>(handle));
            EXPECT_EQ(Answer(answer, GetBkColor(dc), GetTextColor(dc), GetBkMode(dc)), expected)
                << request;
        }
        DeleteDC(dc);
        Destroyed = 0;
        component->OnDestroy = [](QFrame*) { ++Destroyed; };
        component->DestroyHandle();
        EXPECT_EQ(Destroyed, 1);

        HWND made = CreateByName(row.ClassName);
        QFrame* frame = FrameOfWindow(made);
        ASSERT_NE(frame, nullptr);
        EXPECT_TRUE(typeid(*frame) == row.MadeByName) << typeid(*frame).name();
        EXPECT_EQ(frame->ClassName(), row.ClassName);
        DestroyWindow(made);
        EXPECT_FALSE(IsLiveFrame(frame));
        long long before = LiveAllocations();
        DestroyWindow(CreateByName(row.ClassName));
        EXPECT_EQ(LiveAllocations(), before) << "a frame made for the window was kept";
    }
}
