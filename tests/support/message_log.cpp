#include "support/message_log.h"

#include "object/window_class.h"

void MessageLog::Record(const QMessage& Message) {
    Entries.push_back({Message.Wnd, Message.Msg, Message.WParam, Message.LParam});
}

std::vector<LoggedMessage> MessageLog::Of(UINT Msg) const {
    std::vector<LoggedMessage> found;
    for (const LoggedMessage& entry : Entries)
        if (entry.Msg == Msg) found.push_back(entry);
    return found;
}

LoggingFrame::LoggingFrame() {
    FClassName = "QTestFrame";
}

void LoggingFrame::HandleMessage(QMessage& Message) {
    Log.Record(Message);
    QFrame::HandleMessage(Message);
}

void RegisterTestFrameClass() {
    static ATOM atom = [] {
        LoggingFrame prototype;
        return prototype.RegisterWindowClass(&FrameWindowProc<LoggingFrame>);
    }();
    (void)atom;
}
