// The dispatcher on real windows: events with their arguments, close protocol, Tab step,
// reflection, private messages and default processing.
#include "test_forms.h"

#include <algorithm>
#include <set>
#include <string>
#include <vector>

namespace {

// Callbacks are plain function pointers, so they report into one shared list.
std::vector<std::string> Events;

void Record(const std::string& Line) {
    Events.push_back(Line);
}
std::string Join(std::initializer_list<int> Values) {
    std::string s;
    for (int v : Values)
        s += " " + std::to_string(v);
    return s;
}

void OnClickEvent(QFrame*) {
    Record("click");
}
void OnDblClickEvent(QFrame*) {
    Record("dblclick");
}
void OnDownEvent(QFrame*, int B, int X, int Y, int K) {
    Record("down" + Join({B, X, Y, K}));
}
void OnUpEvent(QFrame*, int B, int X, int Y, int K) {
    Record("up" + Join({B, X, Y, K}));
}
void OnMoveEvent(QFrame*, int X, int Y, int K) {
    Record("move" + Join({X, Y, K}));
}
void OnWheelEvent(QFrame*, int D, int X, int Y, int K) {
    Record("wheel" + Join({D, X, Y, K}));
}
void OnKeyDownEvent(QFrame*, uint16_t Key, int Code) {
    Record("keydown" + Join({Key, Code}));
}
void OnKeyUpEvent(QFrame*, uint16_t Key, int Code) {
    Record("keyup" + Join({Key, Code}));
}
void OnKeyPressEvent(QFrame*, uint8_t Char) {
    Record("char" + Join({Char}));
}
void OnMenuEvent(QFrame*, int Id, int Code) {
    Record("menu" + Join({Id, Code}));
}
void OnAccelEvent(QFrame*, int Id, int Code) {
    Record("accel" + Join({Id, Code}));
}

class DispatchTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        Events.clear();
        form.SetVisible(false);
        form.SetParent(nullptr);
        MakeChild(child, form);
    }
    LRESULT Send(QFrame& Target, UINT Msg, WPARAM W = 0, LPARAM L = 0) {
        return SendMessageA(Target.Handle(), Msg, W, L);
    }
    QForm form;
    LoggingFrame child;
};

} // namespace

TEST_F(DispatchTest, MouseMessagesRaiseTheirEventsWithTheirArguments) {
    child.OnClick = OnClickEvent;
    child.OnDblClick = OnDblClickEvent;
    child.OnMouseDown = OnDownEvent;
    child.OnMouseUp = OnUpEvent;
    child.OnMouseMove = OnMoveEvent;
    child.OnMouseWheel = OnWheelEvent;
    child.Click();
    Send(child, WM_MOUSEMOVE, 0x12345678 | MK_LBUTTON, MAKELPARAM(300, 40));
    Send(child, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(-5, 7)); // coordinates are unsigned
    Send(child, WM_LBUTTONUP, 0, MAKELPARAM(1, 2));
    Send(child, WM_LBUTTONDBLCLK, 0, 0);
    Send(child, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(3, 4));
    Send(child, WM_RBUTTONUP, 0, MAKELPARAM(3, 4));
    Send(child, WM_MBUTTONDOWN, MK_MBUTTON, MAKELPARAM(5, 6));
    Send(child, WM_MBUTTONUP, 0, MAKELPARAM(5, 6));
    Send(child, WM_MOUSEWHEEL, MAKEWPARAM(MK_SHIFT, 120), MAKELPARAM(400, 500));
    Send(child, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-120)), MAKELPARAM(1, 1));
    Send(child, WM_MOUSEWHEEL, 0, MAKELPARAM(2, 2));
    std::vector<std::string> expected{"click",
                                      "move 300 40 284281",
                                      "click",
                                      "down 1 65531 7 1",
                                      "up 1 1 2 0",
                                      "dblclick",
                                      "down 3 3 4 2",
                                      "up 3 3 4 0",
                                      "down 2 5 6 16",
                                      "up 2 5 6 0",
                                      "wheel 1 400 500 4",
                                      "wheel -1 1 1 0",
                                      "wheel 0 2 2 0"};
    EXPECT_EQ(Events, expected);
}

TEST_F(DispatchTest, KeyMessagesRaiseTheirEvents) {
    child.OnKeyDown = OnKeyDownEvent;
    child.OnKeyUp = OnKeyUpEvent;
    child.OnKeyPress = OnKeyPressEvent;
    Send(child, WM_KEYDOWN, 'A', 0);
    Send(child, WM_KEYUP, 0x10041, 0);
    Send(child, WM_CHAR, 0x141, 0);
    EXPECT_EQ(Events, (std::vector<std::string>{"keydown 65 65", "keyup 65 65", "char 65"}));
}

