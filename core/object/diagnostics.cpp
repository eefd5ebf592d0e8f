#include "object/diagnostics.h"

#include <cstdio>

void WriteStandardOutput(const std::string& Bytes) {
    // Written past the C runtime so that a text-mode stdout does not double the CR.
    fflush(stdout);
    DWORD written;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), Bytes.data(), static_cast<DWORD>(Bytes.size()),
              &written, nullptr);
}

void WriteDiagnosticLine(const std::string& Line) {
    WriteStandardOutput(Line + "\r\n");
}

std::string SysErrorText(DWORD Code) {
    // Terminated past the 200 characters FormatMessageA may write, so a failed call reads as "".
    char buffer[257];
    std::fill(buffer, buffer + 256, ' ');
    buffer[256] = '\0';
    FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM, nullptr, Code, 0, buffer, 200, nullptr);
    std::string text(buffer);
    size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return "";
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}
