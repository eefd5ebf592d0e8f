// Modal forms and the dialog keys: what ShowModal answers for each way its loop ends, what it
// leaves enabled and active, nesting, and Enter and Esc in each kind of control. The messages a
// row posts before ShowModal are the loop's to handle.
#include "containers/panel.h"
#include "controls/buttons.h"
#include "controls/edits.h"
#include "controls/lists.h"
#include "object/dialog_keys.h"
#include "test_forms.h"

#include <array>
#include <cctype>
#include <cstring>
#include <memory>
#include <tuple>
#include <utility>

namespace {

// A dialog over the fixture's form: OK (the default), Cancel (the cancel button, whose result
// is told apart from the close box's), Yes (a push button whose press sets the result in code),
// an edit, a memo and a drop-down list.
struct Dialog {
    QForm form;
    QButton ok, cancel, yes;
    QEdit edit;
    QMemo memo;
    QComboBox list;
    explicit Dialog(bool Keys = true) {
        form.SetVisible(false);
        form.SetParent(nullptr);
        ok.SetModalResult(mrOk), ok.SetDefault(Keys);
        cancel.SetModalResult(mrIgnore), cancel.SetCancel(Keys);
        list.SetStyle(list.Style() | CBS_DROPDOWNLIST);
        int left = 0;
        for (QFrame* control :
             std::initializer_list<QFrame*>{&ok, &cancel, &yes, &edit, &memo, &list}) {
            // Not 0: a reflected click would raise OnClick a second time.
            control->SetID(100 + left);
            control->SetBounds(left, 0, 60, control == &list ? 150 : 30), left += 65;
            control->SetParent(&form);
        }
        list.Perform(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("one"));
    }
};

Dialog* Shown;    // the dialog of the row running, for the callbacks
std::string Kept; // the keys that reached the edit, the memo or the list
void Post(QFrame& To, UINT Msg, WPARAM WParam = 0) {
    PostMessageA(To.Handle(), Msg, WParam, 0);
}
void Key(QFrame& To, WPARAM Key) {
    Post(To, WM_KEYDOWN, Key);
}

struct ModalRow {
    const char* Name;
    void (*Post)(Dialog&);
    const char* Expected; // the result, then what the row looks at afterwards
};

const ModalRow ModalRows[] = {
    {"OK clicked", [](Dialog& D) { Post(D.ok, BM_CLICK); }, "1"},
    {"the close box", [](Dialog& D) { Post(D.form, WM_CLOSE); }, "2"},
    {"a close kept open by OnClose",
     [](Dialog& D) {
         D.form.OnClose = [](QFrame*, int& Action) { Action = 0; };
         Post(D.form, WM_CLOSE), Post(D.ok, BM_CLICK);
     },
     "1"},
    {"set in code", [](Dialog& D) { Post(D.yes, WM_LBUTTONDOWN); }, "6"},
    {"Enter in an edit", [](Dialog& D) { Key(D.edit, VK_RETURN); }, "1"},
    {"Esc in an edit", [](Dialog& D) { Key(D.edit, VK_ESCAPE); }, "5"},
    {"Enter on another push button", [](Dialog& D) { Key(D.yes, VK_RETURN); }, "6"},
    {"Enter on the cancel button", [](Dialog& D) { Key(D.cancel, VK_RETURN); }, "5"},
    {"Enter in a memo", [](Dialog& D) { Key(D.memo, VK_RETURN), Post(D.form, WM_CLOSE); },
     "2 kept 13"},
    {"Esc in a memo", [](Dialog& D) { Key(D.memo, VK_ESCAPE), Post(D.form, WM_CLOSE); },
     "2 kept 27"},
    {"Enter in a dropped list",
     [](Dialog& D) {
         Post(D.list, CB_SHOWDROPDOWN, TRUE), Key(D.list, VK_RETURN), Post(D.form, WM_CLOSE);
     },
     "2 kept 13"},
    {"Esc in a dropped list",
     [](Dialog& D) {
         Post(D.list, CB_SHOWDROPDOWN, TRUE), Key(D.list, VK_ESCAPE), Post(D.form, WM_CLOSE);
     },
     "2 kept 27"},
    {"Enter with the default button disabled",
     [](Dialog& D) { D.ok.SetEnabled(false), Key(D.edit, VK_RETURN), Post(D.form, WM_CLOSE); },
     "2 kept 13"},
    {"a quit message", [](Dialog&) { PostQuitMessage(7); }, "2 quit 7"},
    {"the window destroyed",
     [](Dialog& D) {
         D.yes.OnClick = [](QFrame*) { Shown->form.DestroyHandle(); };
         Post(D.yes, WM_LBUTTONDOWN);
     },
     "2 gone"},
};

// The owner of the rows' dialogs and another window of the thread, both to be disabled while a
// dialog is up and enabled again after it.
struct Modal : LibraryFormTest {
    QForm other;
    void SetUp() override {
        LibraryFormTest::SetUp();
        other.SetParent(nullptr);
        SetActiveWindow(form.Handle());
    }
    std::string Afterwards(Dialog& D) {
        std::string seen;
        seen += std::exchange(Kept, "");
        MSG quit;
        if (PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE))
            seen += " quit " + std::to_string(quit.wParam);
        if (!IsWindow(D.form.Handle()))
            seen += " gone";
        else if (IsWindowVisible(D.form.Handle()))
            seen += " still shown";
        if (!IsWindowEnabled(form.Handle()) || !IsWindowEnabled(other.Handle()))
            seen += " left disabled";
        if (GetActiveWindow() != form.Handle()) seen += " owner not active";
        return seen;
    }
};

} // namespace

