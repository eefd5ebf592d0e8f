// Captures what the library writes to standard output (its diagnostic lines).
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// While alive, standard output goes to a pipe that a reader thread drains.
class StdoutCapture {
public:
    StdoutCapture();
    ~StdoutCapture();
    StdoutCapture(const StdoutCapture&) = delete;
    StdoutCapture& operator=(const StdoutCapture&) = delete;

    // Everything written so far, as raw bytes; ends the capture.
    std::string Finish();
    // The CR LF separated lines written so far; ends the capture.
    std::vector<std::string> Lines();

private:
    static DWORD WINAPI Drain(void* Self);

    HANDLE Previous = nullptr;
    HANDLE ReadEnd = nullptr;
    HANDLE WriteEnd = nullptr;
    HANDLE Reader = nullptr;
    std::string Bytes;
};