TEST_F(DispatchTest, UnassignedCallbacksAreSkipped) {
    EXPECT_EQ(Send(child, WM_LBUTTONDOWN, 0, 0), 0);
    EXPECT_EQ(Send(child, WM_KEYDOWN, 'A', 0), 0);
    EXPECT_TRUE(Events.empty());
}

TEST_F(DispatchTest, TabWrapsToTheFirstChildBeforeOnKeyDown) {
    LoggingFrame second, last;
    MakeChild(second, form);
    MakeChild(last, form);
    static HWND focusAtKeyDown;
    last.OnKeyDown = [](QFrame*, uint16_t Key, int) {
        focusAtKeyDown = GetFocus();
        Record("keydown" + Join({Key}));
    };
    Send(form, WM_KEYDOWN, VK_TAB, 0); // a frame without a parent has no siblings to step to
    Send(second, WM_KEYDOWN, VK_TAB, 0);
    EXPECT_EQ(GetFocus(), last.Handle());
    EXPECT_EQ(form.ActiveControl, &last);
    Send(last, WM_KEYDOWN, VK_TAB, 0);
    EXPECT_EQ(last.NextTabIndex, 0);
    EXPECT_EQ(GetFocus(), child.Handle());
    EXPECT_EQ(focusAtKeyDown, child.Handle()) << "the focus moves before OnKeyDown";
    EXPECT_EQ(Events, std::vector<std::string>{"keydown 9"});
    EXPECT_EQ(form.ActiveControl, &child);
}

TEST_F(DispatchTest, FocusRequestTrustsOnlyLiveFramesFromItsOwnThread) {
    LoggingFrame other;
    MakeChild(other, form);
    SetFocus(child.Handle());
    Send(child, WM_NEXTDLGCTL, 0, 0x12345678); // garbage: never dereferenced
    Send(child, WM_NEXTDLGCTL, 1, TRUE);       // the platform's flag form
    Send(child, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(other.Handle()), TRUE);
    EXPECT_TRUE(IsWindow(child.Handle()));
    RunOnOtherThread(
        [&] { SendMessageA(child.Handle(), WM_NEXTDLGCTL, 0, reinterpret_cast<LPARAM>(&other)); });
    EXPECT_EQ(GetFocus(), child.Handle()) << "a frame address from another thread is ignored";
    Send(child, WM_NEXTDLGCTL, 0, reinterpret_cast<LPARAM>(&other));
    EXPECT_EQ(GetFocus(), other.Handle());
}

TEST_F(DispatchTest, CloseProtocolFollowsTheAction) {
    static int action;
    form.OnClose = [](QFrame*, int& Action) { Action = action; };
    form.SetVisible(true);
    StdoutCapture out;
    action = 0;
    EXPECT_EQ(Send(form, WM_CLOSE), 0);
    EXPECT_TRUE(IsWindow(form.Handle()));
    action = 2;
    EXPECT_EQ(Send(form, WM_CLOSE), 1);
    EXPECT_TRUE(IsIconic(form.Handle()));
    action = 3;
    EXPECT_EQ(Send(form, WM_CLOSE), 1);
    EXPECT_TRUE(IsZoomed(form.Handle()));
    action = 7;
    HWND window = form.Handle();
    Send(form, WM_CLOSE);
    EXPECT_FALSE(IsWindow(window)) << "an unknown action destroys without the line";
    form.SetParent(nullptr);
    action = 1;
    window = form.Handle();
    Send(form, WM_CLOSE);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(form.Handle(), window) << "the frame keeps naming the destroyed window";
    std::vector<std::string> lines = out.Lines(); // recreating the form prints its own lines
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "destroy"), 1);
    EXPECT_EQ(lines.back(), "destroy");
}

TEST_F(DispatchTest, NonFormsCloseLikeActionOne) {
    StdoutCapture out;
    Send(child, WM_CLOSE);
    EXPECT_FALSE(IsWindow(child.Handle()));
    EXPECT_EQ(out.Lines(), std::vector<std::string>{"destroy"});
}

TEST_F(DispatchTest, CommandsAreReflectedOrRaisedByTheirCode) {
    child.OnMenuCommand = OnMenuEvent;
    child.OnAccelCommand = OnAccelEvent;
    LoggingFrame control;
    MakeChild(control, child);
    child.Log.Clear();
    Send(child, WM_COMMAND, MAKEWPARAM(7, 3), reinterpret_cast<LPARAM>(control.Handle()));
    auto reflected = control.Log.Of(QM_COMMAND);
    ASSERT_EQ(reflected.size(), 1u);
    EXPECT_EQ(reflected[0].WParam, 7u);
    EXPECT_EQ(reflected[0].LParam, 3);
    EXPECT_TRUE(Events.empty()) << "a control's notification raises no command event";
    Send(child, WM_COMMAND, MAKEWPARAM(5, 0), 0);
    Send(child, WM_COMMAND, MAKEWPARAM(6, 1), 0);
    Send(child, WM_COMMAND, MAKEWPARAM(8, 2), 0);
    EXPECT_EQ(Events, (std::vector<std::string>{"menu 5 0", "accel 6 1"}));
}