TEST_F(Modal, ResultsAndTheKeysThatEndTheLoop) {
    for (const ModalRow& row : ModalRows) {
        SCOPED_TRACE(row.Name);
        Dialog dialog;
        Shown = &dialog;
        dialog.yes.OnClick = [](QFrame*) { Shown->form.SetModalResult(mrYes); };
        for (QFrame* control :
             std::initializer_list<QFrame*>{&dialog.edit, &dialog.memo, &dialog.list})
            control->OnKeyDown = [](QFrame*, uint16_t Key, int) {
                Kept += " kept " + std::to_string(Key);
            };
        row.Post(dialog);
        int result = dialog.form.ShowModal();
        EXPECT_EQ(std::to_string(result) + Afterwards(dialog), row.Expected);
        EXPECT_FALSE(dialog.form.Modal());
    }
}

// An inner dialog opened from the outer one's button disables the outer dialog too, and gives
// it back enabled and active; a second ShowModal of a form already up answers none.
TEST_F(Modal, NestsAndGivesEachLevelBackEnabled) {
    static std::string Seen;
    static Dialog *Outer, *Inner;
    Dialog outer, inner;
    Outer = &outer, Inner = &inner, Seen.clear();
    outer.yes.OnClick = [](QFrame*) {
        Seen += Join(Outer->form.ShowModal());
        Inner->ok.OnClick = [](QFrame*) {
            Seen += Join(IsWindowEnabled(Outer->form.Handle()), Inner->form.Modal());
        };
        Post(Inner->ok, BM_CLICK);
        Seen += Join(Inner->form.ShowModal(), GetActiveWindow() == Outer->form.Handle());
        Post(Outer->ok, BM_CLICK);
    };
    Post(outer.yes, BM_CLICK);
    Seen += Join(outer.form.ShowModal());
    EXPECT_EQ(Seen + Afterwards(outer), "0 0 1 1 1 1 ");
}

// The form deleted by a handler inside its own loop: the loop ends without touching it.
TEST_F(Modal, AFormDeletedInsideItsLoopEndsIt) {
    static Dialog* Doomed;
    Doomed = new Dialog;
    form.OnMenuCommand = [](QFrame*, int, int) { delete std::exchange(Doomed, nullptr); };
    Post(form, WM_COMMAND, 5);
    EXPECT_EQ(Doomed->form.ShowModal(), mrCancel);
    EXPECT_TRUE(IsWindowEnabled(form.Handle()) && IsWindowEnabled(other.Handle()));
}

// Destroying the owner takes the dialog's window with it, and leaves nothing disabled.
TEST_F(Modal, TheOwnerDestroyedEndsTheLoop) {
    Dialog dialog;
    Post(form, WM_CLOSE);
    EXPECT_EQ(dialog.form.ShowModal(), mrCancel);
    EXPECT_FALSE(IsWindow(form.Handle()) || IsWindow(dialog.form.Handle()));
    EXPECT_TRUE(IsWindowEnabled(other.Handle()));
}

