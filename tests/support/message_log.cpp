#include "support/message_log.h"

#include "object/window_class.h"

#include <algorithm>
#include <sstream>

void MessageLog::Record(const QMessage& Message) {
    Entries.push_back(
        {Message.Wnd, Message.Msg, Message.WParam, Message.LParam, InSendMessage() != FALSE});
}

std::vector<LoggedMessage> MessageLog::Of(UINT Msg) const {
    std::vector<LoggedMessage> found;
    for (const LoggedMessage& entry : Entries)
        if (entry.Msg == Msg) found.push_back(entry);
    return found;
}

testing::AssertionResult MatchesMessages(const MessageLog& Log,
                                         const std::vector<ExpectedMessage>& Expected) {
    auto expected = [&](UINT msg) {
        return std::any_of(Expected.begin(), Expected.end(),
                           [msg](const ExpectedMessage& e) { return e.Msg == msg; });
    };
    std::vector<UINT> actual;
    for (const LoggedMessage& entry : Log.All())
        if (expected(entry.Msg)) actual.push_back(entry.Msg);
    size_t a = 0;
    bool ok = true;
    for (const ExpectedMessage& e : Expected) {
        if (a < actual.size() && actual[a] == e.Msg) {
            ++a;
        } else if (!e.Optional) {
            ok = false;
            break;
        }
    }
    if (ok && a == actual.size()) return testing::AssertionSuccess();
    std::ostringstream text;
    text << "messages differ\n  expected    actual\n";
    for (size_t i = 0; i < std::max(Expected.size(), actual.size()); ++i) {
        text << "  ";
        if (i < Expected.size())
            text << "0x" << std::hex << Expected[i].Msg << (Expected[i].Optional ? "?" : " ");
        else
            text << "       ";
        text << "    ";
        if (i < actual.size()) text << "0x" << std::hex << actual[i];
        text << "\n";
    }
    return testing::AssertionFailure() << text.str();
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
