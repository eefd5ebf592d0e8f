#include "support/message_pump.h"

#include <windows.h>

void PumpMessages(int MaxMs, int QuietMs) {
    DWORD start = GetTickCount(), lastMessage = start;
    while (GetTickCount() - start < static_cast<DWORD>(MaxMs)) {
        MSG msg;
        if (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
            lastMessage = GetTickCount();
        } else if (GetTickCount() - lastMessage >= static_cast<DWORD>(QuietMs)) {
            return;
        } else {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 1, QS_ALLINPUT);
        }
    }
}

namespace {

DWORD WINAPI RunWork(void* Work) {
    (*static_cast<const std::function<void()>*>(Work))();
    return 0;
}

} // namespace

void RunOnOtherThread(const std::function<void()>& Work) {
    HANDLE thread =
        CreateThread(nullptr, 0, RunWork, const_cast<std::function<void()>*>(&Work), 0, nullptr);
    // The worker may send to this thread's windows: keep answering until it is done.
    while (MsgWaitForMultipleObjects(1, &thread, FALSE, 5000, QS_SENDMESSAGE) ==
           WAIT_OBJECT_0 + 1) {
        MSG msg;
        PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
    CloseHandle(thread);
}
