// Property reads and writes on frames with a window.
#include "test_forms.h"

class PropertyTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        form.SetVisible(false);
        form.SetParent(nullptr);
        MakeChild(child, form, 5, 6, 70, 30);
    }
    QForm form;
    LoggingFrame child;
};

TEST_F(PropertyTest, GeometryIsReadBackFromTheWindow) {
    MoveWindow(child.Handle(), 11, 12, 40, 20, TRUE);
    EXPECT_EQ(child.Left(), 11);
    EXPECT_EQ(child.Top(), 12);
    EXPECT_EQ(child.Width(), 40);
    EXPECT_EQ(child.Height(), 20);
    child.SetWidth(60); // keeps the window's own position
    RECT r;
    GetWindowRect(child.Handle(), &r);
    MapWindowPoints(nullptr, form.Handle(), reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(r.left, 11);
    EXPECT_EQ(r.right - r.left, 60);
    EXPECT_EQ(child.ClientWidth(), 60);
    EXPECT_EQ(child.ClientRect().bottom, 20);
}

TEST_F(PropertyTest, TextStylesAndId) {
    SetWindowTextA(child.Handle(), "abc");
    EXPECT_EQ(child.Text(), "abc");
    child.SetText("xyz");
    char text[8];
    GetWindowTextA(child.Handle(), text, sizeof text);
    EXPECT_STREQ(text, "xyz");

    uint32_t style = child.Style();
    SetWindowLongPtrA(child.Handle(), GWL_EXSTYLE, WS_EX_CLIENTEDGE);
    EXPECT_EQ(child.ExStyle() & WS_EX_CLIENTEDGE, static_cast<uint32_t>(WS_EX_CLIENTEDGE));
    EXPECT_EQ(child.Style(), style) << "reading ExStyle leaves Style alone";

    child.SetID(9);
    EXPECT_EQ(GetWindowLongPtrA(child.Handle(), GWLP_ID), 9);
}

TEST_F(PropertyTest, TabStopOnAVisibleWindowKeepsItVisible) {
    ASSERT_TRUE(IsWindowVisible(child.Handle()) || !IsWindowVisible(form.Handle()));
    bool visibleBefore = GetWindowLongPtrA(child.Handle(), GWL_STYLE) & WS_VISIBLE;
    child.SetTabStop(true);
    LONG_PTR style = GetWindowLongPtrA(child.Handle(), GWL_STYLE);
    EXPECT_TRUE(style & WS_TABSTOP);
    EXPECT_EQ((style & WS_VISIBLE) != 0, visibleBefore);
    EXPECT_TRUE(child.TabStop());
    child.SetTabStop(false);
    EXPECT_FALSE(child.TabStop());
}

TEST_F(PropertyTest, EnabledVisibleAndBackMode) {
    child.SetEnabled(false);
    EXPECT_FALSE(IsWindowEnabled(child.Handle()));
    child.SetVisible(false); // the form is hidden too: only the style tells
    EXPECT_FALSE(GetWindowLongA(child.Handle(), GWL_STYLE) & WS_VISIBLE);
    child.SetBackMode(2);
    EXPECT_TRUE(child.ExStyle() & WS_EX_TRANSPARENT);
    child.SetBackMode(0);
    EXPECT_TRUE(child.ExStyle() & WS_EX_TRANSPARENT) << "writing 0 removes nothing";
}

TEST_F(PropertyTest, WndProcWriteSubclassesAndRemembersThePrevious) {
    WNDPROC library = child.WndProc();
    EXPECT_EQ(library, &FrameWindowProc<LoggingFrame>);
    child.SetWndProc(&DefWindowProcA);
    EXPECT_EQ(child.PrevWndProc, library);
    child.SetWndProc(library);
    EXPECT_EQ(child.WndProc(), library);
}

TEST_F(PropertyTest, ParentHandleFindsTheBoundFrame) {
    LoggingFrame other;
    MakeChild(other, form);
    other.SetParentHandle(child.Handle());
    EXPECT_EQ(GetParent(other.Handle()), child.Handle());
    EXPECT_EQ(other.Parent(), &child);
    EXPECT_EQ(form.IndexOfControl(&other), 1) << "neither child list changes";
    HWND foreign = CreateWindowExA(0, "Static", "", WS_CHILD, 0, 0, 5, 5, form.Handle(), nullptr,
                                   nullptr, nullptr);
    other.SetParentHandle(foreign);
    EXPECT_EQ(other.Parent(), &child) << "a window without a frame leaves Parent alone";
    EXPECT_EQ(other.ParentHandle(), foreign);
}

TEST_F(PropertyTest, ReparentingMovesBetweenChildLists) {
    QForm second;
    second.SetVisible(false);
    second.SetParent(nullptr);
    child.SetParent(&second);
    EXPECT_EQ(GetParent(child.Handle()), second.Handle());
    EXPECT_EQ(form.ControlCount(), 0);
    EXPECT_EQ(second.IndexOfControl(&child), 0);
}

TEST_F(PropertyTest, BringToFrontAndRestoreZOrder) {
    LoggingFrame second, third;
    MakeChild(second, form);
    MakeChild(third, form);
    // Child windows join the bottom of the z-order: child, second, third.
    ASSERT_EQ(GetWindow(form.Handle(), GW_CHILD), child.Handle());
    second.BringToFront();
    EXPECT_EQ(second.ZOrderIndex, 1);
    EXPECT_EQ(GetWindow(form.Handle(), GW_CHILD), second.Handle());
    second.RestoreZOrder();
    EXPECT_EQ(GetWindow(form.Handle(), GW_CHILD), child.Handle());
    EXPECT_EQ(GetWindow(child.Handle(), GW_HWNDNEXT), second.Handle());
    EXPECT_EQ(GetWindow(second.Handle(), GW_HWNDNEXT), third.Handle());
}

TEST_F(PropertyTest, CanvasWritesRepaintALiveComponent) {
    form.SetVisible(true); // hidden windows are not painted
    static int paints;
    child.OnPaint = [](QFrame*) { ++paints; };
    const struct {
        const char* Name;
        void (*Write)(QFrame&);
    } writes[] = {
        {"Color", [](QFrame& F) { F.Canvas.SetColor(RGB(1, 2, 3)); }},
        {"TextColor", [](QFrame& F) { F.Canvas.SetTextColor(RGB(4, 5, 6)); }},
        {"Brush",
         [](QFrame& F) { F.Canvas.SetBrush(static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH))); }},
        {"Owner", [](QFrame& F) { F.Canvas.SetOwner(&F); }},
    };
    for (const auto& write : writes) {
        SCOPED_TRACE(write.Name);
        UpdateWindow(child.Handle());
        paints = 0;
        write.Write(child);
        EXPECT_EQ(paints, 1);
    }
}
