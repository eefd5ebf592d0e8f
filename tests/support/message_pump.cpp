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
