#include "object/forms.h"

#include "object/dialog_keys.h"
#include "object/form_defaults.h"
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
    if (!HasWindow()) CreateHandle();
    if (!HasWindow()) return mrNone;
    HWND window = FHandle, active = GetActiveWindow();
    if (active == window) active = nullptr;
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
    constexpr uint32_t sizing = WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
    if (Value == fkWindow) {
        SetStyle(Style() | WS_OVERLAPPEDWINDOW);
        SetExStyle(ExStyle() & ~WS_EX_DLGMODALFRAME);
    } else if (Value == fkDialog) {
        SetStyle((Style() & ~sizing) | WS_CAPTION | WS_SYSMENU);
        SetExStyle(ExStyle() | WS_EX_DLGMODALFRAME);
    }
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
