// The alignment layout on real child windows of a 200 x 100 client area.
#include "test_forms.h"

#include <cstdio>
#include <list>
#include <sstream>

namespace {

const struct {
    const char* Name;
    // Children created at 3, 4 in this order: N, L, R, T, B or C for their Align (lower case:
    // invisible), their width and height, and a Left that the first align option indents by.
    const char* Children;
    void (*Then)(QFrame& Host, QFrame& Last); // or Realign when null
    const char* Expected; // each child's left, top, width and height, then the lines printed
} LayoutRows[] = {
    {"EveryBandInItsOrder", "R25x5 T5x10 T5x6 L15x5 B5x12 C5x5 N9x9", nullptr,
     "175 16 25 72 ;0 0 200 10 ;0 10 200 6 ;0 16 15 72 ;0 88 200 12 ;15 16 160 72 ;3 4 9 9 ;"
     ";QTestFrame 175 25"},
    {"InvisibleTakeNoRoomAndStayPut", "t10x40 T10x20", nullptr, "3 4 10 40 ;0 0 200 20 ;"},
    {"FirstOptionIndentsATopChild", "T10x20+8 T10x30", nullptr, "8 0 192 20 ;0 20 200 30 ;"},
    {"CreationPlaces", "T10x20 B10x30", [](QFrame&, QFrame&) {}, "0 0 200 20 ;0 70 200 30 ;"},
    {"AlignWritePlaces", "T10x20 N10x10", [](QFrame&, QFrame& Last) { Last.SetAlign(alClient); },
     "0 0 200 20 ;0 20 200 80 ;"},
    {"ResizePlaces", "T10x20 C10x10", [](QFrame& Host, QFrame&) { Host.SetBounds(0, 0, 120, 60); },
     "0 0 120 20 ;0 20 120 40 ;"},
    {"InsertPlacesInTheOwnParent", "C10x10",
     [](QFrame&, QFrame& Last) {
         MoveWindow(Last.Handle(), 5, 5, 5, 5, FALSE);
         QFrame().InsertControl(&Last);
     },
     "0 0 200 100 ;"},
};

} // namespace

TEST_F(FormTest, ChildrenArePlacedByTheirAlign) {
    for (const auto& row : LayoutRows) {
        SCOPED_TRACE(row.Name);
        TestFrame host; // without a border: the client area is the window
        MakeChild(host, form, 0, 0, 200, 100);
        std::list<TestFrame> children;
        std::istringstream shapes(row.Children);
        for (std::string shape; shapes >> shape;) {
            int width = 0, height = 0, indent = 0;
            sscanf(shape.c_str() + 1, "%dx%d+%d", &width, &height, &indent);
            TestFrame& child = children.emplace_back();
            child.SetVisible(isupper(shape[0]));
            child.SetAlign(static_cast<int>(std::string("NLRTBC").find(toupper(shape[0]))));
            child.AlignOptions[0] = indent;
            MakeChild(child, host, indent ? indent : 3, 4, width, height);
        }
        StdoutCapture out;
        row.Then ? row.Then(host, children.back()) : host.Realign();
        std::string seen;
        for (TestFrame& child : children)
            seen += Join(child.Left(), child.Top(), child.Width(), child.Height()) + ";";
        EXPECT_EQ(seen + out.Lines(), row.Expected);
    }
}

// A designer's windows made by class name have components in no child list: QM_SETALIGN puts
// each at the end of its holder's list with its alignment, so the holder lays them out in the
// order the designer sends it (and, as any list, on resizing), and a destroyed one leaves it.
TEST_F(FormTest, WindowsMadeByNameAreLaidOutOnceAligned) {
    TestFrame host;
    MakeChild(host, form, 0, 0, 200, 100);
    HWND made[3];
    for (HWND& window : made)
        window = CreateWindowExA(0, "QTestFrame", "", WS_CHILD | WS_VISIBLE, 3, 4, 20, 10,
                                 host.Handle(), nullptr, GetModuleHandleA(nullptr), nullptr);
    auto bounds = [&] {
        std::string seen;
        for (HWND window : made) {
            RECT r;
            GetWindowRect(window, &r);
            MapWindowPoints(nullptr, host.Handle(), reinterpret_cast<POINT*>(&r), 2);
            seen += IsWindow(window) ? Join(r.left, r.top, r.right - r.left, r.bottom - r.top) + ";"
                                     : "gone;";
        }
        return seen;
    };
    EXPECT_EQ(SendMessageA(made[2], QM_SETALIGN, alClient, 0), 1);
    EXPECT_EQ(SendMessageA(made[0], QM_SETALIGN, alTop, 0), 1);
    EXPECT_EQ(SendMessageA(made[1], QM_SETALIGN, alTop, 0), 1);
    EXPECT_EQ(SendMessageA(made[1], QM_SETALIGN, alClient + 1, 0), 0);
    EXPECT_EQ(bounds(), "0 0 200 10 ;0 10 200 10 ;0 20 200 80 ;");
    SendMessageA(made[0], QM_SETALIGN, alTop, 0); // now after the other top one
    EXPECT_EQ(bounds(), "0 10 200 10 ;0 0 200 10 ;0 20 200 80 ;");
    DestroyWindow(made[1]);
    host.Realign();
    EXPECT_EQ(bounds(), "0 0 200 10 ;gone;0 10 200 90 ;");
}

// A child at 10, 10, 50 x 20 of a 200 x 100 holder with each set of anchors, and one aligned to
// the top with all four, which its Align places: the holder grows to 300 x 150, shrinks past the
// child to 20 x 20, and comes back; the child is then put at 10, 10, 30 x 20 and the holder grows
// again, so that it keeps its distances from where it was put.
TEST_F(FormTest, AnchoredChildrenKeepTheirDistancesToTheHoldersEdges) {
    const std::pair<int, const char*> rows[] = {
        {akLeftTop, "10 10 50 20 |10 10 50 20 |10 10 50 20 |10 10 30 20 |"},
        {akRight | akTop, "110 10 50 20 |-170 10 50 20 |10 10 50 20 |110 10 30 20 |"},
        {akLeft | akRight | akTop, "10 10 150 20 |10 10 0 20 |10 10 50 20 |10 10 130 20 |"},
        {akLeft | akBottom, "10 60 50 20 |10 -70 50 20 |10 10 50 20 |10 60 30 20 |"},
        {akAll, "10 10 150 70 |10 10 0 0 |10 10 50 20 |10 10 130 70 |"},
        {0, "60 35 50 20 |-80 -30 50 20 |10 10 50 20 |60 35 30 20 |"}, // the middle kept
    };
    for (auto [anchors, expected] : rows) {
        SCOPED_TRACE(anchors);
        TestFrame host, child, top;
        MakeChild(host, form, 0, 0, 200, 100);
        child.SetAnchors(anchors);
        top.SetAnchors(akAll);
        top.SetAlign(alTop);
        MakeChild(child, host, 10, 10, 50, 20);
        MakeChild(top, host, 0, 0, 50, 5);
        std::string seen;
        for (SIZE size : {SIZE{300, 150}, {20, 20}, {200, 100}, {0, 0}, {300, 150}}) {
            if (!size.cx) {
                child.SetBounds(10, 10, 30, 20);
                continue;
            }
            host.SetBounds(0, 0, size.cx, size.cy);
            seen += Join(child.Left(), child.Top(), child.Width(), child.Height()) + "|";
        }
        EXPECT_EQ(seen, expected);
        EXPECT_EQ(Join(top.Left(), top.Top(), top.Width(), top.Height()), "0 0 300 5 ");
    }
}
