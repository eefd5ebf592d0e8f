// Presses OK on the first message box with the given caption that appears within a minute;
// the run script uses it to get parvex past its greeting when nobody can click.
// Usage: dismiss_box CAPTION. Exits with 0 once a box was dismissed, 1 otherwise.
#include <windows.h>

int main(int Count, char** Arguments) {
    if (Count != 2) return 1;
    for (int waited = 0; waited < 60000; waited += 50) {
        if (HWND box = FindWindowA("#32770", Arguments[1])) {
            PostMessageA(box, WM_COMMAND, IDOK, 0);
            return 0;
        }
        Sleep(50);
    }
    return 1;
}
