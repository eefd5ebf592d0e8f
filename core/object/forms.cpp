#include "object/forms.h"

#include "object/form_defaults.h"
#include "object/window_class.h"

QApplication* Application = nullptr;

QCustomForm::QCustomForm() {
    FWidth = 450;
    FHeight = 250;
    FStyle = WS_OVERLAPPEDWINDOW;
    Canvas.SetColor(GetSysColor(COLOR_BTNFACE));
}

QCustomForm::~QCustomForm() {
    DestroyHandle();
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
    while ((result = GetMessageA(&msg, nullptr, 0, 0)) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return result;
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
