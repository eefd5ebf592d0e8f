#include "controls/lists.h"
#include "object/window_class.h"

namespace {

void AnswerColors(QFrame& Control, QMessage& Message) {
    if (Message.Msg == QM_CTLCOLOR) Control.AnswerColorRequest(Message);
}

} // namespace

QCustomComboBox::QCustomComboBox() {
    FClassAncestor = "ComboBox";
    SetControlDefaults("QComboBox", FStyle, FExStyle, FWidth, FHeight, COLOR_WINDOW);
}

// The combo box's own edit field and drop-down list ask it for their colours: they get the
// component's, as the rest of the control does.
void QCustomComboBox::HandleMessage(QMessage& Message) {
    QFrame::HandleMessage(Message);
    if (Message.Msg != WM_CTLCOLOREDIT && Message.Msg != WM_CTLCOLORLISTBOX)
        return AnswerColors(*this, Message);
    COMBOBOXINFO parts{};
    parts.cbSize = sizeof parts;
    auto asking = reinterpret_cast<HWND>(Message.LParam);
    if (GetComboBoxInfo(FHandle, &parts) && (asking == parts.hwndItem || asking == parts.hwndList))
        AnswerColorRequest(Message);
}

QComboBox::QComboBox() {
    SetControlDefaults("QComboBox", WS_CHILD | CBS_DROPDOWN | CBS_HASSTRINGS | CBS_NOINTEGRALHEIGHT,
                       0, 115, 18, COLOR_WINDOW);
}

QCustomListBox::QCustomListBox() {
    FClassAncestor = "ListBox";
    SetControlDefaults("QListBox", FStyle, FExStyle, FWidth, FHeight, COLOR_WINDOW);
}

void QCustomListBox::HandleMessage(QMessage& Message) {
    QFrame::HandleMessage(Message);
    AnswerColors(*this, Message);
}

QListBox::QListBox() {
    SetControlDefaults("QListBox", WS_CHILD | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT,
                       WS_EX_CLIENTEDGE, 121, 21, COLOR_WINDOW);
}

QCustomScrollBar::QCustomScrollBar() {
    FClassName = "QScrollBar";
    FClassAncestor = "ScrollBar";
}

void QCustomScrollBar::HandleMessage(QMessage& Message) {
    QFrame::HandleMessage(Message);
    AnswerColors(*this, Message);
}

QScrollBar::QScrollBar() {
    SetControlDefaults("QScrollBar", WS_CHILD | SBS_HORZ, 0, 121, 17, COLOR_BTNFACE);
}

LRESULT CALLBACK ComboBoxWndProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam) {
    return FrameWindowProc<QComboBox>(Window, Msg, WParam, LParam);
}

LRESULT CALLBACK ListBoxWndProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam) {
    return FrameWindowProc<QListBox>(Window, Msg, WParam, LParam);
}

LRESULT CALLBACK ScrollBarWndProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam) {
    return FrameWindowProc<QScrollBar>(Window, Msg, WParam, LParam);
}

ATOM RegisterComboBoxClass() {
    return RegisterSuperclass("QComboBox", "ComboBox", &ComboBoxWndProc);
}
ATOM RegisterListBoxClass() {
    return RegisterSuperclass("QListBox", "ListBox", &ListBoxWndProc);
}
ATOM RegisterScrollBarClass() {
    return RegisterSuperclass("QScrollBar", "ScrollBar", &ScrollBarWndProc);
}
