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

std::string StdoutCapture::Finish() {
    if (File == INVALID_HANDLE_VALUE) return Bytes;
    SetStdHandle(STD_OUTPUT_HANDLE, Previous);
    SetFilePointer(File, 0, nullptr, FILE_BEGIN);
    char buffer[4096];
    DWORD read;
    while (ReadFile(File, buffer, sizeof buffer, &read, nullptr) && read)
        Bytes.append(buffer, read);
    CloseHandle(File);
    File = INVALID_HANDLE_VALUE;
    return Bytes;
}

std::string StdoutCapture::Lines() {
    std::string text = Finish(), lines;
    for (size_t start = 0, end; (end = text.find("\r\n", start)) != std::string::npos;
         start = end + 2)
        lines += ";" + text.substr(start, end - start);
    return lines;
}
