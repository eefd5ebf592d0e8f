#include "support/stdout_capture.h"

#include "support/test_files.h"

#include <cstdio>

StdoutCapture::StdoutCapture() : Previous(GetStdHandle(STD_OUTPUT_HANDLE)) {
    fflush(stdout);
    std::string path = TempFolder() + "stdout-" + std::to_string(GetCurrentThreadId()) + ".txt";
    File = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                       FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    SetStdHandle(STD_OUTPUT_HANDLE, File);
}

StdoutCapture::~StdoutCapture() {
    Lines();
}

std::string StdoutCapture::Lines() {
    if (File == INVALID_HANDLE_VALUE) return Captured;
    SetStdHandle(STD_OUTPUT_HANDLE, Previous);
    SetFilePointer(File, 0, nullptr, FILE_BEGIN);
    std::string text(GetFileSize(File, nullptr), '\0');
    DWORD read = 0;
    ReadFile(File, &text[0], static_cast<DWORD>(text.size()), &read, nullptr);
    CloseHandle(File);
    File = INVALID_HANDLE_VALUE;
    for (size_t start = 0, end; (end = text.find("\r\n", start)) != std::string::npos;
         start = end + 2)
        Captured += ";" + text.substr(start, end - start);
    return Captured;
}
