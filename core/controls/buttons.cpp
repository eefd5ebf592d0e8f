#include "controls/buttons.h"
#include "object/diagnostics.h"
#include "object/dialog_keys.h"
#include "object/forms.h"
#include "object/window_class.h"

namespace {

// Shared by labels and buttons: colours on request, and OnClick from a reflected notification
// of a control whose identifier is 0 (whatever the notification code).
void AnswerLabelMessage(QFrame& Control, QMessage& Message) {
    if (Message.Msg == QM_CTLCOLOR) Control.AnswerColorRequest(Message);
    if (Message.Msg == QM_COMMAND && Message.WParam == 0 && Control.OnClick)
        Control.OnClick(Control.Self());
}

} // namespace

QCustomLabel::QCustomLabel() {
    FClassAncestor = "static";
    WatchHolder(&FFocusControl);
}

QCustomLabel::~QCustomLabel() {
    UnwatchHolder(&FFocusControl);
}

void QCustomLabel::HandleMessage(QMessage& Message) {
    QFrame::HandleMessage(Message);
    AnswerLabelMessage(*this, Message);
}

QLabel::QLabel() {
    SetControlDefaults("QLabel", WS_CHILD | SS_NOTIFY, 0, 115, 18, COLOR_WINDOW);
}

QCustomButton::QCustomButton() {
    FClassAncestor = "button";
}

void QCustomButton::HandleMessage(QMessage& Message) {
    QFrame::HandleMessage(Message);
    if (Message.Msg == WM_CREATE) {
        WriteDiagnosticLine(FClassName);
        Message.Result = 0;
        // A push button made with the default style, as a designed form gives it, is the
        // form's default button; a window made by class name has it in the window only.
        if ((Style() & BS_TYPEMASK) == BS_DEFPUSHBUTTON) FDefault = true;
    }
    AnswerLabelMessage(*this, Message);
    switch (Message.Msg) {
    case QM_COMMAND:
        if (Message.LParam == BN_CLICKED && FModalResult != mrNone)
            if (QCustomForm* form = FormOfWindow(FHandle)) form->SetModalResult(FModalResult);
        break;
    case WM_SETFOCUS:
        ShowDefaultLook(FHandle);
        break;
    case WM_KILLFOCUS:
        ShowDefaultLook(reinterpret_cast<HWND>(Message.WParam));
        break;
    }
}

void QCustomButton::SetDefault(bool Value) {
    FDefault = Value;
    if (IsPushButton()) SetStyle((Style() & ~BS_TYPEMASK) | (Value ? BS_DEFPUSHBUTTON : 0));
}

bool QCustomButton::IsPushButton() {
    return (Style() & BS_TYPEMASK) <= BS_DEFPUSHBUTTON;
}

QButton::QButton() {
    SetControlDefaults("QButton", WS_CHILD | BS_PUSHBUTTON, 0, 75, 35, COLOR_WINDOW);
}

QRadioButton::QRadioButton() {
    SetControlDefaults("QRadioButton", WS_CHILD | BS_AUTORADIOBUTTON, 0, 97, 19, COLOR_WINDOW);
}

QCheckBox::QCheckBox() {
    SetControlDefaults("QCheckBox", WS_CHILD | BS_AUTOCHECKBOX, 0, 97, 19, COLOR_WINDOW);
}

QGroupBox::QGroupBox() {
    SetControlDefaults("QGroupBox", WS_CHILD | BS_GROUPBOX, WS_EX_TRANSPARENT, 221, 51,
                       COLOR_WINDOW);
}

LRESULT CALLBACK LabelWndProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam) {
    return FrameWindowProc<QLabel>(Window, Msg, WParam, LParam);
}

LRESULT CALLBACK ButtonWndProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam) {
    return FrameWindowProc<QButton>(Window, Msg, WParam, LParam);
}

ATOM RegisterLabelClass() {
    return RegisterSuperclass("QLabel", "Static", &LabelWndProc);
}
ATOM RegisterButtonClass() {
    return RegisterSuperclass("QButton", "Button", &ButtonWndProc);
}
ATOM RegisterRadioButtonClass() {
    return RegisterSuperclass("QRadioButton", "Button", &ButtonWndProc);
}
ATOM RegisterCheckBoxClass() {
    return RegisterSuperclass("QCheckBox", "Button", &ButtonWndProc);
}
ATOM RegisterGroupBoxClass() {
    return RegisterSuperclass("QGroupBox", "Button", &ButtonWndProc);
}
