#include "object/forms.h"

#include "object/dialog_keys.h"
#include "object/form_defaults.h"
#include "object/scaling.h"
#include "object/window_class.h"

#include <vector>

QApplication* Application = nullptr;

QCustomForm::QCustomForm() {
    FWidth = 450;
    FHeight = 250;
    FStyle = WS_OVERLAPPEDWINDOW;
    Canvas.SetColor(GetSysColor(COLOR_BTNFACE));
}

// The record of a running modal loop, on its stack: the form clears it when it dies inside.
struct QModalLoop {
    bool FormGone = false;
};

QCustomForm::~QCustomForm() {
    if (FModalLoop) FModalLoop->FormGone = true;
    DestroyHandle();
}

namespace {

// The thread's visible, enabled top-level windows but the modal form's, disabled while it is up.
struct DisabledWindows {
    HWND Modal;
    std::vector<HWND> Windows;
};

BOOL CALLBACK DisableOtherWindow(HWND Window, LPARAM Record) {
    auto& disabled = *reinterpret_cast<DisabledWindows*>(Record);
    if (Window != disabled.Modal && IsWindowVisible(Window) && IsWindowEnabled(Window)) {
        EnableWindow(Window, FALSE);
        disabled.Windows.push_back(Window);
    }
    return TRUE;
}

} // namespace

int QCustomForm::ShowModal() {
    if (FModalLoop) return mrNone;
    // Taken first: a window made visible here becomes the active one.
    HWND active = GetActiveWindow();
    bool made = !HasWindow();
    if (made) CreateHandle();
    if (!HasWindow()) return mrNone;
    HWND window = FHandle;
    if (active == window) active = nullptr;
    // A dialog made here comes up over the middle of the window it is asked from.
    if (made && active && FFormKind == fkDialog) {
        RECT over;
        GetWindowRect(active, &over);
        SetBounds((over.left + over.right - Width()) / 2, (over.top + over.bottom - Height()) / 2,
                  Width(), Height());
    }
    // Owned by the active window for the loop, so that it stays above it; its owner goes with
    // it, which ends the loop.
    auto owner = GetWindowLongPtrA(window, GWLP_HWNDPARENT);
    if (active) SetWindowLongPtrA(window, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(active));
    DisabledWindows disabled{window, {}};
    EnumThreadWindows(GetCurrentThreadId(), &DisableOtherWindow,
                      reinterpret_cast<LPARAM>(&disabled));
    QModalLoop loop;
    FModalLoop = &loop;
    FModalResult = mrNone;
    SetVisible(true);
    SetForegroundWindow(window);
    MSG message{};
    int got = 1;
    while (!loop.FormGone && IsWindow(window) && FModalResult == mrNone &&
           (got = GetMessageA(&message, nullptr, 0, 0)) > 0)
        QApplication::HandleThreadMessage(message);
    // Enabled before the form hides, so that the system activates them and not another program.
    for (HWND other : disabled.Windows)
        if (IsWindow(other)) EnableWindow(other, TRUE);
    int result = mrCancel;
    if (!loop.FormGone) {
        FModalLoop = nullptr;
        if (FModalResult != mrNone) result = FModalResult;
        if (IsWindow(window)) {
            SetVisible(false);
            SetWindowLongPtrA(window, GWLP_HWNDPARENT, owner);
        }
    }
    if (active && IsWindow(active)) SetActiveWindow(active);
    if (got == 0) PostQuitMessage(static_cast<int>(message.wParam));
    return result;
}

void QCustomForm::ScaleForScreen(QMessage& Message) {
    // Every message of the form passes here: the two it scales at are told apart first.
    bool shown = Message.Msg == WM_SHOWWINDOW && Message.WParam && !FScaledForScreen;
    if ((!shown && Message.Msg != WM_DPICHANGED) || !DpiScaling() || (Style() & WS_CHILD)) return;
    if (shown) {
        // Before it is first seen, all its components made by then.
        FScaledForScreen = true;
        ScaleToPixelsPerInch(WindowPixelsPerInch(FHandle));
    } else if (Message.Msg == WM_DPICHANGED) {
        FScaledForScreen = true;
        // In the rectangle the platform suggests, the frame it draws there around it.
        ScaleToPixelsPerInch(LOWORD(Message.WParam), reinterpret_cast<const RECT*>(Message.LParam));
        Message.Result = 0;
    }
}

