#include "support/test_files.h"

#include <windows.h>

std::string ReadTestFile(const std::string& Path) {
    HANDLE file = CreateFileA(Path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return "(no such file)";
    std::string bytes;
    char chunk[4096];
    DWORD got;
    while (ReadFile(file, chunk, sizeof chunk, &got, nullptr) && got)
        bytes.append(chunk, got);
    CloseHandle(file);
    return bytes;
}

std::string WriteTestFile(const std::string& Path, const std::string& Bytes) {
    HANDLE file = CreateFileA(Path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written;
    WriteFile(file, Bytes.data(), static_cast<DWORD>(Bytes.size()), &written, nullptr);
    CloseHandle(file);
    return Path;
}

std::string TempFolder() {
    char folder[MAX_PATH];
    GetTempPathA(sizeof folder, folder);
    return folder;
}
