/// \file
/// Forms (the library's top-level windows), the application object and its message loop.
#pragma once

#include "object/frame.h"

/// Action arrives as 1 (close and destroy); 0 keeps the window, 2 minimises, 3 maximises.
using QCloseEvent = void (*)(QFrame* Sender, int& Action);

/// Form styles: 2 makes an MDI child, 3 a topmost window.
enum QFormStyle : int32_t { fsNormal = 0, fsMDIChild = 2, fsStayOnTop = 3 };

class QCustomForm : public QFrame {
public:
    QCustomForm();
    ~QCustomForm() override;
    QCustomForm* Self() override { return this; }

    int FormStyle() const { return FFormStyle; }
    void SetFormStyle(int Value);

    QCloseEvent OnClose = nullptr;

private:
    int FFormStyle = fsNormal;
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
    HINSTANCE Instance() const { return GetModuleHandleA(nullptr); }
};

/// The one application object of the process.
extern QApplication* Application;

LRESULT CALLBACK FormWndProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam);
WNDPROC GetFormWndProc();
/// Registers the "QForm" class; answers the atom or 0.
ATOM RegisterFormClass();
