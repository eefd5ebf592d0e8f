// Drains the thread's pending messages for a bounded time instead of sleeping, and runs work on
// another thread while answering what it sends here.
#pragma once

#include <windows.h>

#include <atomic>
#include <functional>
#include <thread>

// Dispatches messages until none has come for 5 ms, for at most 200 ms.
inline void PumpMessages() {
    DWORD start = GetTickCount();
    do
        for (MSG msg; PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE);)
            DispatchMessageA(&msg);
    while (GetTickCount() - start < 200 &&
           MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT) == WAIT_OBJECT_0);
}

// Runs Work on a new thread and waits for it, answering the messages it sends meanwhile.
inline void RunOnOtherThread(const std::function<void()>& Work) {
    std::atomic<bool> done{false};
    std::thread worker([&] { Work(), done = true; });
    for (MSG msg; !done;)
        if (!MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_SENDMESSAGE))
            PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    worker.join();
}
