#include "object/dialog_keys.h"

#include "controls/buttons.h"
#include "object/forms.h"
#include "object/window_class.h"

#include <vector>

namespace {

BOOL CALLBACK CollectButton(HWND Window, LPARAM List) {
    if (auto* button = dynamic_cast<QCustomButton*>(FrameOfWindow(Window)))
        reinterpret_cast<std::vector<QCustomButton*>*>(List)->push_back(button);
    return TRUE;
}

std::vector<QCustomButton*> ButtonsOf(QCustomForm& Form) {
    std::vector<QCustomButton*> buttons;
    EnumChildWindows(Form.Handle(), &CollectButton, reinterpret_cast<LPARAM>(&buttons));
    return buttons;
}

bool UsesDialogKeys(QCustomForm& Form, const std::vector<QCustomButton*>& Buttons) {
    if (Form.DialogKeys()) return true;
    for (QCustomButton* button : Buttons)
        if (button->Default() || button->Cancel()) return true;
    return false;
}

bool CanPress(QCustomButton* Button) {
    HWND window = Button->Handle();
    return IsWindowVisible(window) && IsWindowEnabled(window);
}

// A multi-line edit keeps Enter and Esc, and so does a combo box while its list is dropped.
// The control is asked without the message, which would switch an edit to its dialog manners.
bool ControlKeepsKey(HWND Focus, HWND Form) {
    if (SendMessageA(Focus, WM_GETDLGCODE, 0, 0) & DLGC_WANTALLKEYS) return true;
    for (HWND window = Focus; window && window != Form; window = GetParent(window)) {
        QFrame* frame = FrameOfWindow(window);
        if (frame && !lstrcmpiA(frame->ClassAncestor().c_str(), "combobox") &&
            SendMessageA(window, CB_GETDROPPEDSTATE, 0, 0))
            return true;
    }
    return false;
}

QCustomButton* PushButtonOf(HWND Window, const std::vector<QCustomButton*>& Buttons) {
    for (QCustomButton* button : Buttons)
        if (button->Handle() == Window && button->IsPushButton()) return button;
    return nullptr;
}

// Enter presses the focused push button, else the default one; Esc the cancel button.
QCustomButton* KeyTarget(WPARAM Key, HWND Focus, const std::vector<QCustomButton*>& Buttons) {
    if (Key == VK_RETURN)
        if (QCustomButton* focused = PushButtonOf(Focus, Buttons)) return focused;
    for (QCustomButton* button : Buttons)
        if ((Key == VK_RETURN ? button->Default() : button->Cancel()) && CanPress(button))
            return button;
    return nullptr;
}

} // namespace

QCustomForm* FormOfWindow(HWND Window) {
    return dynamic_cast<QCustomForm*>(FrameOfWindow(GetAncestor(Window, GA_ROOT)));
}

bool TranslateDialogKey(const MSG& Message) {
    if (Message.message != WM_KEYDOWN ||
        (Message.wParam != VK_RETURN && Message.wParam != VK_ESCAPE))
        return false;
    QCustomForm* form = FormOfWindow(Message.hwnd);
    if (!form) return false;
    std::vector<QCustomButton*> buttons = ButtonsOf(*form);
    if (!UsesDialogKeys(*form, buttons) || ControlKeepsKey(Message.hwnd, form->Handle()))
        return false;
    QCustomButton* target = KeyTarget(Message.wParam, Message.hwnd, buttons);
    if (!target) return false;
    SendMessageA(target->Handle(), BM_CLICK, 0, 0);
    return true;
}

void ShowDefaultLook(HWND Focus) {
    QCustomForm* form = FormOfWindow(Focus);
    if (!form) return;
    std::vector<QCustomButton*> buttons = ButtonsOf(*form);
    if (!UsesDialogKeys(*form, buttons)) return;
    QCustomButton* focused = PushButtonOf(Focus, buttons);
    for (QCustomButton* button : buttons) {
        if (!button->IsPushButton()) continue;
        bool look = focused ? button == focused : button->Default();
        if (((button->Style() & BS_TYPEMASK) == BS_DEFPUSHBUTTON) != look)
            SendMessageA(button->Handle(), BM_SETSTYLE, look ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON,
                         TRUE);
    }
}
