/// \file
/// Forms (the library's top-level windows), the application object and its message loop.
#pragma once

#include "object/frame.h"
#include "object/shortcuts.h"

/// Action arrives as 1 (close and destroy); 0 keeps the window, 2 minimises, 3 maximises.
using QCloseEvent = void (*)(QFrame* Sender, int& Action);

/// Form styles: 2 makes an MDI child, 3 a topmost window.
enum QFormStyle : int32_t { fsNormal = 0, fsMDIChild = 2, fsStayOnTop = 3 };

/// A form's kind: a window of its own (sizing border, minimise and maximise boxes) or a dialog
/// (a fixed frame with a caption and the close box, for ShowModal).
enum QFormKind : int32_t { fkWindow = 0, fkDialog = 1 };

/// What a modal form answers: the platform's dialog results, none while the form is up.
enum QModalResult : int32_t {
    mrNone = 0,
    mrOk = IDOK,
    mrCancel = IDCANCEL,
    mrAbort = IDABORT,
    mrRetry = IDRETRY,
    mrIgnore = IDIGNORE,
    mrYes = IDYES,
    mrNo = IDNO
};

struct QModalLoop;

class QCustomForm : public QFrame {
public:
    QCustomForm();
    ~QCustomForm() override;
    QCustomForm* Self() override { return this; }
    /// With DialogKeys, the focus the form gets as a whole goes on to the component that had
    /// it last, or to the first tab stop, as in a dialog.
    void HandleMessage(QMessage& Message) override;

    int FormStyle() const { return FFormStyle; }
    void SetFormStyle(int Value);
    /// Writing it sets the frame bits of Style and ExStyle the kind takes, keeping the client
    /// area's size, but on a child window; other values only store.
    int FormKind() const { return FFormKind; }
    void SetFormKind(int Value);

    QCloseEvent OnClose = nullptr;

    /// Shows the form over the thread's other windows, which are disabled meanwhile, and runs a
    /// message loop of its own until a result is set or the window goes; then hides the form
    /// (the object and its window stay) and activates the window that was active before.
    /// Answers the result: mrCancel when the form closed or went without one, mrNone when no
    /// window could be made or the form is modal already. A quit message ends the loop too and
    /// is posted again for the loop outside. A dialog (fkDialog) whose window is made here is
    /// centred over the window that was active.
    int ShowModal();
    bool Modal() const { return FModalLoop != nullptr; }
    int ModalResult() const { return FModalResult; }
    /// A nonzero result ends the form's modal loop; a modeless form only keeps it.
    void SetModalResult(int Value) { FModalResult = Value; }
    /// The keyboard of a dialog: Enter for the focused or the default push button, Esc for the
    /// cancel button, Tab and Shift+Tab over the visible, enabled components with TabStop in
    /// the designed order (a group of radio buttons is one stop), the arrow keys within a radio
    /// group, Alt and a mnemonic. Off, Tab is the described step and Enter and Esc are answered
    /// only in a form with a default or cancel button.
    bool DialogKeys() const { return FDialogKeys; }
    void SetDialogKeys(bool Value) { FDialogKeys = Value; }
    /// Keys that raise OnAccelCommand with their command while the form or one of its
    /// components has the focus; a form without any translates no key.
    const std::vector<QShortcut>& Shortcuts() const { return FShortcuts.Shortcuts(); }
    void SetShortcuts(const std::vector<QShortcut>& Value) { FShortcuts.Set(Value); }
    /// Turns a key message for one of the form's windows into its shortcut's command.
    bool TranslateShortcut(MSG& Message) const { return FShortcuts.Translate(FHandle, Message); }

private:
    // With DpiScaling, the form scales to its window's pixels per inch when first shown and
    // when the platform reports a change (WM_DPICHANGED), taking the place it suggests.
    void ScaleForScreen(QMessage& Message);

    bool FScaledForScreen = false;
    int FFormStyle = fsNormal;
    int FFormKind = fkWindow;
    int FModalResult = mrNone;
    bool FDialogKeys = false;
    QShortcutTable FShortcuts;
    HWND FLastFocus = nullptr;        // the component focused when the form was deactivated
    QModalLoop* FModalLoop = nullptr; // told when the form dies inside its loop
};

/// The form programs and the designer instantiate; it attaches the executable's "MainMenu".
class QForm : public QCustomForm {
public:
    QForm();
    QForm* Self() override { return this; }
    void CreateHandle() override;
};

/// The application object: a form that never gets a window and runs the message loop.
class QApplication : public QCustomForm {
public:
    QApplication* Self() override { return this; }

    /// Pumps the messages of every window of the thread until a quit message (answers 0) or a
    /// GetMessageA failure (answers -1).
    int Run();
    /// One message of a loop: the dialog keys of forms that use them, else translated and
    /// dispatched.
    static void HandleThreadMessage(MSG& Message);
    HINSTANCE Instance() const { return GetModuleHandleA(nullptr); }
};

/// The one application object of the process.
extern QApplication* Application;

LRESULT CALLBACK FormWndProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam);
WNDPROC GetFormWndProc();
/// Registers the "QForm" class; answers the atom or 0.
ATOM RegisterFormClass();
