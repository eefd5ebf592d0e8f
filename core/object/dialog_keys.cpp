#include "object/dialog_keys.h"

#include "controls/buttons.h"
#include "object/forms.h"
#include "object/window_class.h"

#include <algorithm>
#include <cctype>
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

// Shown and enabled, with every holder up to the form: a key may give it the focus.
bool CanFocus(QFrame& Frame, HWND Form) {
    if (!IsWindowVisible(Frame.Handle())) return false;
    for (HWND window = Frame.Handle(); window && window != Form; window = GetParent(window))
        if (!IsWindowEnabled(window)) return false;
    return true;
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
QCustomButton* KeyTarget(WPARAM Key, HWND Focus, HWND Form,
                         const std::vector<QCustomButton*>& Buttons) {
    if (Key == VK_RETURN)
        if (QCustomButton* focused = PushButtonOf(Focus, Buttons)) return focused;
    for (QCustomButton* button : Buttons)
        if ((Key == VK_RETURN ? button->Default() : button->Cancel()) && CanFocus(*button, Form))
            return button;
    return nullptr;
}

bool PressButtonKey(const MSG& Message, QCustomForm& Form,
                    const std::vector<QCustomButton*>& Buttons) {
    if (ControlKeepsKey(Message.hwnd, Form.Handle())) return false;
    QCustomButton* target = KeyTarget(Message.wParam, Message.hwnd, Form.Handle(), Buttons);
    if (!target) return false;
    SendMessageA(target->Handle(), BM_CLICK, 0, 0);
    return true;
}

bool IsRadio(QFrame* Frame) {
    return dynamic_cast<QRadioButton*>(Frame) != nullptr;
}

// The form's components in the designed order, each holder before what it holds, with the
// range of places of the radio group each belongs to (its own place for any other).
struct Place {
    QFrame* Frame;
    size_t First, Last;
};

void CollectPlaces(QFrame& Holder, std::vector<Place>& Places) {
    size_t group = 0;
    for (int i = 0; i < Holder.ControlCount(); ++i) {
        QFrame* control = Holder.Controls(i);
        bool joins =
            IsRadio(control) && i > 0 && IsRadio(Holder.Controls(i - 1)) && !control->Group();
        if (!joins) group = Places.size();
        for (size_t member = group; member < Places.size(); ++member)
            if (Places[member].First == group) Places[member].Last = Places.size();
        Places.push_back({control, group, Places.size()});
        CollectPlaces(*control, Places);
    }
}

// The place of the component that has the focus (the innermost one holding the focus window),
// or none.
size_t FocusedPlace(const std::vector<Place>& Places, HWND Focus) {
    size_t found = Places.size();
    for (size_t i = 0; i < Places.size(); ++i) {
        HWND window = Places[i].Frame->Handle();
        if (window && (window == Focus || IsChild(window, Focus))) found = i;
    }
    return found;
}

// The place Tab stops at for a group starting at First: the checked radio button that can
// take the focus, else the first that can, and only when one of them has TabStop. Any other
// component stops when it can take the focus and has TabStop.
QFrame* StopAt(const std::vector<Place>& Places, size_t First, HWND Form) {
    const Place& place = Places[First];
    if (!IsRadio(place.Frame))
        return place.Frame->TabStop() && CanFocus(*place.Frame, Form) ? place.Frame : nullptr;
    QFrame *checked = nullptr, *first = nullptr;
    bool stop = false;
    for (size_t i = First; i <= place.Last; ++i) {
        QFrame* radio = Places[i].Frame;
        if (Places[i].First != First || !CanFocus(*radio, Form)) continue;
        stop = stop || radio->TabStop();
        if (!first) first = radio;
        if (!checked && radio->Perform(BM_GETCHECK, 0, 0) == BST_CHECKED) checked = radio;
    }
    return stop ? (checked ? checked : first) : nullptr;
}

void GiveFocus(QFrame& Frame) {
    Frame.SetFocus();
    // As in a dialog, an edit reached by the keyboard has its text selected.
    if (SendMessageA(Frame.Handle(), WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL)
        SendMessageA(Frame.Handle(), EM_SETSEL, 0, -1);
}

// The stop after (or with Back before) the place At, around; from no place (At at the end) the
// first or the last. Null when nothing can take the focus.
QFrame* NextStop(const std::vector<Place>& Places, size_t At, bool Back, HWND Form) {
    size_t count = Places.size();
    size_t from = At == count ? (Back ? 0 : count - 1) : Back ? Places[At].First : Places[At].Last;
    for (size_t step = 1; step <= count; ++step) {
        size_t i = Back ? (from + count * 2 - step) % count : (from + step) % count;
        if (Places[i].First != i && IsRadio(Places[i].Frame)) continue; // one stop per group
        if (QFrame* stop = StopAt(Places, i, Form)) return stop;
    }
    return nullptr;
}

// Tab and Shift+Tab: the next or previous stop from the focused component's group.
bool StepTab(QCustomForm& Form, HWND Focus, bool Back) {
    std::vector<Place> places;
    CollectPlaces(Form, places);
    if (QFrame* stop = NextStop(places, FocusedPlace(places, Focus), Back, Form.Handle()))
        GiveFocus(*stop);
    return !places.empty();
}

// The arrow keys within the focused radio button's group: the next or previous member that
// can take the focus, around, checked as it takes it.
bool StepRadioGroup(QCustomForm& Form, HWND Focus, bool Back) {
    std::vector<Place> places;
    CollectPlaces(Form, places);
    size_t at = FocusedPlace(places, Focus);
    if (at == places.size() || places[at].Frame->Handle() != Focus || !IsRadio(places[at].Frame))
        return false;
    std::vector<QFrame*> group;
    for (size_t i = places[at].First; i <= places[at].Last; ++i)
        if (places[i].First == places[at].First && CanFocus(*places[i].Frame, Form.Handle()))
            group.push_back(places[i].Frame);
    size_t mine = std::find(group.begin(), group.end(), places[at].Frame) - group.begin();
    if (mine == group.size()) return false;
    QFrame* next = group[(mine + (Back ? group.size() - 1 : 1)) % group.size()];
    next->SetFocus();
    next->Perform(BM_CLICK, 0, 0);
    return true;
}

// The letter after a single & in Text, upper-cased; 0 when there is none.
char MnemonicOf(const std::string& Text) {
    for (size_t i = 0; i + 1 < Text.size(); ++i)
        if (Text[i] == '&') {
            if (Text[i + 1] != '&') return static_cast<char>(std::toupper(Text[i + 1]));
            ++i;
        }
    return 0;
}

// Alt with a letter or digit: a button, check box or radio button with that mnemonic is
// pressed, a label gives the focus to its component or else to the stop after it.
bool PressMnemonic(QCustomForm& Form, WPARAM Key) {
    std::vector<Place> places;
    CollectPlaces(Form, places);
    for (size_t i = 0; i < places.size(); ++i) {
        QFrame* frame = places[i].Frame;
        if (!CanFocus(*frame, Form.Handle()) || MnemonicOf(frame->Text()) != char(Key)) continue;
        if (auto* label = dynamic_cast<QCustomLabel*>(frame)) {
            // Without a component of its own, the stop after it, as a dialog's static gives.
            QFrame* target = label->FocusControl();
            if (!target) target = NextStop(places, i, false, Form.Handle());
            if (!target || !CanFocus(*target, Form.Handle())) continue;
            GiveFocus(*target);
            return true;
        }
        auto* button = dynamic_cast<QCustomButton*>(frame);
        if (!button || (button->Style() & BS_TYPEMASK) == BS_GROUPBOX) continue;
        button->Perform(BM_CLICK, 0, 0); // its press takes the focus, as a click does
        return true;
    }
    return false;
}

// The keys a form with DialogKeys answers beyond Enter and Esc; keyboard use also shows the
// focus and accelerator cues the platform may hide until then (Wine keeps no such state).
bool MoveByKey(const MSG& Message, QCustomForm& Form) {
    WPARAM key = Message.wParam;
    bool shift = GetKeyState(VK_SHIFT) < 0;
    // The key with Alt goes on to default processing, which would open the window's menu on
    // Alt's release had it not seen it; its character is the mnemonic.
    if (Message.message == WM_SYSKEYDOWN) {
        SendMessageA(Form.Handle(), WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEACCEL), 0);
        return false;
    }
    if (Message.message == WM_SYSCHAR) {
        key = static_cast<WPARAM>(std::toupper(static_cast<int>(key & 0xFF)));
        bool letter = (key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z');
        return letter && PressMnemonic(Form, key);
    }
    if (key != VK_TAB && (key < VK_LEFT || key > VK_DOWN)) return false;
    SendMessageA(Form.Handle(), WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
    if (key == VK_TAB) return GetKeyState(VK_CONTROL) >= 0 && StepTab(Form, Message.hwnd, shift);
    return StepRadioGroup(Form, Message.hwnd, key == VK_LEFT || key == VK_UP);
}

} // namespace

void FocusInside(QCustomForm& Form, HWND Last) {
    QFrame* last = FrameOfWindow(Last);
    if (last && IsChild(Form.Handle(), Last) && CanFocus(*last, Form.Handle())) {
        last->SetFocus();
        return;
    }
    std::vector<Place> places;
    CollectPlaces(Form, places);
    if (QFrame* first = NextStop(places, places.size(), false, Form.Handle())) GiveFocus(*first);
}

QCustomForm* FormOfWindow(HWND Window) {
    return dynamic_cast<QCustomForm*>(FrameOfWindow(GetAncestor(Window, GA_ROOT)));
}

bool TranslateDialogKey(MSG& Message) {
    if (Message.message != WM_KEYDOWN && Message.message != WM_SYSKEYDOWN &&
        Message.message != WM_SYSCHAR)
        return false;
    QCustomForm* form = FormOfWindow(Message.hwnd);
    if (!form) return false;
    if (form->TranslateShortcut(Message)) return true;
    if (form->DialogKeys() && MoveByKey(Message, *form)) return true;
    if (Message.message != WM_KEYDOWN ||
        (Message.wParam != VK_RETURN && Message.wParam != VK_ESCAPE))
        return false;
    std::vector<QCustomButton*> buttons = ButtonsOf(*form);
    return UsesDialogKeys(*form, buttons) && PressButtonKey(Message, *form, buttons);
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