// The answers themselves are in the component table.
TEST_F(DispatchTest, ColourRequestsAreReflectedToOurControls) {
    HDC dc = GetDC(form.Handle());
    auto target = reinterpret_cast<LPARAM>(child.Handle());
    auto context = reinterpret_cast<WPARAM>(dc);
    Send(form, WM_CTLCOLORSTATIC, context, target);
    Send(form, WM_CTLCOLORBTN, context, target);
    auto asked = child.Log.Of(QM_CTLCOLOR);
    ASSERT_EQ(asked.size(), 2u);
    EXPECT_EQ(asked[0].WParam, context);
    EXPECT_EQ(asked[0].LParam, static_cast<LPARAM>(context)) << "0x136-0x138 pass the DC twice";
    EXPECT_EQ(asked[1].LParam, 0);
    HWND plain = CreateWindowExA(0, "Static", "", WS_CHILD, 0, 0, 5, 5, form.Handle(), nullptr,
                                 nullptr, nullptr);
    EXPECT_EQ(Send(form, WM_CTLCOLORSTATIC, context, reinterpret_cast<LPARAM>(plain)), 0)
        << "a window that is not ours answers with its own procedure";
    ReleaseDC(form.Handle(), dc);
}

TEST_F(DispatchTest, MouseTransparencyAppliesToChildrenOnly) {
    child.MouseTransparent = true;
    form.MouseTransparent = true;
    EXPECT_EQ(Send(child, WM_NCHITTEST, 0, MAKELPARAM(1, 1)), HTTRANSPARENT);
    EXPECT_NE(Send(form, WM_NCHITTEST, 0, MAKELPARAM(1, 1)), HTTRANSPARENT);
    EXPECT_EQ(Send(child, WM_XBUTTONDOWN, 0, 0), 1);
    EXPECT_EQ(Send(child, WM_RBUTTONDBLCLK, 0, 0), 1);
    child.MouseTransparent = false;
    EXPECT_NE(Send(child, WM_NCHITTEST, 0, MAKELPARAM(1, 1)), HTTRANSPARENT);
}

TEST_F(DispatchTest, OwnClassesEraseWithTheCanvasBrushDerivedOnesDoNot) {
    HDC memory = CreateCompatibleDC(nullptr);
    QOwnedGdiObject<HBITMAP> bitmap{CreateCompatibleBitmap(GetDC(nullptr), 60, 30)};
    HGDIOBJ previous = SelectObject(memory, bitmap.Get());
    child.Canvas.SetColor(RGB(0, 255, 0));
    PatBlt(memory, 0, 0, 60, 30, BLACKNESS);
    Send(child, WM_ERASEBKGND, reinterpret_cast<WPARAM>(memory));
    EXPECT_EQ(GetPixel(memory, 10, 10), RGB(0, 255, 0));
    PatBlt(memory, 0, 0, 60, 30, BLACKNESS);
    child.SetClassAncestor("Static");
    child.Canvas.SetColor(RGB(255, 0, 0));
    Send(child, WM_ERASEBKGND, reinterpret_cast<WPARAM>(memory));
    EXPECT_NE(GetPixel(memory, 10, 10), RGB(255, 0, 0));
    SelectObject(memory, previous);
    DeleteDC(memory);
}

TEST_F(DispatchTest, UnknownAncestorAnswersEveryMessageWithZero) {
    child.SetClassAncestor("Static");
    EXPECT_EQ(Send(child, WM_NCHITTEST, 0, 0), HTTRANSPARENT);
    child.SetClassAncestor("NoSuchClass"); // a new ancestor name is looked up again
    EXPECT_EQ(Send(child, WM_NCHITTEST, 0, 0), 0);
    EXPECT_EQ(Send(child, WM_GETTEXTLENGTH), 0);
    child.SetClassAncestor("");
    EXPECT_EQ(Send(child, WM_NCHITTEST, 0, 0), DefWindowProcA(child.Handle(), WM_NCHITTEST, 0, 0));
}

