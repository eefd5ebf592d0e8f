// Message dispatch, window creation, the event path and alignment.
#include "timing.h"

#include "controls/buttons.h"
#include "object/forms.h"

#include <memory>
#include <vector>

namespace {

HWND PlainChild(const char* ClassName, HWND Parent) {
    return CreateWindowExA(0, ClassName, "", WS_CHILD | WS_VISIBLE, 0, 0, 75, 35, Parent, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
}

// A form without a window until the first use, created quietly.
struct BenchForm {
    BenchForm() {
        QuietOutput quiet;
        Form.SetVisible(false);
        Form.SetParent(nullptr);
    }
    QForm Form;
};

} // namespace

void BenchDispatch() {
    BenchForm host;
    QButton button;
    {
        QuietOutput quiet;
        button.SetParent(&host.Form);
    }
    HWND plain = PlainChild("Button", host.Form.Handle());
    // Many short rounds, the sides in turn: a second run agrees with the first within a few
    // per cent even while other programs load the machine.
    const int messages = 20000, rounds = 61;
    // WM_GETTEXTLENGTH: the library acts on nothing and hands it to the button's own procedure.
    auto send = [&](HWND Window) {
        return [=] {
            for (int i = 0; i < messages; ++i)
                SendMessageA(Window, WM_GETTEXTLENGTH, 0, 0);
        };
    };
    SideBySide dispatch = CompareSideBySide(send(button.Handle()), send(plain), rounds);
    PrintFigure("dispatch QButton", dispatch.Library * 1e6 / messages, "us/message");
    PrintFigure("dispatch Button", dispatch.Baseline * 1e6 / messages, "us/message");
    PrintRatio("dispatch", dispatch.Ratio, 1.08, dispatch.Spread);
    DestroyWindow(plain);
}

namespace {

// The fair baseline for the library's creation: the platform work the library is told to do
// for a push button, done by hand. A superclass of Button with the library's class style bits
// and room for a pointer per window, a procedure that only hands on to Button's, the two clip
// styles, then enabled, shown, numbered and updated. The ratio against it is what the library
// itself adds; plain Button windows show what those prescribed steps cost on top.
const char* const PrescribedClass = "BenchPrescribedButton";
WNDPROC SystemButtonProc = nullptr;

LRESULT CALLBACK HandOnToButton(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam) {
    return CallWindowProcA(SystemButtonProc, Window, Msg, WParam, LParam);
}

void RegisterPrescribedClass() {
    WNDCLASSEXA record{};
    record.cbSize = sizeof record;
    GetClassInfoExA(nullptr, "Button", &record);
    SystemButtonProc = record.lpfnWndProc;
    record.style |= CS_DBLCLKS | CS_OWNDC | CS_GLOBALCLASS;
    record.cbWndExtra += sizeof(void*);
    record.lpfnWndProc = HandOnToButton;
    record.hInstance = GetModuleHandleA(nullptr);
    record.lpszClassName = PrescribedClass;
    RegisterClassExA(&record);
}

HWND PrescribedChild(HWND Parent) {
    HWND button = CreateWindowExA(0, PrescribedClass, "",
                                  WS_CHILD | BS_PUSHBUTTON | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, 0,
                                  0, 75, 35, Parent, nullptr, GetModuleHandleA(nullptr), nullptr);
    EnableWindow(button, TRUE);
    ShowWindow(button, SW_SHOW);
    SetWindowLongPtrA(button, GWLP_ID, 0);
    UpdateWindow(button);
    return button;
}

// Makes Windows children of Parent with Make and destroys them again.
std::function<void()> RawCreation(int Windows, HWND (*Make)(HWND), HWND Parent) {
    return [=] {
        std::vector<HWND> made;
        for (int i = 0; i < Windows; ++i)
            made.push_back(Make(Parent));
        for (HWND window : made)
            DestroyWindow(window);
    };
}

std::function<void()> LibraryCreation(int Windows, QFrame& Parent) {
    return [Windows, &Parent] {
        std::vector<std::unique_ptr<QButton>> buttons;
        for (int i = 0; i < Windows; ++i) {
            buttons.push_back(std::make_unique<QButton>());
            buttons.back()->SetParent(&Parent);
        }
        // A deleted frame leaves its window behind, so the windows go first.
        for (auto& button : buttons)
            button->DestroyHandle();
    };
}

} // namespace

void BenchCreation() {
    BenchForm host, fonted; // the second's buttons take its font
    fonted.Form.SetFont(MessageFont());
    RegisterPrescribedClass();
    HWND parent = host.Form.Handle();
    HWND (*plain)(HWND) = [](HWND Parent) { return PlainChild("Button", Parent); };
    // Each window costs more the more siblings it overlaps, so the cost is shown at three sizes;
    // the largest takes seconds a run, hence fewer runs.
    const struct {
        int Windows;
        int Repetitions;
    } sizes[] = {{250, 7}, {1000, 7}, {2000, 3}};
    // The ratios are taken at this size.
    const int compared = 1000;
    double libraryOverPrescribed = 0, libraryOverPlain = 0, fontOverNone = 0;
    for (const auto& size : sizes) {
        std::vector<double> seconds;
        {
            QuietOutput quiet;
            seconds = MedianSeconds({LibraryCreation(size.Windows, host.Form),
                                     RawCreation(size.Windows, PrescribedChild, parent),
                                     RawCreation(size.Windows, plain, parent),
                                     LibraryCreation(size.Windows, fonted.Form)},
                                    size.Repetitions);
        }
        double library = seconds[0], prescribed = seconds[1], system = seconds[2];
        std::string count = " " + std::to_string(size.Windows);
        PrintFigure("creation QButton" + count, library * 1e3 / size.Windows, "ms/window");
        PrintFigure("creation prescribed" + count, prescribed * 1e3 / size.Windows, "ms/window");
        PrintFigure("creation raw Button" + count, system * 1e3 / size.Windows, "ms/window");
        PrintFigure("creation QButton with a font" + count, seconds[3] * 1e3 / size.Windows,
                    "ms/window");
        if (size.Windows != compared) continue;
        libraryOverPrescribed = library / prescribed;
        libraryOverPlain = library / system;
        fontOverNone = seconds[3] / library;
    }
    PrintRatio("creation", libraryOverPrescribed, 1.1);
    PrintFigure("creation against raw", libraryOverPlain, "times");
    PrintFigure("creation with a font against without", fontOverNone, "times");
}

namespace {

int Counted = 0;
void Count(QFrame*) {
    ++Counted;
}
void (*CountPlain)() = [] { ++Counted; };

LRESULT CALLBACK CountingProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam) {
    if (Msg == WM_LBUTTONDOWN) CountPlain();
    return DefWindowProcA(Window, Msg, WParam, LParam);
}

// Posts the presses in batches the message queue holds, each delivered by Loop until WM_QUIT.
void DeliverPresses(HWND Window, int Presses, const std::function<void()>& Loop) {
    const int batch = 5000;
    for (int done = 0; done < Presses; done += batch) {
        for (int i = 0; i < batch; ++i)
            PostMessageA(Window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
        PostQuitMessage(0);
        Loop();
    }
}

void PlainLoop() {
    MSG msg{};
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

} // namespace

void BenchEventPath() {
    BenchForm host;
    host.Form.OnClick = Count;
    WNDCLASSEXA plainClass{};
    plainClass.cbSize = sizeof plainClass;
    plainClass.lpfnWndProc = CountingProc;
    plainClass.hInstance = GetModuleHandleA(nullptr);
    plainClass.lpszClassName = "BenchPlain";
    RegisterClassExA(&plainClass);
    HWND plain = CreateWindowExA(0, "BenchPlain", "", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr,
                                 nullptr, GetModuleHandleA(nullptr), nullptr);
    const int presses = 100000;
    double library = MedianSeconds(
        [&] { DeliverPresses(host.Form.Handle(), presses, [] { Application->Run(); }); }, 5);
    double system = MedianSeconds([&] { DeliverPresses(plain, presses, PlainLoop); }, 5);
    PrintFigure("events QForm", library * 1e6 / presses, "us/press");
    PrintFigure("events plain", system * 1e6 / presses, "us/press");
    PrintRatio("events", library / system, 1.5);
    DestroyWindow(plain);
}

void BenchAlignment() {
    for (int children : {1, 10, 100}) {
        BenchForm host;
        std::vector<std::unique_ptr<QForm>> aligned;
        {
            QuietOutput quiet;
            for (int i = 0; i < children; ++i) {
                aligned.push_back(std::make_unique<QForm>());
                aligned.back()->SetStyle(WS_CHILD);
                aligned.back()->SetAlign(i % 2 ? alTop : alLeft);
                aligned.back()->SetParent(&host.Form);
            }
        }
        double seconds = MedianSeconds([&] { host.Form.Realign(); });
        PrintFigure("realign " + std::to_string(children) + " children", seconds * 1e6 / children,
                    "us/child");
    }
}
