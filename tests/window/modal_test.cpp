// Modal forms and a form's keyboard: what ShowModal answers for each way its loop ends and what
// it leaves enabled and active, nesting; then keys through the loop's translation (Tab, the
// arrows, mnemonics, Enter and Esc, shortcuts) with the form's dialog keys on and off.
#include "containers/panel.h"
#include "controls/buttons.h"
#include "controls/edits.h"
#include "controls/lists.h"
#include "test_forms.h"

#include <array>
#include <cctype>
#include <iterator>
#include <map>
#include <memory>
#include <sstream>

namespace {

std::string Notes; // what the board's components raised, a space after each

enum Board : int { Keys = 1, Buttons = 2, Shortcuts = 4 };

// A hidden form: OK (the default button, result mrOk), Cancel (the cancel button, mrIgnore, told
// apart from the close box's mrCancel), Yes, and for the keys edits that Tab must pass over
// (hidden, disabled, without TabStop, inside a disabled panel), a memo, a drop-down list, a
// radio group, a panel holding a button, a label naming an edit, mnemonics.
struct BoardForm {
    QForm form;
    QButton ok, cancel, yes, inner, go;
    QEdit first, hidden, disabled, unstopped, deep, name;
    QMemo memo;
    QComboBox list;
    QRadioButton red, green, blue;
    QPanel holder, off;
    QLabel label, second;
    QCheckBox check;
    std::map<std::string, QFrame*> Named;

    explicit BoardForm(int Kind) {
        form.SetDialogKeys(Kind & Keys);
        form.SetVisible(false);
        form.SetParent(nullptr);
        const char* const shortcuts[] = {"Ctrl+S", "F5", "Ctrl+Shift+N"};
        std::vector<QShortcut> keys(3);
        for (size_t i = 0; i < keys.size(); ++i) {
            ParseShortcut(shortcuts[i], keys[i]);
            keys[i].Command = static_cast<uint16_t>(101 + i);
        }
        if (Kind & Shortcuts) form.SetShortcuts(keys);
        form.OnAccelCommand = [](QFrame*, int Id, int) { Notes += std::to_string(Id) + " "; };
        ok.SetModalResult(mrOk), ok.SetDefault(Kind & Buttons);
        cancel.SetModalResult(mrIgnore), cancel.SetCancel(Kind & Buttons);
        list.SetStyle(list.Style() | CBS_DROPDOWNLIST);
        int top = 0;
        QFrame* const controls[] = {&ok,   &cancel, &yes,   &first, &hidden, &disabled, &unstopped,
                                    &memo, &list,   &red,   &green, &blue,   &holder,   &inner,
                                    &off,  &deep,   &label, &name,  &go,     &second,   &check};
        const char* const texts[] = {"ok",        "cancel",  "yes",   "first", "hidden", "disabled",
                                     "unstopped", "memo",    "list",  "red",   "green",  "blue",
                                     "holder",    "inner",   "off",   "deep",  "&Name",  "name",
                                     "&go",       "&second", "&check"};
        for (size_t i = 0; i < std::size(controls); ++i) {
            QFrame* control = controls[i];
            const char* text = texts[i];
            QFrame* in = &form;
            if (control == &inner || control == &off) in = &holder;
            if (control == &deep) in = &off;
            control->SetName(text[0] == '&' ? std::string(text + 1) : text);
            Named[control->Name()] = control;
            control->SetText(text);
            // Tab stops where the walk expects them; identifiers that are not 0, for which a
            // reflected click would raise OnClick a second time.
            bool stop = control == &first || control == &inner || control == &deep ||
                        control == &hidden || control == &disabled || control == &name ||
                        control == &go || control == &check || control == &red;
            control->SetTabStop(stop);
            control->SetID(100 + top);
            control->SetBounds(0, top, 60, control == &list ? 150 : control == &holder ? 80 : 20);
            top += 22;
            control->SetParent(in);
            control->OnClick = [](QFrame* S) { Notes += S->Name() + " "; };
            control->OnKeyDown = [](QFrame* S, uint16_t Key, int) {
                if (Key == VK_RETURN || Key == VK_ESCAPE)
                    Notes += S->Name() + " " + std::to_string(Key) + " ";
            };
        }
        hidden.SetVisible(false), disabled.SetEnabled(false), off.SetEnabled(false);
        green.Perform(BM_SETCHECK, BST_CHECKED, 0);
        label.SetFocusControl(&name);
        Named["form"] = &form;
        blue.SetGroup(true); // a group of its own, without a tab stop
        check.SetText("&&more &check");
        list.Perform(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("one"));
    }

