#include "support/stdout_capture.h"

#include <cstdio>

StdoutCapture::StdoutCapture() {
    fflush(stdout);
    Previous = GetStdHandle(STD_OUTPUT_HANDLE);
    CreatePipe(&ReadEnd, &WriteEnd, nullptr, 0);
    SetStdHandle(STD_OUTPUT_HANDLE, WriteEnd);
    Reader = CreateThread(nullptr, 0, &Drain, this, 0, nullptr);
}

StdoutCapture::~StdoutCapture() {
    Finish();
}

DWORD WINAPI StdoutCapture::Drain(void* Self) {
    auto* capture = static_cast<StdoutCapture*>(Self);
    char buffer[4096];
    DWORD read;
    while (ReadFile(capture->ReadEnd, buffer, sizeof buffer, &read, nullptr) && read)
        capture->Bytes.append(buffer, read);
    return 0;
}

std::string StdoutCapture::Finish() {
    if (!Reader) return Bytes;
    SetStdHandle(STD_OUTPUT_HANDLE, Previous);
    CloseHandle(WriteEnd);
    WaitForSingleObject(Reader, INFINITE);
    CloseHandle(Reader);
    CloseHandle(ReadEnd);
    Reader = nullptr;
    return Bytes;
}

std::vector<std::string> StdoutCapture::Lines() {
    std::string all = Finish();
    std::vector<std::string> lines;
    size_t start = 0, end;
    while ((end = all.find("\r\n", start)) != std::string::npos) {
        lines.push_back(all.substr(start, end - start));
        start = end + 2;
    }
    if (start < all.size()) lines.push_back(all.substr(start));
    return lines;
}
