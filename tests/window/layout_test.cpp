// The alignment layout on real child windows.
#include "test_forms.h"

#include <memory>
#include <string>

namespace {

class LayoutTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        form.SetVisible(false);
        form.SetParent(nullptr);
        MakeChild(host, form, 0, 0, 200, 100); // no border: the client area is 200 x 100
    }
    LoggingFrame& Add(int Align, int Width, int Height, bool Visible = true) {
        children.push_back(std::make_unique<LoggingFrame>());
        LoggingFrame& child = *children.back();
        child.SetVisible(Visible);
        child.SetAlign(Align); // before the window exists: its creation places it
        MakeChild(child, host, 3, 4, Width, Height);
        return child;
    }
    static std::string BoundsOf(QFrame& Child) {
        return Bounds(Child.Left(), Child.Top(), Child.Width(), Child.Height());
    }
    static std::string Bounds(int Left, int Top, int Width, int Height) {
        return "(" + std::to_string(Left) + ", " + std::to_string(Top) + ", " +
               std::to_string(Width) + ", " + std::to_string(Height) + ")";
    }
    QForm form;
    LoggingFrame host;
    std::vector<std::unique_ptr<LoggingFrame>> children;
};

} // namespace

TEST_F(LayoutTest, EveryBandInItsOrderAndTheRightBandsLine) {
    QFrame& right = Add(alRight, 25, 5);
    QFrame& top = Add(alTop, 5, 10);
    QFrame& second = Add(alTop, 5, 6);
    QFrame& left = Add(alLeft, 15, 5);
    QFrame& bottom = Add(alBottom, 5, 12);
    QFrame& client = Add(alClient, 5, 5);
    QFrame& unaligned = Add(alNone, 9, 9);
    StdoutCapture out;
    host.Realign();
    EXPECT_EQ(BoundsOf(top), Bounds(0, 0, 200, 10));
    EXPECT_EQ(BoundsOf(second), Bounds(0, 10, 200, 6));
    EXPECT_EQ(BoundsOf(bottom), Bounds(0, 88, 200, 12));
    EXPECT_EQ(BoundsOf(left), Bounds(0, 16, 15, 72));
    EXPECT_EQ(BoundsOf(right), Bounds(175, 16, 25, 72));
    EXPECT_EQ(BoundsOf(client), Bounds(15, 16, 160, 72));
    EXPECT_EQ(BoundsOf(unaligned), Bounds(3, 4, 9, 9));
    EXPECT_EQ(out.Lines(), std::vector<std::string>{"QTestFrame 175 25"});
}

TEST_F(LayoutTest, InvisibleChildrenTakeNoRoomAndStayPut) {
    QFrame& hidden = Add(alTop, 10, 40, false);
    QFrame& shown = Add(alTop, 10, 20);
    host.Realign();
    EXPECT_EQ(BoundsOf(shown), Bounds(0, 0, 200, 20));
    EXPECT_EQ(BoundsOf(hidden), Bounds(3, 4, 10, 40));
}

TEST_F(LayoutTest, FirstOptionIndentsATopChildByItsOwnLeft) {
    QFrame& indented = Add(alTop, 10, 20);
    indented.AlignOptions[0] = 1;
    indented.AlignOptions[2] = 1; // unused
    QFrame& plain = Add(alTop, 10, 30);
    indented.SetLeft(8);
    host.Realign();
    EXPECT_EQ(BoundsOf(indented), Bounds(8, 0, 192, 20));
    EXPECT_EQ(BoundsOf(plain), Bounds(0, 20, 200, 30));
}

TEST_F(LayoutTest, CreationAlignWriteAndResizeRealign) {
    QFrame& top = Add(alTop, 10, 20);
    EXPECT_EQ(BoundsOf(top), Bounds(0, 0, 200, 20));
    QFrame& client = Add(alNone, 10, 10);
    client.SetAlign(alClient);
    EXPECT_EQ(BoundsOf(client), Bounds(0, 20, 200, 80));
    host.SetBounds(0, 0, 120, 60); // the WM_SIZE realigns
    EXPECT_EQ(BoundsOf(client), Bounds(0, 20, 120, 40));
}

TEST_F(LayoutTest, InsertControlListsItAndRealignsItsOwnParent) {
    QFrame& client = Add(alClient, 10, 10);
    MoveWindow(client.Handle(), 5, 5, 5, 5, FALSE);
    LoggingFrame other;
    other.InsertControl(&client);
    EXPECT_EQ(other.IndexOfControl(&client), 0);
    EXPECT_EQ(client.Parent(), &host);
    EXPECT_EQ(BoundsOf(client), Bounds(0, 0, 200, 100));
}
