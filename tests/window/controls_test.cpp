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

TEST_F(ControlTest, ListBoxSelectionRaisesNothingAndRecreationEmptiesIt) {
    QListBox list;
    Place(list);
    for (const char* item : {"b", "a", "c"})
        list.Perform(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    Clicks = 0;
    SendMessageA(list.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, 0);
    EXPECT_EQ(Clicks, 1) << "selection raises nothing; the press raises OnClick";
    list.RecreateHandle();
    EXPECT_EQ(list.Perform(LB_GETCOUNT, 0, 0), 0);
}
