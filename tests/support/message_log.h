// Records the messages frames receive.
#pragma once

#include "object/frame.h"

#include <vector>

struct LoggedMessage {
    HWND Window;
    UINT Msg;
    WPARAM WParam;
    LPARAM LParam;
};

class MessageLog {
public:
    void Record(const QMessage& Message);
    void Clear() { Entries.clear(); }
    const std::vector<LoggedMessage>& All() const { return Entries; }
    // The entries for Msg, in order.
    std::vector<LoggedMessage> Of(UINT Msg) const;
    int Count(UINT Msg) const { return static_cast<int>(Of(Msg).size()); }

private:
    std::vector<LoggedMessage> Entries;
};

// A frame of a test class of its own ("QTestFrame") that logs every message it handles.
class LoggingFrame : public QFrame {
public:
    LoggingFrame();
    LoggingFrame* Self() override { return this; }
    void HandleMessage(QMessage& Message) override;

    MessageLog Log;
};

// Registers the "QTestFrame" class once per process.
void RegisterTestFrameClass();
