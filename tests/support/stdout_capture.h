// Captures what the library writes to standard output (its diagnostic lines).
#pragma once

#include <windows.h>

#include <string>

// While alive, standard output goes to a temporary file that is deleted when it is closed.
class StdoutCapture {
public:
    StdoutCapture();
    ~StdoutCapture();
    // The lines written so far, each after a ';' instead of before a CR LF; ends the capture.
    std::string Lines();

private:
    HANDLE Previous;
    HANDLE File;
    std::string Captured;
};