// In a modeless form's loop too, Enter and Esc go to the buttons, but only in a form that uses
// such keys: the described loop hands them to the control. The default look follows the focus
// between push buttons.
TEST_F(Modal, DialogKeysOnlyWhereAFormUsesThem) {
    static int Pressed;
    // Keys on, a default and a cancel button: Enter then Esc in the edit, then Enter on Yes.
    const std::tuple<bool, bool, const char*> rows[] = {
        {false, false, "0 0 0 "},
        {false, true, "1 1 1 "},
        {true, false, "0 0 1 "},
    };
    for (auto [keys, buttons, expected] : rows) {
        Dialog dialog(buttons);
        dialog.form.SetDialogKeys(keys);
        dialog.form.SetVisible(true); // a hidden form's buttons are pressed by no key
        Pressed = 0;
        dialog.ok.OnClick = dialog.cancel.OnClick = dialog.yes.OnClick = [](QFrame*) { ++Pressed; };
        std::string seen;
        for (auto [to, key] : {std::pair<QFrame*, WPARAM>{&dialog.edit, VK_RETURN},
                               {&dialog.edit, VK_ESCAPE},
                               {&dialog.yes, VK_RETURN}}) {
            MSG message{to->Handle(), WM_KEYDOWN, key, 1, 0, {}};
            QApplication::HandleThreadMessage(message);
            seen += Join(std::exchange(Pressed, 0));
        }
        EXPECT_EQ(seen, expected) << keys << buttons;
    }
    QButton styled; // made with the default style, as a designed form makes it
    styled.SetStyle(styled.Style() | BS_DEFPUSHBUTTON);
    styled.SetParent(&form);
    EXPECT_TRUE(styled.Default());
    Dialog dialog;
    auto looks = [&] {
        std::string seen;
        for (QButton* button : {&dialog.ok, &dialog.cancel, &dialog.yes})
            seen += Join(button->Style() & BS_TYPEMASK);
        return seen;
    };
    dialog.form.SetVisible(true);
    std::string seen = looks();
    for (QFrame* focus :
         std::initializer_list<QFrame*>{&dialog.yes, &dialog.cancel, &dialog.edit}) {
        focus->SetFocus();
        seen += "| " + looks();
    }
    EXPECT_EQ(seen, "1 0 0 | 0 0 1 | 0 1 0 | 1 0 0 ");
}

namespace {

// A form with dialog keys: edits that Tab must pass over (hidden, disabled, without TabStop,
// inside a disabled panel), a radio group, a panel holding a button, a label naming an edit,
// a button and a check box with mnemonics.
struct KeyboardForm {
    QForm form;
    QEdit first, hidden, disabled, unstopped, deep, name;
    QRadioButton red, green, blue;
    QPanel holder, off;
    QButton inner, go;
    QLabel label;
    QCheckBox check;
    explicit KeyboardForm(bool Keys) {
        form.SetDialogKeys(Keys);
        form.SetParent(nullptr);
        int top = 0;
        auto place = [&](QFrame& Control, const char* Name, QFrame& Holder, bool Stop = true) {
            Control.SetName(Name);
            Control.SetTabStop(Stop);
            Control.SetBounds(0, top, 60, 20), top += 22;
            Control.SetParent(&Holder);
        };
        place(first, "first", form), place(hidden, "hidden", form);
        place(disabled, "disabled", form), place(unstopped, "unstopped", form, false);
        place(red, "red", form), place(green, "green", form, false);
        place(blue, "blue", form, false);
        place(holder, "holder", form, false), place(inner, "inner", holder);
        place(off, "off", holder, false), place(deep, "deep", off);
        place(label, "label", form, false), place(name, "name", form);
        place(go, "go", form), place(check, "check", form);
        hidden.SetVisible(false), disabled.SetEnabled(false), off.SetEnabled(false);
        green.Perform(BM_SETCHECK, BST_CHECKED, 0);
        label.SetText("&Name"), go.SetText("&Go"), check.SetText("&Check");
        label.SetFocusControl(&name);
        go.SetID(7); // not 0: a reflected click would raise OnClick a second time
        holder.SetHeight(100);
    }
};

// Each key of Keys (Tab "T", Shift+Tab "S", the arrows "<" and ">", Alt and a letter as the
// letter in lower case) through the loop, then the focused component's name, a space after each.
std::string Walk(const std::string& Keys) {
    std::string seen;
    for (char key : Keys) {
        BYTE state[256] = {};
        state[VK_SHIFT] = key == 'S' ? 0x80 : 0;
        SetKeyboardState(state);
        bool alt = std::islower(static_cast<unsigned char>(key));
        WPARAM code = key == 'T' || key == 'S' ? VK_TAB
                      : key == '<'             ? VK_UP
                      : key == '>'             ? VK_DOWN
                                               : std::toupper(key);
        MSG message{GetFocus(), UINT(alt ? WM_SYSKEYDOWN : WM_KEYDOWN), code, 1, 0, {}};
        QApplication::HandleThreadMessage(message);
        QFrame* focused = FrameOfWindow(GetFocus());
        seen += (focused ? focused->Name() : "?") + " ";
    }
    SetKeyboardState(std::array<BYTE, 256>{}.data());
    return seen;
}

} // namespace