    // Each of Keys through the loop's translation to the focused window: a shortcut's text
    // ("Shift+Tab", "Alt+N"), "@name" to focus a component, "-name" to disable it, "Drop" to
    // drop the list. The focused component's name after each, then the notes.
    std::string Walk(const std::string& Keys) {
        std::istringstream tokens(Keys);
        std::string seen;
        Notes.clear();
        for (std::string token; tokens >> token;) {
            QShortcut key;
            if (token[0] == '@') Named[token.substr(1)]->SetFocus();
            if (token[0] == '-') Named[token.substr(1)]->SetEnabled(false);
            if (token == "Drop") list.Perform(CB_SHOWDROPDOWN, TRUE, 0);
            if (token[0] != '@' && token[0] != '-' && token != "Drop" &&
                ParseShortcut(token, key)) {
                BYTE state[256] = {};
                state[VK_SHIFT] = key.Modifiers & FSHIFT ? 0x80 : 0;
                state[VK_CONTROL] = key.Modifiers & FCONTROL ? 0x80 : 0;
                SetKeyboardState(state);
                // With Alt, the character the loop gets once the key is translated.
                bool alt = key.Modifiers & FALT;
                WPARAM code = alt ? static_cast<WPARAM>(std::tolower(key.Key)) : key.Key;
                MSG message{GetFocus(), UINT(alt ? WM_SYSCHAR : WM_KEYDOWN), code, 1, 0, {}};
                QApplication::HandleThreadMessage(message);
                SetKeyboardState(std::array<BYTE, 256>{}.data());
            }
            QFrame* focused = FrameOfWindow(GetFocus());
            seen += (focused ? focused->Name() : "?") + " ";
        }
        return seen + "| " + Notes;
    }
};

BoardForm* Shown; // the board of the row running, for the callbacks

// The owner of the boards shown modally and another window of the thread: both are disabled
// while a board is up and enabled again after it.
struct Modal : LibraryFormTest {
    QForm other;
    void SetUp() override {
        LibraryFormTest::SetUp();
        other.SetParent(nullptr);
        SetActiveWindow(form.Handle());
    }
    std::string Afterwards(BoardForm& Board) {
        std::string seen;
        MSG quit;
        if (PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE))
            seen += " quit " + std::to_string(quit.wParam);
        if (!IsWindow(Board.form.Handle()))
            seen += " gone";
        else if (IsWindowVisible(Board.form.Handle()))
            seen += " still shown";
        if (!IsWindowEnabled(form.Handle()) || !IsWindowEnabled(other.Handle()))
            seen += " left disabled";
        if (GetActiveWindow() != form.Handle()) seen += " owner not active";
        return seen;
    }
};

void Post(QFrame& To, UINT Msg, WPARAM WParam = 0) {
    PostMessageA(To.Handle(), Msg, WParam, 0);
}

} // namespace

// The messages a row posts before ShowModal are its loop's to handle.
TEST_F(Modal, ResultsOfEachWayTheLoopEnds) {
    const std::pair<void (*)(BoardForm&), const char*> rows[] = {
        {[](BoardForm& B) { Post(B.ok, BM_CLICK); }, "1"},
        {[](BoardForm& B) { Post(B.form, WM_CLOSE); }, "2"},
        {[](BoardForm& B) {
             B.form.OnClose = [](QFrame*, int& Action) { Action = 0; };
             Post(B.form, WM_CLOSE), Post(B.ok, BM_CLICK);
         },
         "1"},
        {[](BoardForm& B) {
             B.yes.OnClick = [](QFrame*) { Shown->form.SetModalResult(mrYes); };
             Post(B.yes, WM_LBUTTONDOWN);
         },
         "6"},
        {[](BoardForm& B) { Post(B.first, WM_KEYDOWN, VK_RETURN); }, "1"},
        {[](BoardForm& B) { Post(B.first, WM_KEYDOWN, VK_ESCAPE); }, "5"},
        {[](BoardForm&) { PostQuitMessage(7); }, "2 quit 7"},
        {[](BoardForm& B) {
             B.yes.OnClick = [](QFrame*) { Shown->form.DestroyHandle(); };
             Post(B.yes, WM_LBUTTONDOWN);
         },
         "2 gone"},
    };
    for (auto [post, expected] : rows) {
        BoardForm board(Buttons);
        Shown = &board;
        post(board);
        int result = board.form.ShowModal();
        EXPECT_EQ(std::to_string(result) + Afterwards(board), expected);
        EXPECT_FALSE(board.form.Modal());
    }
}

