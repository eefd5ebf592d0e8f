// Window creation, the binding between windows and frames, properties of live windows and the
// message boxes.
#include "containers/paths.h"
#include "support/import_slot.h"
#include "test_forms.h"

#include <cstring>
#include <regex>

namespace {

std::string Describe(QFrame& F) {
    HWND w = F.Handle();
    // Before a window exists, the procedure is the registered class's.
    if (!IsWindow(w)) return F.WndProc() ? "no window" : "no window, no procedure";
    std::string seen = Join(F.Left(), F.Top(), F.Width(), F.Height()) + "'" + F.Text() + "'" +
                       (IsWindowEnabled(w) ? "" : " disabled");
    seen += IsWindowVisible(w) ? " visible" : "";
    seen += F.Style() & WS_CHILD ? " id " + std::to_string(F.ID()) : "";
    bool clipping = (F.Style() & 0x06000000u) == 0x06000000u;
    return seen + (clipping && BoundFrame(w) == &F ? " bound" : " unbound");
}

// The children of Parent's window from the top of the z-order, by their IDs.
std::string ZOrder(QFrame& Parent) {
    std::string seen;
    for (HWND w = GetWindow(Parent.Handle(), GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT))
        seen += std::to_string(GetWindowLongPtrA(w, GWLP_ID));
    return seen + " ";
}

// Every menu the library loads, through the program's import of LoadMenuA.
std::vector<HMENU> LoadedMenus;
HMENU WINAPI RecordMenu(HINSTANCE Instance, LPCSTR Name) {
    static auto load = SystemFunction<decltype(&LoadMenuA)>("LoadMenuA");
    LoadedMenus.push_back(load(Instance, Name));
    return LoadedMenus.back();
}

// A frame that a hook of the program deletes when the next window is being made.
QFrame* Doomed;
LRESULT CALLBACK DeleteDoomedOnCreation(int Code, WPARAM WParam, LPARAM LParam) {
    if (Code == HCBT_CREATEWND) delete std::exchange(Doomed, nullptr);
    return CallNextHookEx(nullptr, Code, WParam, LParam);
}

} // namespace

extern "C" decltype(&LoadMenuA) ImportedLoadMenu IMPORT_SLOT(LoadMenuA, 8);
decltype(&LoadMenuA) ImportedLoadMenu = &RecordMenu;

TEST_F(WindowTest, CreationAppliesTheFieldsWrittenBefore) {
    QForm plain, form, failed, unknown, nameless;
    TestFrame child;
    form.SetVisible(false);
    form.SetEnabled(false);
    form.SetBounds(10, 20, 300, 200);
    child.SetID(42);
    MakeChild(child, form, 5, 6); // no parent window yet: waits in the list
    form.OnCreate = [](QFrame* S) { S->SetText(S->Controls(0)->Handle() ? "ready" : "early"); };
    failed.SetStyle(WS_CHILD); // a child without a parent window
    unknown.SetClassName("NoSuchClass");
    nameless.SetClassName("");
    StdoutCapture out;
    BoxRecorder boxes;
    std::string seen;
    for (QForm* each : {&plain, &form, &failed, &unknown, &nameless}) {
        each->SetParent(nullptr);
        seen += Describe(*each) + (CreatingFrame ? " still creating | " : " | ");
    }
    seen += Describe(child);
    seen += std::regex_replace(out.Lines(), std::regex(" Was=[^;]*"), "");
    for (const CaughtBox& box : boxes.Boxes())
        seen += " " + box.Text + "/" + box.Caption + "/" + std::to_string(box.Style);
    EXPECT_EQ(seen,
              "0 0 350 250 '' visible bound | 10 20 300 200 'ready' disabled bound | no window | "
              "no window, no procedure | no window, no procedure | 5 6 50 20 '' id 42 bound"
              ";QForm;LastError;QForm;QTestFrame;LastError;LastError;QForm;LastError"
              " Can''t find the class./NoSuchClass/262144 Can''t find the class.//262144");
    // The styles the system added at creation are kept once the window is gone.
    nameless.SetClassName("QForm");
    nameless.SetParent(nullptr);
    nameless.SetBounds(0, 0, 200, 150);
    RECT client;
    GetClientRect(nameless.Handle(), &client);
    nameless.DestroyHandle();
    EXPECT_EQ(nameless.ExStyle() & WS_EX_WINDOWEDGE, uint32_t(WS_EX_WINDOWEDGE));
    // So is the last client size; and a procedure set where no class names one.
    EXPECT_EQ(Join(nameless.ClientWidth(), nameless.ClientHeight()),
              Join(client.right, client.bottom));
    unknown.SetWndProc(DefWindowProcA);
    EXPECT_EQ(unknown.WndProc(), &DefWindowProcA);
}

