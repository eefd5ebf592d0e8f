// Properties of frames and forms with a window, and the message boxes.
#include "containers/paths.h"
#include "test_forms.h"

#include <string>

namespace {

std::string Bit(bool Value) {
    return Value ? "1" : "0";
}

// The children of Parent's window from the top of the z-order, by their IDs.
std::string ZOrder(QFrame& Parent) {
    std::string seen = " ";
    for (HWND w = GetWindow(Parent.Handle(), GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT))
        seen += std::to_string(GetWindowLongPtrA(w, GWLP_ID));
    return seen;
}

} // namespace

// Each step reads what the window has now, so they go one after the other on one window.
TEST_F(WindowTest, PropertiesReadAndWriteTheLiveWindow) {
    QForm form, second;
    form.SetParent(nullptr);
    LoggingFrame child, sibling, third;
    for (LoggingFrame* each : {&child, &sibling, &third}) {
        MakeChild(*each, form);
        each->SetID(form.ControlCount()); // 1, 2, 3
    }
    HWND window = child.Handle();
    child.SetTabStop(true); // keeps the WS_VISIBLE that ShowWindow set
    child.SetBackMode(1);
    std::string seen = Bit(GetWindowLongA(window, GWL_STYLE) & WS_TABSTOP) +
                       Bit(GetWindowLongA(window, GWL_STYLE) & WS_VISIBLE) +
                       Bit(child.ExStyle() & WS_EX_TRANSPARENT);
    child.SetBackMode(2);
    child.SetBackMode(0); // removes nothing
    seen += Bit(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TRANSPARENT);
    sibling.BringToFront();
    seen += ZOrder(form);
    sibling.RestoreZOrder();
    seen += ZOrder(form) + " ";
    second.SetParent(nullptr);
    child.SetParent(&second);
    seen += Bit(GetParent(window) == second.Handle()) + std::to_string(form.ControlCount()) + " ";
    for (int formStyle : {int(fsStayOnTop), int(fsNormal)}) {
        form.SetFormStyle(formStyle); // the platform takes the topmost bit only with the z-order
        seen += Bit(GetWindowLongA(form.Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    }
    seen += " " + std::to_string(GetMenuItemCount(GetMenu(form.Handle()))) + " menu ";
    static int paints;
    sibling.OnPaint = [](QFrame*) { ++paints; };
    UpdateWindow(sibling.Handle());
    paints = 0;
    sibling.Canvas.SetColor(RGB(1, 2, 3));
    EXPECT_EQ(seen + std::to_string(paints), "1101 213 123 12 10 1 menu 1");
}

TEST_F(WindowTest, BoxesAreTopmostAndOwnedByTheThreadsFirstWindowWithAnExtendedStyle) {
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
    AlertBox("bad", "Caption", MB_ICONERROR);
    std::string seen;
    for (const CaughtBox& box : recorder.Boxes())
        seen += box.Caption + "/" + box.Text + "/" + std::to_string(box.Style) +
                Bit(box.Owner == tool.Handle()) + " ";
    EXPECT_EQ(seen, "window_tests.exe/hello/2621441 Caption/bad/2621601 ");
}
