// Labels, buttons, lists and the scroll bar on real system controls under a component form.
#include "controls/buttons.h"
#include "controls/lists.h"
#include "test_forms.h"

#include <algorithm>

namespace {

int Clicks;
void CountClick(QFrame*) {
    ++Clicks;
}

class ControlTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        static bool registered =
            (RegisterLabelClass(), RegisterButtonClass(), RegisterCheckBoxClass(),
             RegisterRadioButtonClass(), RegisterGroupBoxClass(), RegisterComboBoxClass(),
             RegisterListBoxClass(), RegisterScrollBarClass(), true);
        (void)registered;
        Clicks = 0;
        form.SetVisible(false);
        form.SetParent(nullptr);
    }
    void Place(QFrame& Control) {
        Control.OnClick = CountClick;
        Control.SetParent(&form);
        ASSERT_TRUE(IsWindow(Control.Handle()));
    }
    // A full mouse click: the press raises OnClick, the release makes the control notify.
    static void ClickWithMouse(QFrame& Control) {
        SendMessageA(Control.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
        SendMessageA(Control.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    }
    static void PressSpace(QFrame& Control) {
        SendMessageA(Control.Handle(), WM_KEYDOWN, VK_SPACE, 0);
        SendMessageA(Control.Handle(), WM_KEYUP, VK_SPACE, 0xC0000001);
    }
    LRESULT AskColor(UINT Msg, QFrame& Control, HDC DC) {
        return SendMessageA(form.Handle(), Msg, reinterpret_cast<WPARAM>(DC),
                            reinterpret_cast<LPARAM>(Control.Handle()));
    }
    QForm form;
};

} // namespace

TEST_F(ControlTest, ButtonClickRaisesOnClickFromPressAndNotification) {
    QButton button;
    Place(button);
    ClickWithMouse(button);
    EXPECT_EQ(Clicks, 2);
    PressSpace(button);
    EXPECT_EQ(Clicks, 3) << "the keyboard only makes the control notify";
    button.SetID(5);
    ClickWithMouse(button);
    EXPECT_EQ(Clicks, 4) << "identifier 5: the notification raises nothing";
}

TEST_F(ControlTest, NotifyingLabelReflectsClicksAndEnableChanges) {
    QLabel label;
    Place(label);
    SendMessageA(label.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, 0);
    EXPECT_EQ(Clicks, 2);
    EnableWindow(label.Handle(), FALSE);
    EnableWindow(label.Handle(), TRUE);
    EXPECT_EQ(Clicks, 4) << "STN_DISABLE and STN_ENABLE are reflected like clicks";
    label.OnDblClick = CountClick;
    SendMessageA(label.Handle(), WM_LBUTTONDBLCLK, 0, 0);
    EXPECT_GE(Clicks, 5);
    EXPECT_TRUE(GetClassLongA(label.Handle(), GCL_STYLE) & CS_DBLCLKS);
}

TEST_F(ControlTest, ControlsOnAPlainWindowGetNoReflection) {
    HWND plain = CreateWindowExA(0, "Static", "", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr,
                                 nullptr, nullptr);
    QButton button;
    button.OnClick = CountClick;
    button.SetParentHandle(plain);
    button.CreateHandle();
    ClickWithMouse(button);
    EXPECT_EQ(Clicks, 1) << "only the press";
    DestroyWindow(plain);
}

TEST_F(ControlTest, ColourRequestsAreAnsweredWithTheControlsCanvas) {
    QLabel label;
    QScrollBar bar;
    Place(label);
    Place(bar);
    label.Canvas.SetColor(RGB(10, 20, 30));
    label.Canvas.SetTextColor(RGB(200, 0, 0));
    HDC dc = GetDC(form.Handle());
    EXPECT_EQ(AskColor(WM_CTLCOLORSTATIC, label, dc),
              reinterpret_cast<LRESULT>(label.Canvas.Brush()));
    EXPECT_EQ(GetBkColor(dc), RGB(10, 20, 30));
    EXPECT_EQ(GetTextColor(dc), RGB(200, 0, 0));
    EXPECT_EQ(GetBkMode(dc), OPAQUE);
    EXPECT_EQ(AskColor(WM_CTLCOLORSCROLLBAR, bar, dc),
              reinterpret_cast<LRESULT>(bar.Canvas.Brush()));
    EXPECT_EQ(GetBkColor(dc), GetSysColor(COLOR_BTNFACE));
    ReleaseDC(form.Handle(), dc);
}

TEST_F(ControlTest, ButtonFamilyWritesItsClassNameWhenCreated) {
    QCheckBox box;
    QLabel label;
    StdoutCapture out;
    Place(box);
    Place(label);
    auto lines = out.Lines();
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "QCheckBox"), 2)
        << "one from creation, one from the button handler";
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "QLabel"), 1);
}

TEST_F(ControlTest, DirectlyCreatedWindowsGetTheirFamilysComponent) {
    StdoutCapture out;
    for (const char* name : {"QCheckBox", "QGroupBox", "QLabel", "QListBox", "QScrollBar"}) {
        HWND window = CreateWindowExA(0, name, "", WS_CHILD, 0, 0, 40, 20, form.Handle(), nullptr,
                                      nullptr, nullptr);
        QFrame* frame = FrameOfWindow(window);
        ASSERT_NE(frame, nullptr) << name;
        EXPECT_EQ(frame->ClassName(), name);
        EXPECT_EQ(frame->Handle(), window);
    }
    EXPECT_NE(dynamic_cast<QButton*>(
                  FrameOfWindow(FindWindowExA(form.Handle(), nullptr, "QCheckBox", nullptr))),
              nullptr);
    EXPECT_EQ(out.Lines()[0], "QCheckBox") << "a made QButton still writes the class's name";
}

TEST_F(ControlTest, ConstructionValues) {
    QButton button;
    QGroupBox group;
    QComboBox combo;
    QListBox list;
    QScrollBar bar;
    EXPECT_EQ(button.ClassAncestor(), "button");
    EXPECT_EQ(button.Style(), static_cast<uint32_t>(WS_CHILD));
    EXPECT_EQ(group.ExStyle(), static_cast<uint32_t>(WS_EX_TRANSPARENT));
    EXPECT_EQ(group.Width(), 221);
    EXPECT_EQ(combo.Style(), 0x40000602u);
    EXPECT_EQ(list.Style(), 0x40000140u);
    EXPECT_EQ(bar.Canvas.Color(), GetSysColor(COLOR_BTNFACE));
}

TEST_F(ControlTest, ListBoxKeepsItemsInOrderUntilRecreated) {
    QListBox list;
    Place(list);
    for (const char* item : {"b", "a", "c"})
        list.Perform(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    char text[4];
    list.Perform(LB_GETTEXT, 0, reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ(text, "b") << "no sorting";
    EXPECT_FALSE(GetWindowLongA(list.Handle(), GWL_STYLE) & WS_VSCROLL);
    Clicks = 0;
    SendMessageA(list.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, 0);
    EXPECT_EQ(Clicks, 1) << "selection raises nothing; the press raises OnClick";
    list.RecreateHandle();
    EXPECT_EQ(list.Perform(LB_GETCOUNT, 0, 0), 0);
}

TEST_F(ControlTest, ScrollBarIsHorizontalAtItsSize) {
    QScrollBar bar;
    Place(bar);
    RECT r;
    GetWindowRect(bar.Handle(), &r);
    EXPECT_EQ(r.right - r.left, 121);
    EXPECT_EQ(r.bottom - r.top, 17);
    EXPECT_EQ(GetWindowLongA(bar.Handle(), GWL_STYLE) & SBS_VERT, 0);
}