// Each step reads what the window has now, so they go one after the other on one window.
TEST_F(FormTest, PropertiesReadAndWriteTheLiveWindow) {
    QForm second;
    TestFrame child, sibling, third;
    for (TestFrame* each : {&child, &sibling, &third}) {
        MakeChild(*each, form);
        each->SetID(form.ControlCount()); // 1, 2, 3
    }
    HWND window = child.Handle();
    child.SetTabStop(true); // keeps the WS_VISIBLE that ShowWindow set
    child.SetBackMode(1);
    LONG style = GetWindowLongA(window, GWL_STYLE);
    std::string seen = Join(bool(style & WS_TABSTOP), bool(style & WS_VISIBLE),
                            bool(child.ExStyle() & WS_EX_TRANSPARENT));
    child.SetBackMode(2);
    child.SetBackMode(0); // removes nothing
    seen += Join(bool(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TRANSPARENT));
    sibling.BringToFront();
    seen += ZOrder(form);
    sibling.RestoreZOrder();
    seen += ZOrder(form);
    second.SetParent(nullptr);
    child.SetParent(&second);
    seen += Join(GetParent(window) == second.Handle(), form.ControlCount());
    MoveWindow(third.Handle(), 7, 8, 50, 20, FALSE); // moved behind the frame's back
    third.SetParentHandle(second.Handle());
    seen += Join(third.Left(), third.Top(), GetParent(third.Handle()) == second.Handle());
    MoveWindow(third.Handle(), 9, 10, 30, 40, FALSE);
    third.SetLeft(1);
    SetWindowPos(third.Handle(), nullptr, 0, 0, 35, 45, SWP_NOMOVE | SWP_NOZORDER);
    third.SetTop(2);
    third.SetWidth(20);
    third.SetHeight(25);
    RECT placed;
    GetWindowRect(third.Handle(), &placed);
    MapWindowPoints(nullptr, second.Handle(), reinterpret_cast<POINT*>(&placed), 2);
    POINT point{3, 4};
    third.ClientToScreen(point);
    second.ScreenToClient(point);
    seen += Join(placed.left, placed.top, placed.right, placed.bottom, point.x, point.y);
    for (int formStyle : {int(fsStayOnTop), int(fsNormal)}) {
        form.SetFormStyle(formStyle); // the platform takes the topmost bit only with the z-order
        seen += Join(bool(GetWindowLongA(form.Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST));
    }
    static int paints;
    sibling.OnPaint = [](QFrame*) { ++paints; };
    UpdateWindow(sibling.Handle());
    paints = 0;
    sibling.Canvas.SetColor(RGB(1, 2, 3));
    sibling.Repaint();
    UpdateWindow(sibling.Handle());
    EXPECT_EQ(seen + Join(GetMenuItemCount(GetMenu(form.Handle())), paints),
              "1 1 0 1 213 123 1 2 7 8 1 1 2 21 27 4 6 1 0 1 2 ");
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
    std::string seen = Join(*OwnerCell == tool.Handle());
    FreeOwnerCell();
    AlertBox("bad", "Caption", MB_ICONERROR);
    for (const CaughtBox& box : recorder.Boxes())
        seen += Join(box.Caption, box.Text, box.Style, box.Owner == tool.Handle());
    // These tests run as window_tests.exe and, with the manifest, as unicode_tests.exe.
    char program[MAX_PATH];
    GetModuleFileNameA(nullptr, program, sizeof program);
    EXPECT_EQ(seen, Join(1, strrchr(program, '\\') + 1) + "hello 262144 1 Caption bad 262160 1 ");
}

// A frame the window procedure made belongs to its window: recreating keeps it, with a new window
// like the old one; destroying deletes it; a parent's destruction reaches every such child.
TEST_F(FormTest, FramesMadeForWindowsGoWithTheirWindows) {
    StdoutCapture out;
    auto make = [&](int Left) {
        return FrameOfWindow(CreateWindowExA(0, "QTestFrame", "made", WS_CHILD | WS_VISIBLE, Left,
                                             4, 60, 20, form.Handle(), nullptr,
                                             GetModuleHandleA(nullptr), nullptr));
    };
    QFrame* made = make(3);
    HWND old = made->Handle();
    // Changed behind the frame's back: the new window is like the old one as it is now.
    MoveWindow(old, 5, 6, 70, 30, FALSE);
    SetWindowTextA(old, "renamed");
    EnableWindow(old, FALSE);
    ShowWindow(old, SW_HIDE);
    made->RecreateHandle();
    std::string seen =
        Join(IsWindow(old), GetParent(made->Handle()) == form.Handle()) + Describe(*made) + " | ";
    made->DestroyHandle();
    seen += Join(IsLiveFrame(made));
    HWND children[3];
    {
        TestFrame holder;
        MakeChild(holder, form, 0, 40, 200, 100);
        for (HWND& child : children) {
            QFrame* frame = make(0);
            child = frame->Handle();
            frame->SetParent(&holder);
        }
    }
    for (HWND child : children)
        seen += Join(IsWindow(child));
    EXPECT_EQ(seen, "0 1 5 6 70 30 'renamed' disabled id 0 bound | 0 0 0 0 ");
}

// Every form creation loads the program's menu: only one attached to a window lives on, and it
// goes with that window.
TEST_F(WindowTest, MainMenuLivesOnlyWithTheWindowItIsAttachedTo) {
    QForm top, inner, orphan;
    inner.SetStyle(WS_CHILD);
    orphan.SetStyle(WS_CHILD); // without a parent window its creation fails
    StdoutCapture out;
    LoadedMenus.clear();
    top.SetParent(nullptr);
    inner.SetParent(&top);
    orphan.CreateHandle();
    top.RecreateHandle();
    std::string seen;
    for (HMENU menu : LoadedMenus)
        seen += Join(IsMenu(menu));
    top.DestroyHandle();
    seen += Join(IsMenu(LoadedMenus.back()));
    // A form's destruction takes its window, and so its menu.
    HWND window;
    {
        QForm gone;
        gone.SetParent(nullptr);
        window = gone.Handle();
    }
    EXPECT_EQ(seen + Join(IsWindow(window), IsMenu(LoadedMenus.back())), "0 0 0 0 1 0 0 0 ");
}

// A frame deleted while another frame's window is being made (here by a hook of the program)
// leaves that creation alone: the window still gets its own frame.
TEST_F(WindowTest, AFrameDeletedDuringAnothersCreationLeavesItAlone) {
    Doomed = new QFrame;
    HHOOK hook = SetWindowsHookExA(WH_CBT, DeleteDoomedOnCreation, nullptr, GetCurrentThreadId());
    QForm form;
    StdoutCapture out;
    form.SetParent(nullptr);
    UnhookWindowsHookEx(hook);
    EXPECT_EQ(Join(Doomed == nullptr, BoundFrame(form.Handle()) == &form), "1 1 ");
}
