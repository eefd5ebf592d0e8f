// Records the message boxes of this test program synchronously: the program's import of
// MessageBoxA (the library is linked in, so its boxes go through it too) answers IDOK at once
// instead of showing a box. A box while no recorder is alive fails the running test, so a
// fault that raises one can never leave a test waiting for a click.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct CaughtBox {
    std::string Caption, Text;
    HWND Owner;
    UINT Style;
};

// While alive, collects the boxes shown, in order; recorders nest.
struct BoxRecorder {
    BoxRecorder();
    ~BoxRecorder();
    const std::vector<CaughtBox>& Boxes() const { return Caught; }

    std::vector<CaughtBox> Caught;
    BoxRecorder* Outer;
};
