/// \file
/// QGadget: a component for any window class, described by a QWindowInfo record at
/// construction; the constructor registers that class as a copy of the record's ancestor.
#pragma once

#include "object/frame.h"

class QGadget : public QFrame {
public:
    /// Info may be null: then no class is registered and the gadget cannot create a window.
    explicit QGadget(const QWindowInfo* Info);
    QGadget* Self() override { return this; }
    /// Colours on request when the ancestor class exists; always erases in the canvas brush.
    void HandleMessage(QMessage& Message) override;
};

/// The gadget family's window procedure; unbound windows get a gadget built from the record
/// that WindowInfoPtr names.
LRESULT CALLBACK GadgetWndProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam);
WNDPROC GetGadgetWndProc();