// Tab and Shift+Tab stop at the visible, enabled components with TabStop, the radio group
// once (at its checked button), into and out of the panel; the arrows go round the group and
// check; mnemonics press the button, check the box and take a label to its edit. Without the
// form's dialog keys, Tab is the described step, to the next component whatever it is.
TEST_F(LibraryFormTest, DialogKeysWalkTheStopsAndPressTheMnemonics) {
    const std::tuple<bool, const char*, const char*> rows[] = {
        {true, "TTTTTT", "green inner name go check first "},
        {true, "SSSSSS", "check go name inner green first "},
        {true, "T>>><", "green blue red green red "},
        {true, "T>TS", "green blue inner blue "},
        {true, "ngc", "name go check "},
        {false, "T", "hidden "},
    };
    for (auto [keys, walk, expected] : rows) {
        KeyboardForm keyboard(keys);
        static int Pressed;
        Pressed = 0;
        keyboard.go.OnClick = [](QFrame*) { ++Pressed; };
        keyboard.first.SetFocus();
        std::string seen = Walk(walk);
        seen += Join(Pressed, keyboard.check.Perform(BM_GETCHECK, 0, 0));
        EXPECT_EQ(seen, expected + Join(walk[0] == 'n', walk[0] == 'n')) << walk;
    }
    // A label's component, once destroyed, is named no more.
    KeyboardForm keyboard(true);
    auto doomed = std::make_unique<QEdit>();
    keyboard.label.SetFocusControl(doomed.get());
    doomed.reset();
    EXPECT_EQ(keyboard.label.FocusControl(), nullptr);
}

// Keys through the loop to an edit of a form with shortcuts: each one held with its modifiers
// raises the form's OnAccelCommand with its command; other keys, the keys without their
// modifiers, a form without shortcuts and another form's edit get no command.
TEST_F(LibraryFormTest, ShortcutsRaiseTheFormsCommands) {
    static std::string Commands;
    QForm plain;
    plain.SetParent(nullptr);
    QEdit edit, plainEdit;
    edit.SetParent(&form), plainEdit.SetParent(&plain);
    std::vector<QShortcut> shortcuts(3);
    ParseShortcut("Ctrl+S", shortcuts[0]), ParseShortcut("F5", shortcuts[1]);
    ParseShortcut("Ctrl+Shift+N", shortcuts[2]);
    for (int i = 0; i < 3; ++i)
        shortcuts[i].Command = static_cast<uint16_t>(101 + i);
    form.SetShortcuts(shortcuts);
    for (QForm* each : {&form, &plain})
        each->OnAccelCommand = [](QFrame* Sender, int Id, int Code) {
            Commands +=
                Sender->Name() + " " + std::to_string(Id) + " " + std::to_string(Code) + "; ";
        };
    form.SetName("shortcuts"), plain.SetName("plain");
    const std::tuple<QEdit*, const char*, WPARAM> rows[] = {
        {&edit, "Ctrl", 'S'},      {&edit, "", 'S'},          {&edit, "", VK_F5},
        {&edit, "Ctrl", 'N'},      {&edit, "CtrlShift", 'N'}, {&edit, "Shift", VK_F5},
        {&plainEdit, "Ctrl", 'S'},
    };
    for (auto [to, held, key] : rows) {
        BYTE state[256] = {};
        state[VK_CONTROL] = std::strstr(held, "Ctrl") ? 0x80 : 0;
        state[VK_SHIFT] = std::strstr(held, "Shift") ? 0x80 : 0;
        SetKeyboardState(state);
        MSG message{to->Handle(), WM_KEYDOWN, key, 1, 0, {}};
        QApplication::HandleThreadMessage(message);
        Commands += "| ";
    }
    SetKeyboardState(std::array<BYTE, 256>{}.data());
    EXPECT_EQ(Commands, "shortcuts 101 1; | | shortcuts 102 1; | | shortcuts 103 1; | | | ");
}
