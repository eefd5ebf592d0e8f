// Properties of frames without a window only store and return their fields.
#include "object/diagnostics.h"
#include "object/forms.h"

#include <gtest/gtest.h>

// The values written before creation reach the window: see the creation tests.
TEST(StoredProperties, BoundsRectHoldsWidthAndHeightInItsRightAndBottom) {
    QFrame frame;
    RECT bounds{10, 20, 30, 40};
    frame.SetBoundsRect(bounds);
    EXPECT_EQ(frame.Left(), 10);
    EXPECT_EQ(frame.Top(), 20);
    EXPECT_EQ(frame.Width(), 30);
    EXPECT_EQ(frame.Height(), 40);
}

TEST(StoredProperties, TabStopAndGroupMirrorTheirStyleBits) {
    QFrame frame;
    frame.SetTabStop(true);
    EXPECT_EQ(frame.Style() & WS_TABSTOP, WS_TABSTOP);
    frame.SetGroup(true);
    frame.SetTabStop(false);
    EXPECT_EQ(frame.Style(), static_cast<uint32_t>(WS_GROUP));
    EXPECT_FALSE(frame.TabStop());
    EXPECT_TRUE(frame.Group());
}

TEST(StoredProperties, BackModeStoresZeroAboveItsRange) {
    QFrame frame;
    frame.SetBackMode(3);
    EXPECT_EQ(frame.BackMode(), 0);
    frame.SetBackMode(-1);
    EXPECT_EQ(frame.BackMode(), -1);
    frame.SetBackMode(2);
    EXPECT_EQ(frame.BackMode(), 2);
    EXPECT_EQ(frame.ExStyle(), 0u); // without a window nothing is added
}

TEST(StoredProperties, WndProcWithoutAWindowStoresAndClearsPrevious) {
    QFrame frame;
    frame.SetWndProc(&DefWindowProcA);
    EXPECT_EQ(frame.WndProc(), &DefWindowProcA);
    EXPECT_EQ(frame.PrevWndProc, nullptr);
}

TEST(FormStyle, StoredStylesReachExStyle) {
    QForm form;
    form.SetFormStyle(3);
    EXPECT_EQ(form.ExStyle() & WS_EX_TOPMOST, static_cast<uint32_t>(WS_EX_TOPMOST));
    form.SetFormStyle(2);
    form.SetFormStyle(0);
    EXPECT_EQ(form.ExStyle() & (WS_EX_TOPMOST | WS_EX_MDICHILD), 0u);
    form.SetFormStyle(1);
    EXPECT_EQ(form.FormStyle(), 1);
    EXPECT_EQ(form.ExStyle(), 0u);
}

TEST(SysErrorText, TrimsSpacesButKeepsTheLineBreak) {
    std::string text = SysErrorText(ERROR_FILE_NOT_FOUND);
    ASSERT_FALSE(text.empty());
    EXPECT_NE(text.front(), ' ');
    EXPECT_NE(text.back(), ' ');
    EXPECT_EQ(SysErrorText(0xDEADBEEF), ""); // no such message: nothing, not stray memory
}
