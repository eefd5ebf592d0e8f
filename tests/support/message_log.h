// Records the messages frames receive and compares them with an expected list.
#pragma once

#include "object/frame.h"

#include <gtest/gtest.h>

#include <vector>

struct LoggedMessage {
    HWND Window;
    UINT Msg;
    WPARAM WParam;
    LPARAM LParam;
    bool Sent; // true for a sent message, false for one taken from the queue
};

// An expected entry; Optional entries may be missing from the actual log.
struct ExpectedMessage {
    UINT Msg;
    bool Optional = false;
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

// Succeeds when the logged message numbers, restricted to those that occur in Expected, follow
// Expected; prints both lists side by side on a mismatch.
testing::AssertionResult MatchesMessages(const MessageLog& Log,
                                         const std::vector<ExpectedMessage>& Expected);

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
