#include "support/test_files.h"

#include <windows.h>

#include <fstream>
#include <iterator>

std::string ReadTestFile(const std::string& Path) {
    std::ifstream in(Path, std::ios::binary);
    if (!in) return "(no such file)";
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string WriteTestFile(const std::string& Path, const std::string& Bytes) {
    std::ofstream(Path, std::ios::binary) << Bytes;
    return Path;
}

std::string TempFolder() {
    char folder[MAX_PATH];
    GetTempPathA(sizeof folder, folder);
    return folder;
}