void QCustomForm::HandleMessage(QMessage& Message) {
    QFrame::HandleMessage(Message);
    ScaleForScreen(Message);
    // A form inside another window (a designer's surface) leaves the focus where it is put.
    bool focus = Message.Msg == WM_ACTIVATE || Message.Msg == WM_SETFOCUS;
    if (!FDialogKeys || !focus || (Style() & WS_CHILD)) return;
    if (Message.Msg == WM_ACTIVATE && LOWORD(Message.WParam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus && IsChild(FHandle, focus)) FLastFocus = focus;
    }
    if (Message.Msg == WM_SETFOCUS) FocusInside(*this, FLastFocus);
}

void QCustomForm::SetFormStyle(int Value) {
    FFormStyle = Value;
    switch (Value) {
    case fsNormal:
        SetExStyle(ExStyle() & ~WS_EX_MDICHILD);
        SetExStyle(ExStyle() & ~WS_EX_TOPMOST);
        break;
    case fsMDIChild:
        SetExStyle(ExStyle() | WS_EX_MDICHILD);
        break;
    case fsStayOnTop:
        SetExStyle(ExStyle() | WS_EX_TOPMOST);
        break;
    }
}

void QCustomForm::SetFormKind(int Value) {
    FFormKind = Value;
    // A form shown inside another window, as a designer's surface is, keeps its frame.
    if (Style() & WS_CHILD) return;
    RECT before{}, after{};
    AdjustWindowRectEx(&before, Style(), FALSE, ExStyle());
    constexpr uint32_t sizing = WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
    if (Value == fkWindow) {
        SetStyle(Style() | WS_OVERLAPPEDWINDOW);
        SetExStyle(ExStyle() & ~WS_EX_DLGMODALFRAME);
    } else if (Value == fkDialog) {
        SetStyle((Style() & ~sizing) | WS_CAPTION | WS_SYSMENU);
        SetExStyle(ExStyle() | WS_EX_DLGMODALFRAME);
    }
    // The client area keeps its size: the outer one follows the frame's.
    AdjustWindowRectEx(&after, Style(), FALSE, ExStyle());
    int wider = (after.right - after.left) - (before.right - before.left);
    int higher = (after.bottom - after.top) - (before.bottom - before.top);
    if (wider || higher) SetBounds(Left(), Top(), Width() + wider, Height() + higher);
}

QForm::QForm() {
    FClassName = "QForm";
    FWidth = FormDefaults.Width;
    FHeight = FormDefaults.Height;
}

void QForm::CreateHandle() {
    QFrame::CreateHandle();
    HMENU menu = LoadMenuA(GetModuleHandleA(nullptr), "MainMenu");
    // An attached menu goes with its window; one that a child window or a failed creation
    // refused would belong to nobody.
    bool attached = HasWindow() && SetMenu(FHandle, menu);
    if (!attached && menu) DestroyMenu(menu);
    DrawMenuBar(FHandle);
}

int QApplication::Run() {
    MSG msg{};
    int result;
    while ((result = GetMessageA(&msg, nullptr, 0, 0)) > 0)
        HandleThreadMessage(msg);
    return result;
}

void QApplication::HandleThreadMessage(MSG& Message) {
    if (TranslateDialogKey(Message)) return;
    TranslateMessage(&Message);
    DispatchMessageA(&Message);
}

LRESULT CALLBACK FormWndProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam) {
    return FrameWindowProc<QCustomForm>(Window, Msg, WParam, LParam);
}

WNDPROC GetFormWndProc() {
    return &FormWndProc;
}

ATOM RegisterFormClass() {
    return RegisterOwnClass("QForm", &FormWndProc, 0, GetModuleHandleA(nullptr),
                            LoadCursorA(nullptr, IDC_ARROW));
}
