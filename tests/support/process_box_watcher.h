// Catches the message boxes of another process from a watcher thread, reads and dismisses
// them: parvex and the example programs run as programs of their own, so their boxes cannot
// be recorded in-process.
#pragma once

#include <windows.h>

#include <mutex>
#include <string>
#include <vector>

struct SeenBox {
    std::string Caption;
    std::string Text;
};

class ProcessBoxWatcher {
public:
    explicit ProcessBoxWatcher(DWORD ProcessId);
    ~ProcessBoxWatcher();
    ProcessBoxWatcher(const ProcessBoxWatcher&) = delete;
    ProcessBoxWatcher& operator=(const ProcessBoxWatcher&) = delete;

    // The boxes caught and dismissed so far.
    std::vector<SeenBox> Boxes();

private:
    static DWORD WINAPI Watch(void* Self);
    void DismissBox(HWND Box);

    DWORD ProcessId;
    HANDLE Stop;
    HANDLE Thread;
    std::mutex Lock;
    std::vector<SeenBox> Caught;
};
