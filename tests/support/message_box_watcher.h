// Catches the message boxes of this process from a watcher thread, reads and dismisses them.
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
    MessageBoxWatcher();
    ~MessageBoxWatcher();
    MessageBoxWatcher(const MessageBoxWatcher&) = delete;
    MessageBoxWatcher& operator=(const MessageBoxWatcher&) = delete;

    // The boxes caught and dismissed so far.
    std::vector<CaughtBox> Boxes();

private:
    static DWORD WINAPI Watch(void* Self);
    void DismissBox(HWND Box);

    HANDLE Stop;
    HANDLE Thread;
    std::mutex Lock;
    std::vector<CaughtBox> Caught;
};