TEST_F(DispatchTest, WindowInfoIsReadAndWrittenOnlyFromTheOwnThread) {
    QWindowInfo info;
    Send(child, QM_GETWINDOWINFO, 0, reinterpret_cast<LPARAM>(&info));
    ASSERT_NE(WindowInfoPtr, nullptr);
    EXPECT_NE(WindowInfoPtr, &info) << "the library keeps a copy, not the sender's record";
    EXPECT_EQ(WindowInfoPtr->ClassName, "QTestFrame");
    EXPECT_EQ(info.ClassName, "QTestFrame");
    EXPECT_EQ(info.Width, 50);
    EXPECT_EQ(info.Style, static_cast<uint32_t>(GetWindowLongA(child.Handle(), GWL_STYLE)));
    EXPECT_EQ(info.WndProc,
              reinterpret_cast<WNDPROC>(GetWindowLongPtrA(child.Handle(), GWLP_WNDPROC)));
    info.Width = 77;
    info.ClassAncestor = "Ancestor";
    info.Style |= WS_BORDER;
    Send(child, QM_SETWINDOWINFO, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(child.Width(), 77);
    EXPECT_EQ(child.ClassAncestor(), "Ancestor");
    EXPECT_TRUE(GetWindowLongA(child.Handle(), GWL_STYLE) & WS_BORDER);
    child.SetClassAncestor("");
    QWindowInfo* before = WindowInfoPtr;
    QWindowInfo foreign;
    RunOnOtherThread([&] {
        SendMessageA(child.Handle(), QM_GETWINDOWINFO, 0, reinterpret_cast<LPARAM>(&foreign));
        SendMessageA(child.Handle(), QM_SETWINDOWINFO, 0, 0x1234);
    });
    EXPECT_EQ(WindowInfoPtr, before) << "another thread's record is never touched";
    EXPECT_TRUE(foreign.ClassName.empty());
    Send(child, QM_GETWINDOWINFO, 0, 0);
    EXPECT_EQ(WindowInfoPtr, nullptr);
}

TEST_F(DispatchTest, PaintReusesItsContextAndDestroyReleasesIt) {
    static int painted;
    painted = 0;
    form.OnPaint = [](QFrame* Sender) { painted += Sender->Canvas.DC() != nullptr; };
    std::set<HDC> contexts;
    for (int i = 0; i < 50; ++i) {
        Send(form, WM_PAINT);
        contexts.insert(form.Canvas.DC());
    }
    EXPECT_EQ(painted, 50);
    EXPECT_LE(contexts.size(), 2u) << "released contexts are handed out again";
    form.DestroyHandle();
    EXPECT_EQ(form.Canvas.DC(), nullptr);
}

TEST_F(DispatchTest, TextFocusAndCreationBookkeeping) {
    SetFocus(child.Handle());
    EXPECT_EQ(form.ActiveControl, &child);
    SetFocus(form.Handle());
    EXPECT_EQ(form.ActiveControl, nullptr);
    Send(child, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("typed"));
    child.DestroyHandle();
    EXPECT_EQ(child.Text(), "typed") << "the stored text, as the message left it";

    QForm later;
    later.SetVisible(false);
    LoggingFrame pending;
    pending.SetStyle(WS_CHILD);
    later.AddControl(&pending);
    static bool childReady;
    childReady = false;
    later.OnCreate = [](QFrame* Sender) { childReady = IsWindow(Sender->Controls(0)->Handle()); };
    later.SetParent(nullptr);
    EXPECT_TRUE(childReady) << "OnCreate runs after the pending children have their windows";
    EXPECT_EQ(pending.Parent(), &later);
}

namespace {

struct Rebind {
    HWND Window;
    QFrame* Frame;
};

DWORD WINAPI RebindWindow(void* Job) {
    WriteBinding(static_cast<Rebind*>(Job)->Window, static_cast<Rebind*>(Job)->Frame);
    return 0;
}

} // namespace

// The window procedure remembers the last binding it read; a binding written on any thread
// must reach the next message all the same.
TEST_F(DispatchTest, MessagesFollowABindingRewrittenOnAnotherThread) {
    Send(child, WM_NULL);
    LoggingFrame other;
    // A plain thread: writing the slot sends nothing, and the window's thread must not pump
    // meanwhile, or other windows' messages would replace the remembered binding.
    Rebind rebind{child.Handle(), &other};
    HANDLE thread = CreateThread(nullptr, 0, RebindWindow, &rebind, 0, nullptr);
    WaitForSingleObject(thread, INFINITE);
    CloseHandle(thread);
    Send(child, WM_USER + 7);
    EXPECT_EQ(other.Log.Count(WM_USER + 7), 1);
    EXPECT_EQ(child.Log.Count(WM_USER + 7), 0);
    WriteBinding(child.Handle(), &child);
    EXPECT_EQ(BoundFrame(child.Handle()), &child) << "the slot itself is still written";
}
