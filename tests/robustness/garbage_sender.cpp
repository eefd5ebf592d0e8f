// Sends garbage addresses from a process of its own to a window and every window inside it.
// Arguments: the window handle and the seed, in decimal.
#include "garbage.h"

#include <cstdlib>

namespace {

BOOL CALLBACK SendToChild(HWND Child, LPARAM Random) {
    SendGarbageAddresses(Child, *reinterpret_cast<std::mt19937*>(Random), 200);
    return TRUE;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) return 2;
    HWND window = reinterpret_cast<HWND>(static_cast<LONG_PTR>(std::strtoll(argv[1], nullptr, 10)));
    if (!IsWindow(window)) return 3;
    std::mt19937 random(static_cast<unsigned>(std::strtoul(argv[2], nullptr, 10)));
    SendGarbageAddresses(window, random, 200);
    EnumChildWindows(window, SendToChild, reinterpret_cast<LPARAM>(&random));
    return IsWindow(window) ? 0 : 4;
}
