// Properties of frames and forms with a window, and the message boxes.
#include "containers/paths.h"
#include "test_forms.h"

#include <string>

namespace {

std::string Bits(std::initializer_list<bool> Values) {
    std::string seen;
    for (bool value : Values)
        seen += value ? "1" : "0";
    return seen + " ";
}

// The children of Parent's window from the top of the z-order, by their IDs.
std::string ZOrder(QFrame& Parent) {
    std::string seen;
    for (HWND w = GetWindow(Parent.Handle(), GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT))
        seen += std::to_string(GetWindowLongPtrA(w, GWLP_ID));
    return seen + " ";
}

} // namespace

// Each step reads what the window has, so the steps go one after the other on one window.
TEST_F(WindowTest, PropertiesReadAndWriteTheLiveWindow) {
    QForm form, second;
    form.SetVisible(false);
    form.SetParent(nullptr);
    LoggingFrame child, sibling, other;
    MakeChild(child, form, 5, 6, 70, 30);
    MakeChild(sibling, form);
    HWND window = child.Handle();
    MoveWindow(window, 11, 12, 40, 20, TRUE);
    child.SetWidth(60); // keeps the rest as the window has it
    std::string seen = std::to_string(child.Left() * 100 + child.Top()) + " ";
    seen += std::to_string(child.ClientWidth() * 100 + child.ClientHeight()) + " ";
    SetWindowTextA(window, "abc");
    seen += child.Text() + " ";
    child.SetTabStop(true);
    LONG_PTR style = GetWindowLongPtrA(window, GWL_STYLE);
    child.SetBackMode(1);
    seen += Bits({(style & WS_TABSTOP) != 0, (style & WS_VISIBLE) != 0,
                  (child.ExStyle() & WS_EX_TRANSPARENT) != 0});
    child.SetBackMode(2);
    child.SetBackMode(0); // removes nothing
    seen += Bits({bool(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TRANSPARENT)});
    child.SetID(1);
    sibling.SetID(2);
    sibling.BringToFront();
    seen += ZOrder(form);
    sibling.RestoreZOrder();
    seen += ZOrder(form);
    MakeChild(other, form);
    other.SetParentHandle(window); // moves Parent, not the frame between child lists
    seen += Bits({other.Parent() == &child, form.IndexOfControl(&other) == 2});
    second.SetParent(nullptr);
    child.SetParent(&second);
    seen += Bits({GetParent(window) == second.Handle(), second.IndexOfControl(&child) == 0,
                  form.IndexOfControl(&child) < 0});
    for (int formStyle : {int(fsStayOnTop), int(fsNormal)}) {
        form.SetFormStyle(formStyle); // the platform takes the topmost bit only with the z-order
        seen += Bits({bool(GetWindowLongA(form.Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST)});
    }
    seen += std::to_string(GetMenuItemCount(GetMenu(form.Handle()))) + " menu ";
    form.SetVisible(true); // canvas writes repaint what is shown
    static int paints;
    sibling.OnPaint = [](QFrame*) { ++paints; };
    UpdateWindow(sibling.Handle());
    paints = 0;
    sibling.Canvas.SetColor(RGB(1, 2, 3));
    EXPECT_EQ(seen + std::to_string(paints), "1112 6020 abc 110 1 21 12 11 111 1 0 1 menu 1");
}

TEST_F(WindowTest, BoxesAreTopmostAndOwnedByTheThreadsFirstWindowWithAnExtendedStyle) {
    EXPECT_EQ(OwnerWindow(), nullptr) << "no window yet on this thread";
    QForm plain, tool;
    plain.SetStyle(WS_POPUP); // a popup without extended style bits owns nothing
    tool.SetExStyle(WS_EX_TOOLWINDOW);
    plain.SetParent(nullptr);
    tool.SetParent(nullptr);
    BoxRecorder recorder;
    AllocateOwnerCell(); // what the library's load step does
    InfoBox("hello");
    EXPECT_EQ(*OwnerCell, tool.Handle());
    FreeOwnerCell();
    EXPECT_EQ(AlertBox("bad", "Caption", MB_ICONERROR), IDOK);
    std::string seen;
    for (const CaughtBox& box : recorder.Boxes())
        seen += box.Caption + "/" + box.Text + "/" + std::to_string(box.Style) + "/" +
                Bits({box.Owner == tool.Handle()});
    EXPECT_EQ(seen, "window_tests.exe/hello/262144/1 Caption/bad/262160/1 ");
}