// An inner board opened from the outer one's button disables the outer one too and gives it
// back enabled and active; a second ShowModal of a form already up answers none. A board
// deleted inside its loop ends it untouched; the owner destroyed takes the board's window.
TEST_F(Modal, NestsAndEndsWithTheFormOrItsOwner) {
    static std::string Seen;
    static BoardForm *Outer, *Inner;
    BoardForm outer(0), inner(0);
    Outer = &outer, Inner = &inner;
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
    // A dialog made by ShowModal comes up over the middle of the window active before.
    QForm dialog;
    dialog.SetFormKind(fkDialog);
    dialog.SetBounds(0, 0, 100, 60);
    PostMessageA(nullptr, WM_QUIT, 0, 0);
    SetActiveWindow(form.Handle());
    HWND active = GetActiveWindow();
    dialog.ShowModal();
    PeekMessageA(nullptr, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
    RECT over, shown;
    GetWindowRect(active, &over), GetWindowRect(dialog.Handle(), &shown);
    EXPECT_EQ(Join(shown.left + shown.right, shown.top + shown.bottom),
              Join(over.left + over.right, over.top + over.bottom));
    Shown = new BoardForm(0);
    form.OnMenuCommand = [](QFrame*, int, int) { delete std::exchange(Shown, nullptr); };
    Post(form, WM_COMMAND, 5);
    EXPECT_EQ(Shown->form.ShowModal(), mrCancel);
    Post(form, WM_CLOSE);
    EXPECT_EQ(inner.form.ShowModal(), mrCancel);
    EXPECT_FALSE(IsWindow(form.Handle()) || IsWindow(inner.form.Handle()));
    EXPECT_TRUE(IsWindowEnabled(other.Handle()));
}

// Each row: the board's kind, keys from the first edit, and what Walk sees.
TEST_F(LibraryFormTest, KeysThroughTheLoop) {
    const std::tuple<int, const char*, const char*> rows[] = {
        // Tab and Shift+Tab stop at the visible, enabled components with TabStop, at a radio
        // group once (its checked button), into and out of the panel.
        {Keys, "Tab Tab Tab Tab Tab Tab", "green inner name go check first | "},
        {Keys, "Shift+Tab Shift+Tab Shift+Tab Shift+Tab Shift+Tab Shift+Tab",
         "check go name inner green first | "},
        // The arrows go round the group, checking; Tab leaves it from the one checked.
        {Keys, "Tab Down Down Down Up", "green red green red green | red green red green "},
        {Keys, "Tab Down Tab Shift+Tab", "green red inner red | red "},
        // A mnemonic presses its button, checks its box, takes its label to its edit.
        {Keys, "Alt+N Alt+G Alt+C Alt+Z", "name go check check | go check "},
        // A label without a component of its own gives the focus to the stop after it.
        {Keys, "Alt+S", "check | "},
        // The focus the form itself gets goes on to the first stop.
        {Keys, "@form", "first | "},
        // Without the form's keys, Tab is the described step: to the next component.
        {0, "Tab", "hidden | "},
        // Enter presses the default button or the focused push button, Esc the cancel button;
        // a memo and a dropped list keep both, and so does a form that uses neither.
        {Buttons, "Enter Esc", "ok cancel | ok cancel "},
        {Keys, "@yes Enter @first Enter", "yes yes first first | yes first 13 "},
        {0, "Enter Esc", "first first | first 13 first 27 "},
        {Buttons, "@memo Enter Esc", "memo memo memo | memo 13 memo 27 "},
        {Buttons, "@list Drop Enter Drop Esc", "list list list list list | list 13 list 27 "},
        {Buttons, "-ok Enter", "first first | first 13 "},
        // Shortcuts with their modifiers held raise the form's commands; no others do.
        {Shortcuts, "Ctrl+S S F5 Ctrl+N Ctrl+Shift+N Shift+F5",
         "first first first first first first | 101 102 103 "},
        {0, "Ctrl+S", "first | "},
    };
    for (auto [kind, keys, expected] : rows) {
        BoardForm board(kind);
        board.form.SetVisible(true); // a hidden form's controls take no keys
        board.first.SetFocus();
        EXPECT_EQ(board.Walk(keys), expected) << keys;
    }
}

// The default look follows the focus among push buttons; a push button made with the default
// style is the default one; a label's component, destroyed, is named no more; a dialog's frame
// has no sizing border, a window's has.
TEST_F(LibraryFormTest, TheDefaultLookFollowsTheFocus) {
    BoardForm board(Buttons);
    board.form.SetVisible(true);
    std::string seen;
    for (QFrame* focus :
         std::initializer_list<QFrame*>{&board.ok, &board.yes, &board.cancel, &board.first}) {
        focus->SetFocus();
        for (QButton* button : {&board.ok, &board.cancel, &board.yes})
            seen += Join(button->Style() & BS_TYPEMASK);
        seen += "| ";
    }
    EXPECT_EQ(seen, "1 0 0 | 0 0 1 | 0 1 0 | 1 0 0 | ");
    QButton styled;
    styled.SetStyle(styled.Style() | BS_DEFPUSHBUTTON);
    styled.SetParent(&form);
    EXPECT_TRUE(styled.Default());
    auto doomed = std::make_unique<QEdit>();
    board.label.SetFocusControl(doomed.get());
    doomed.reset();
    EXPECT_EQ(board.label.FocusControl(), nullptr);
    std::string frames;
    int client = board.form.ClientWidth() * 1000 + board.form.ClientHeight();
    for (int kind : {fkDialog, fkWindow}) {
        board.form.SetFormKind(kind);
        frames += Join(board.form.Style() & (WS_THICKFRAME | WS_MAXIMIZEBOX),
                       board.form.ExStyle() & WS_EX_DLGMODALFRAME,
                       board.form.ClientWidth() * 1000 + board.form.ClientHeight() == client);
    }
    EXPECT_EQ(frames, Join(0, WS_EX_DLGMODALFRAME, 1, WS_THICKFRAME | WS_MAXIMIZEBOX, 0, 1));
}
