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
    const int messages = 200000;
    // WM_GETTEXTLENGTH: the library acts on nothing and hands it to the button's own procedure.
    auto send = [&](HWND Window) {
        return [=] {
            for (int i = 0; i < messages; ++i)
                SendMessageA(Window, WM_GETTEXTLENGTH, 0, 0);
        };
    };
    double library = MedianSeconds(send(button.Handle()));
    double system = MedianSeconds(send(plain));
    PrintFigure("dispatch QButton", library * 1e6 / messages, "us/message");
    PrintFigure("dispatch Button", system * 1e6 / messages, "us/message");
    PrintRatio("dispatch", library / system, 1.25);
    DestroyWindow(plain);
}

void BenchCreation() {
    BenchForm host;
    const int windows = 1000;
    double library = MedianSeconds(
        [&] {
            QuietOutput quiet;
            std::vector<std::unique_ptr<QButton>> buttons;
            for (int i = 0; i < windows; ++i) {
                buttons.push_back(std::make_unique<QButton>());
                buttons.back()->SetParent(&host.Form);
            }
        },
        5);
    double system = MedianSeconds(
        [&] {
            std::vector<HWND> buttons;
            for (int i = 0; i < windows; ++i)
                buttons.push_back(PlainChild("Button", host.Form.Handle()));
            for (HWND button : buttons)
                DestroyWindow(button);
        },
        5);
    PrintFigure("creation QButton", library * 1e3 / windows, "ms/window");
    PrintFigure("creation Button", system * 1e3 / windows, "ms/window");
    PrintRatio("creation", library / system, 1.3);
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
