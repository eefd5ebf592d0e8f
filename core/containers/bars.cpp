#include "containers/bars.h"

#include "object/window_class.h"

#include <commctrl.h>

template <class Kind> QCustomBar<Kind>::QCustomBar() {
    FClassName = Kind::ClassName;
    FClassAncestor = Kind::ClassAncestor;
}

template <class Kind> void QCustomBar<Kind>::CreateHandle() {
    QFrame::CreateHandle();
    // The record size of this build rather than a fixed 20 (the i686 size): the control
    // steps through button arrays by it, and on x86_64 a TBBUTTON is 32 bytes.
    if constexpr (Kind::TakesButtons)
        if (HasWindow()) Perform(TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
}

// The dispatcher has raised OnClick and OnMouseDown for a press; the bars add only the reply.
// A record from another thread that the control could not use never reaches it; no event is
// raised for such a message either.
template <class Kind> void QCustomBar<Kind>::HandleMessage(QMessage& Message) {
    if (RefusesForeignRecord(Kind::Addresses, FHandle, Message.Msg, Message.WParam,
                             Message.LParam)) {
        Message.Result = 0;
        return;
    }
    QFrame::HandleMessage(Message);
    if (Message.Msg == WM_LBUTTONDOWN) Message.Result = 0;
}

template class QCustomBar<QToolBarKind>;
template class QCustomBar<QStatusBarKind>;

// The background stays the frame's own COLOR_WINDOW: the system controls draw the bars.
QToolBar::QToolBar() {
    SetControlDefaults(QToolBarKind::ClassName, WS_CHILD | CCS_NORESIZE | CCS_NOPARENTALIGN,
                       WS_EX_CONTROLPARENT, 215, 21, COLOR_WINDOW);
}

QStatusBar::QStatusBar() {
    SetControlDefaults(QStatusBarKind::ClassName,
                       WS_CHILD | SBARS_SIZEGRIP | CCS_NORESIZE | CCS_NOPARENTALIGN,
                       WS_EX_CONTROLPARENT, 215, 17, COLOR_WINDOW);
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
