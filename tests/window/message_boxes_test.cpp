// The message-box utilities: owner, caption and the topmost style.
#include "containers/paths.h"
#include "test_forms.h"

TEST_F(WindowTest, OwnerWindowIsTheThreadsFirstWindowWithAnExtendedStyle) {
    EXPECT_EQ(OwnerWindow(), nullptr) << "no window yet on this thread";
    QForm form;
    form.SetVisible(false);
    form.SetStyle(WS_POPUP); // a popup without extended style bits owns nothing
    form.SetParent(nullptr);
    ASSERT_EQ(GetWindowLongA(form.Handle(), GWL_EXSTYLE), 0);
    EXPECT_EQ(OwnerWindow(), nullptr);
    SetWindowLongA(form.Handle(), GWL_EXSTYLE, WS_EX_TOOLWINDOW);
    AllocateOwnerCell();
    EXPECT_EQ(OwnerWindow(), form.Handle());
    EXPECT_EQ(*OwnerCell, form.Handle());
    FreeOwnerCell();
    EXPECT_EQ(OwnerWindow(), form.Handle()) << "a program without the load step still works";
}

TEST_F(WindowTest, InfoAndAlertBoxesAreTopmostAndOwnedByTheOwnerWindow) {
    QForm form;
    form.SetVisible(false);
    form.SetExStyle(WS_EX_TOOLWINDOW);
    form.SetParent(nullptr);
    BoxRecorder recorder;
    InfoBox("hello");
    EXPECT_EQ(AlertBox("bad", "Caption", MB_ICONERROR), IDOK);
    auto boxes = recorder.Boxes();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].Caption, "window_tests.exe");
    EXPECT_EQ(boxes[0].Text, "hello");
    EXPECT_EQ(boxes[1].Caption, "Caption");
    EXPECT_EQ(boxes[1].Text, "bad");
    EXPECT_EQ(boxes[1].Style, static_cast<UINT>(MB_ICONERROR | MB_TOPMOST));
    for (const CaughtBox& box : boxes) {
        EXPECT_TRUE(box.Style & MB_TOPMOST) << box.Text;
        EXPECT_EQ(box.Owner, form.Handle()) << box.Text;
    }
}
