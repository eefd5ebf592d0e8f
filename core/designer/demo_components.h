/// \file
/// Small components for trying out the designer and the component model: a child form that
/// writes its class name, a designer-style form with a label and a button, and coloured frames.
#pragma once

#include "controls/buttons.h"
#include "object/forms.h"

/// A sunken red child form with "QBox" drawn at (20, 20) after every repaint.
class QBox : public QCustomForm {
public:
    QBox();
    QBox* Self() override { return this; }
    void CreateHandle() override;
    void HandleMessage(QMessage& Message) override;
};

/// A form as a designer writes one: "Form1" with Label1 and Button1 on it.
class QMyFrame : public QForm {
public:
    QMyFrame();
    QMyFrame* Self() override { return this; }

    QLabel Label1;
    QButton Button1;
};

/// A bare red child frame.
class QDummy : public QFrame {
public:
    QDummy();
    QDummy* Self() override { return this; }
};

/// A red child form that turns red again when its window is created.
class QRed : public QForm {
public:
    QRed();
    QRed* Self() override { return this; }
    void HandleMessage(QMessage& Message) override;
};

class QGreen : public QForm {
public:
    QGreen();
    QGreen* Self() override { return this; }
};

/// A blue bordered child frame that paints its own background.
class QBlue : public QFrame {
public:
    QBlue();
    QBlue* Self() override { return this; }
    void HandleMessage(QMessage& Message) override;
};

LRESULT CALLBACK BlueWndProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam);

/// The six classes, registered in the order the library loads them and unregistered in reverse.
void RegisterDemoClasses();
void UnregisterDemoClasses();
