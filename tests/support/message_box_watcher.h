// Catches the message boxes of one process (this one unless told otherwise) from a watcher
// thread, reads and dismisses them.
#pragma once

#include <windows.h>

#include <mutex>
#include <string>
#include <vector>

struct CaughtBox {
    std::string Caption;
    std::string Text;
    bool TopMost;
};

class MessageBoxWatcher {
public:
    explicit MessageBoxWatcher(DWORD ProcessId = GetCurrentProcessId());
    ~MessageBoxWatcher();
    MessageBoxWatcher(const MessageBoxWatcher&) = delete;
    MessageBoxWatcher& operator=(const MessageBoxWatcher&) = delete;

    // The boxes caught and dismissed so far.
    std::vector<CaughtBox> Boxes();

private:
    static DWORD WINAPI Watch(void* Self);
    void DismissBox(HWND Box);

    DWORD ProcessId;
    HANDLE Stop;
    HANDLE Thread;
    std::mutex Lock;
    std::vector<CaughtBox> Caught;
};
