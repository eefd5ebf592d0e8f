// Records the message boxes of this test program synchronously: the program's import of
// MessageBoxA (the library is linked in, so its boxes go through it too) answers IDOK at once
// instead of showing a box. A box while no recorder is alive fails the running test, so a
// fault that raises one can never leave a test waiting for a click.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct CaughtBox {
    std::string Caption;
    std::string Text;
    HWND Owner;
    UINT Style;
};

class BoxRecorder {
public:
    BoxRecorder();
    ~BoxRecorder();
    BoxRecorder(const BoxRecorder&) = delete;
    BoxRecorder& operator=(const BoxRecorder&) = delete;

    // The boxes shown since the recorder was made, in order.
    const std::vector<CaughtBox>& Boxes() const { return Caught; }

private:
    friend int WINAPI RecordBox(HWND, LPCSTR, LPCSTR, UINT);
    std::vector<CaughtBox> Caught;
    BoxRecorder* Outer;
};
