#include "garbage.h"

#include "object/frame.h"

namespace {

// The focus request carries a frame's address when it is the library's own Tab step.
const UINT AddressMessages[] = {QM_SETWINDOWINFO, QM_GETWINDOWINFO, WM_NEXTDLGCTL};

LPARAM FreedAddress() {
    void* block = VirtualAlloc(nullptr, 4096, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    VirtualFree(block, 0, MEM_RELEASE);
    return reinterpret_cast<LPARAM>(block);
}

LPARAM GarbageAddress(std::mt19937& Random) {
    static const LPARAM freed = FreedAddress();
    switch (Random() % 5) {
    case 0:
        return 0;
    case 1:
        return static_cast<LPARAM>(Random() % 0x10000);
    case 2:
        return freed + static_cast<LPARAM>(Random() % 4096);
    case 3:
        return static_cast<LPARAM>(-1) - static_cast<LPARAM>(Random() % 0x1000);
    default:
        return static_cast<LPARAM>((static_cast<unsigned long long>(Random()) << 32) | Random());
    }
}

} // namespace

void SendGarbageAddresses(HWND Window, std::mt19937& Random, int Count) {
    for (int i = 0; i < Count; ++i)
        for (UINT message : AddressMessages) {
            DWORD_PTR answer;
            SendMessageTimeoutA(Window, message, Random() % 2, GarbageAddress(Random), SMTO_NORMAL,
                                1000, &answer);
        }
}
