#include "support/sent_messages.h"

namespace {

// One recorder at a time: the hook procedure has no context of its own.
std::vector<SentMessage>* Recorded = nullptr;

LRESULT CALLBACK Record(int Code, WPARAM WParam, LPARAM LParam) {
    auto* sent = reinterpret_cast<const CWPSTRUCT*>(LParam);
    if (Code == HC_ACTION && Recorded)
        Recorded->push_back({sent->hwnd, sent->message, sent->wParam});
    return CallNextHookEx(nullptr, Code, WParam, LParam);
}

} // namespace

SentMessageRecorder::SentMessageRecorder()
    : Hook((Recorded = new std::vector<SentMessage>,
            SetWindowsHookExA(WH_CALLWNDPROC, Record, nullptr, GetCurrentThreadId()))) {}

SentMessageRecorder::~SentMessageRecorder() {
    UnhookWindowsHookEx(Hook);
    delete Recorded;
    Recorded = nullptr;
}

std::vector<SentMessage> SentMessageRecorder::Of(HWND Window, UINT Msg) const {
    std::vector<SentMessage> found;
    for (const SentMessage& sent : *Recorded)
        if (sent.Window == Window && sent.Msg == Msg) found.push_back(sent);
    return found;
}
