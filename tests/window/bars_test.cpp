// Tool bar and status bar: fixed bounds, the tool bar's button-record size, clicks, and windows
// made directly from the classes.
#include "containers/bars.h"
#include "support/sent_messages.h"
#include "test_forms.h"

#include <commctrl.h>

namespace {

int Clicks = 0;
void CountClick(QFrame*) {
    ++Clicks;
}

TBBUTTON Button(int Command) {
    TBBUTTON button{};
    button.iBitmap = I_IMAGENONE;
    button.idCommand = Command;
    button.fsState = TBSTATE_ENABLED;
    return button;
}

class BarsTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        static bool registered =
            (InitCommonControls(), RegisterToolBarClass(), RegisterStatusBarClass(), true);
        (void)registered;
        form.SetVisible(false);
        form.SetParent(nullptr);
        Clicks = 0;
    }
    QForm form;
};

} // namespace

TEST_F(BarsTest, EitherBarKeepsItsBoundsAndOnePressClicksOnce) {
    QToolBar toolBar;
    QStatusBar statusBar;
    for (QFrame* bar : {static_cast<QFrame*>(&toolBar), static_cast<QFrame*>(&statusBar)}) {
        SCOPED_TRACE(bar->ClassName());
        bar->OnClick = CountClick;
        bar->SetBounds(5, 40, 150, 24);
        bar->SetParent(&form);
        ASSERT_TRUE(IsWindow(bar->Handle()));
        RECT placed;
        GetWindowRect(bar->Handle(), &placed);
        EXPECT_EQ(placed.right - placed.left, 150) << "does not dock";
        Clicks = 0;
        EXPECT_EQ(SendMessageA(bar->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3)), 0);
        SendMessageA(bar->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
        EXPECT_EQ(Clicks, 1);
    }
}

TEST_F(BarsTest, ToolBarLearnsTheButtonRecordSizeOnceAndTakesButtons) {
    QToolBar toolBar;
    QStatusBar statusBar;
    {
        SentMessageRecorder sent;
        toolBar.SetParent(&form);
        statusBar.SetParent(&form);
        std::vector<SentMessage> sizes = sent.Of(toolBar.Handle(), TB_BUTTONSTRUCTSIZE);
        ASSERT_EQ(sizes.size(), 1u);
        EXPECT_EQ(sizes[0].WParam, sizeof(TBBUTTON));
        EXPECT_TRUE(sent.Of(statusBar.Handle(), TB_BUTTONSTRUCTSIZE).empty());
    }
    TBBUTTON button = Button(7);
    SendMessageA(toolBar.Handle(), TB_ADDBUTTONS, 1, reinterpret_cast<LPARAM>(&button));
    EXPECT_EQ(SendMessageA(toolBar.Handle(), TB_BUTTONCOUNT, 0, 0), 1);
}

TEST_F(BarsTest, PressOnAToolBarButtonClicksOnceThoughItsCommandIsReflected) {
    QToolBar toolBar;
    toolBar.OnClick = CountClick;
    toolBar.SetParent(&form);
    TBBUTTON button = Button(7);
    SendMessageA(toolBar.Handle(), TB_ADDBUTTONS, 1, reinterpret_cast<LPARAM>(&button));
    RECT item{};
    ASSERT_TRUE(SendMessageA(toolBar.Handle(), TB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&item)));
    LPARAM at = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
    SentMessageRecorder sent;
    SendMessageA(toolBar.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageA(toolBar.Handle(), WM_LBUTTONUP, 0, at);
    std::vector<SentMessage> reflected = sent.Of(toolBar.Handle(), QM_COMMAND);
    ASSERT_EQ(reflected.size(), 1u) << "the release did not command the button";
    EXPECT_EQ(reflected[0].WParam, 7u);
    EXPECT_EQ(Clicks, 1);
}

TEST_F(BarsTest, SystemControlsWorkInWindowsMadeByName) {
    SentMessageRecorder sent;
    HWND toolBar = CreateWindowExA(0, "QToolBar", "", WS_CHILD, 0, 0, 100, 20, form.Handle(),
                                   nullptr, GetModuleHandleA(nullptr), nullptr);
    HWND statusBar = CreateWindowExA(0, "QStatusBar", "", WS_CHILD, 0, 30, 100, 20, form.Handle(),
                                     nullptr, GetModuleHandleA(nullptr), nullptr);
    // Only the component's creation sends the record size.
    EXPECT_TRUE(sent.Of(toolBar, TB_BUTTONSTRUCTSIZE).empty());
    TBBUTTON button = Button(3);
    SendMessageA(toolBar, TB_ADDBUTTONS, 1, reinterpret_cast<LPARAM>(&button));
    EXPECT_EQ(SendMessageA(toolBar, TB_BUTTONCOUNT, 0, 0), 1);
    SendMessageA(statusBar, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>("ready"));
    EXPECT_EQ(LOWORD(SendMessageA(statusBar, SB_GETTEXTLENGTHA, 0, 0)), 5);
    DestroyWindow(toolBar);
    DestroyWindow(statusBar);
}
