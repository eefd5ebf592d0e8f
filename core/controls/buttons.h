/// \file
/// Labels and the button family: push button, radio button, check box and group box, on the
/// system's "Static" and "Button" controls under window classes of the library's own.
#pragma once

#include "object/frame.h"

class QCustomLabel : public QFrame {
public:
    QCustomLabel();
    ~QCustomLabel() override;
    QCustomLabel* Self() override { return this; }
    /// Colours the label on the parent's request and raises OnClick for identifier 0.
    void HandleMessage(QMessage& Message) override;

    /// The component the label's mnemonic (& in its text) gives the focus to in a form with
    /// dialog keys; null for the tab stop after the label, and again once that component is
    /// destroyed.
    QFrame* FocusControl() const { return static_cast<QFrame*>(FFocusControl); }
    void SetFocusControl(QFrame* Value) { FFocusControl = Value; }

private:
    QObject* FFocusControl = nullptr;
};

class QLabel : public QCustomLabel {
public:
    QLabel();
    QLabel* Self() override { return this; }
    using QClassObject::Handle;
};

class QCustomButton : public QFrame {
public:
    QCustomButton();
    QCustomButton* Self() override { return this; }
    /// The label's answers, plus the class name line when the window is created; a click
    /// gives the form its ModalResult, and a push button's focus moves the default look.
    void HandleMessage(QMessage& Message) override;

    /// Given to the button's form when the button is clicked (0: nothing).
    int ModalResult() const { return FModalResult; }
    void SetModalResult(int Value) { FModalResult = Value; }
    /// Enter presses the form's default push button (drawn so), Esc its cancel button.
    bool Default() const { return FDefault; }
    void SetDefault(bool Value);
    bool Cancel() const { return FCancel; }
    void SetCancel(bool Value) { FCancel = Value; }
    /// BS_PUSHBUTTON or BS_DEFPUSHBUTTON: the buttons Enter may press.
    bool IsPushButton();

private:
    int FModalResult = 0;
    bool FDefault = false;
    bool FCancel = false;
};

class QButton : public QCustomButton {
public:
    QButton();
    QButton* Self() override { return this; }
    using QClassObject::Handle;
};

class QRadioButton : public QCustomButton {
public:
    QRadioButton();
    QRadioButton* Self() override { return this; }
    using QClassObject::Handle;
};

class QCheckBox : public QButton {
public:
    QCheckBox();
    QCheckBox* Self() override { return this; }
    using QClassObject::Handle;
};

class QGroupBox : public QButton {
public:
    QGroupBox();
    QGroupBox* Self() override { return this; }
    using QClassObject::Handle;
};

LRESULT CALLBACK LabelWndProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam);
LRESULT CALLBACK ButtonWndProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam);

ATOM RegisterLabelClass();
ATOM RegisterButtonClass();
ATOM RegisterRadioButtonClass();
ATOM RegisterCheckBoxClass();
ATOM RegisterGroupBoxClass();
