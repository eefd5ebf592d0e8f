#include "containers/bars.h"

#include "object/window_class.h"

#include <commctrl.h>

template <class Kind> QCustomBar<Kind>::QCustomBar() {
    FClassName = Kind::ClassName;
    FClassAncestor = Kind::ClassAncestor;
}

template <class Kind> void QCustomBar<Kind>::CreateHandle() {
    QFrame::CreateHandle();
    // The record size of this build: 20 bytes on i686.
    if (Kind::TakesButtons && HasWindow())
        SendMessageA(FHandle, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
}

template <class Kind> void QCustomBar<Kind>::HandleMessage(QMessage& Message) {
    QFrame::HandleMessage(Message);
    if (Message.Msg == WM_LBUTTONDOWN) Message.Result = 0;
}

template class QCustomBar<QToolBarKind>;
template class QCustomBar<QStatusBarKind>;

QToolBar::QToolBar() {
    FExStyle = WS_EX_CONTROLPARENT;
    FWidth = 215;
    FHeight = 21;
    FStyle = WS_CHILD | CCS_NORESIZE | CCS_NOPARENTALIGN;
}

QStatusBar::QStatusBar() {
    FExStyle = WS_EX_CONTROLPARENT;
    FWidth = 215;
    FHeight = 17;
    FStyle = WS_CHILD | SBARS_SIZEGRIP | CCS_NORESIZE | CCS_NOPARENTALIGN;
}

LRESULT CALLBACK ToolBarWndProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam) {
    return FrameWindowProc<QCustomToolBar>(Window, Msg, WParam, LParam);
}

LRESULT CALLBACK StatusBarWndProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam) {
    return FrameWindowProc<QCustomStatusBar>(Window, Msg, WParam, LParam);
}

ATOM RegisterToolBarClass() {
    return RegisterSuperclass(QToolBarKind::ClassName, QToolBarKind::ClassAncestor,
                              &ToolBarWndProc);
}

ATOM RegisterStatusBarClass() {
    return RegisterSuperclass(QStatusBarKind::ClassName, QStatusBarKind::ClassAncestor,
                              &StatusBarWndProc);
}
