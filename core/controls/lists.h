/// \file
/// Item lists: QComboBox (drop-down with an edit field) and QListBox on the system controls.
/// The items and the selection live in the control; programs use its own messages for them.
#pragma once

#include "object/frame.h"

class QCustomComboBox : public QFrame {
public:
    QCustomComboBox();
    QCustomComboBox* Self() override { return this; }
    /// Colours the control on the parent's request; its notifications raise nothing.
    void HandleMessage(QMessage& Message) override;
};

class QComboBox : public QCustomComboBox {
public:
    QComboBox();
    QComboBox* Self() override { return this; }
    using QClassObject::Handle;
};

class QCustomListBox : public QFrame {
public:
    QCustomListBox();
    QCustomListBox* Self() override { return this; }
    void HandleMessage(QMessage& Message) override;
};

class QListBox : public QCustomListBox {
public:
    QListBox();
    QListBox* Self() override { return this; }
    using QClassObject::Handle;
};

/// A stand-alone horizontal scroll bar; position and range live in the control.
class QCustomScrollBar : public QFrame {
public:
    QCustomScrollBar();
    QCustomScrollBar* Self() override { return this; }
    void HandleMessage(QMessage& Message) override;
};

class QScrollBar : public QCustomScrollBar {
public:
    QScrollBar();
    QScrollBar* Self() override { return this; }
    using QClassObject::Handle;
};

LRESULT CALLBACK ComboBoxWndProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam);
LRESULT CALLBACK ListBoxWndProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam);
LRESULT CALLBACK ScrollBarWndProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam);

ATOM RegisterComboBoxClass();
ATOM RegisterListBoxClass();
ATOM RegisterScrollBarClass();
