// A frame of a test class of its own ("QTestFrame") that notes every message it handles.
#pragma once

#include "object/frame.h"
#include "object/window_class.h"

#include <vector>

class LoggingFrame : public QFrame {
public:
    LoggingFrame() { FClassName = "QTestFrame"; }
    LoggingFrame* Self() override { return this; }
    void HandleMessage(QMessage& Message) override {
        Messages.push_back(Message.Msg);
        QFrame::HandleMessage(Message);
    }

    std::vector<UINT> Messages;
};

// Registers the "QTestFrame" class once per process.
inline void RegisterTestFrameClass() {
    static ATOM atom = LoggingFrame().RegisterWindowClass(&FrameWindowProc<LoggingFrame>);
    (void)atom;
}
