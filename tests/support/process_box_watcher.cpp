#include "support/process_box_watcher.h"

namespace {

struct Search {
    DWORD ProcessId;
    HWND Found = nullptr;
};

// A dialog-class window of the watched process: boxes of other test processes are not ours.
BOOL CALLBACK FindBox(HWND Window, LPARAM Context) {
    auto* search = reinterpret_cast<Search*>(Context);
    char name[16];
    DWORD process = 0;
    GetWindowThreadProcessId(Window, &process);
    if (process != search->ProcessId || !IsWindowVisible(Window)) return TRUE;
    if (GetClassNameA(Window, name, sizeof name) && lstrcmpA(name, "#32770") == 0) {
        search->Found = Window;
        return FALSE;
    }
    return TRUE;
}

std::string TextOf(HWND Window) {
    char text[1024] = {};
    GetWindowTextA(Window, text, sizeof text);
    return text;
}

} // namespace

ProcessBoxWatcher::ProcessBoxWatcher(DWORD ProcessId)
    : ProcessId(ProcessId), Stop(CreateEventA(nullptr, TRUE, FALSE, nullptr)),
      Thread(CreateThread(nullptr, 0, &Watch, this, 0, nullptr)) {}

ProcessBoxWatcher::~ProcessBoxWatcher() {
    SetEvent(Stop);
    WaitForSingleObject(Thread, INFINITE);
    CloseHandle(Thread);
    CloseHandle(Stop);
}

std::vector<SeenBox> ProcessBoxWatcher::Boxes() {
    std::lock_guard<std::mutex> guard(Lock);
    return Caught;
}

DWORD WINAPI ProcessBoxWatcher::Watch(void* Self) {
    auto* watcher = static_cast<ProcessBoxWatcher*>(Self);
    while (WaitForSingleObject(watcher->Stop, 5) == WAIT_TIMEOUT) {
        Search search{watcher->ProcessId};
        EnumWindows(&FindBox, reinterpret_cast<LPARAM>(&search));
        if (search.Found) watcher->DismissBox(search.Found);
    }
    return 0;
}

void ProcessBoxWatcher::DismissBox(HWND Box) {
    // The box fills in its text after it is shown: wait until the static has it.
    std::string text;
    for (int i = 0; i < 200 && text.empty(); ++i) {
        text = TextOf(GetDlgItem(Box, 0xFFFF));
        if (text.empty()) Sleep(5);
    }
    {
        std::lock_guard<std::mutex> guard(Lock);
        Caught.push_back({TextOf(Box), text});
    }
    PostMessageA(Box, WM_COMMAND, IDOK, 0);
    for (int i = 0; i < 200 && IsWindow(Box); ++i)
        Sleep(5);
}
