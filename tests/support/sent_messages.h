// Records the messages sent to the windows of this thread while it lives (a call hook), also
// for windows whose procedures the tests cannot replace.
#pragma once

#include <windows.h>

#include <vector>

struct SentMessage {
    HWND Window;
    UINT Msg;
    WPARAM WParam;
};

class SentMessageRecorder {
public:
    SentMessageRecorder();
    ~SentMessageRecorder();
    SentMessageRecorder(const SentMessageRecorder&) = delete;
    SentMessageRecorder& operator=(const SentMessageRecorder&) = delete;

    // The messages Msg sent to Window so far.
    std::vector<SentMessage> Of(HWND Window, UINT Msg) const;

private:
    HHOOK Hook;
};
