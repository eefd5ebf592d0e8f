// Captures what the library writes to standard output (its diagnostic lines).
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// While alive, standard output goes to a temporary file that is deleted when it is closed.
class StdoutCapture {
public:
    StdoutCapture();
    ~StdoutCapture() { Finish(); }
    StdoutCapture(const StdoutCapture&) = delete;
    StdoutCapture& operator=(const StdoutCapture&) = delete;

    // Everything written so far, as raw bytes; ends the capture.
    std::string Finish();
    // The CR LF separated lines written so far; ends the capture.
    std::vector<std::string> Lines();

private:
    HANDLE Previous;
    HANDLE File;
    std::string Bytes;
};
