// Whole files for the tests: what the library saved, and what it is to load.
#pragma once

#include <windows.h>

#include <fstream>
#include <iterator>
#include <string>

// The bytes of Path, or "(no such file)" so that a missing file differs from an empty one.
inline std::string ReadTestFile(const std::string& Path) {
    std::ifstream in(Path, std::ios::binary);
    return in ? std::string(std::istreambuf_iterator<char>(in), {}) : "(no such file)";
}

// Replaces Path with Bytes; answers Path.
inline std::string WriteTestFile(const std::string& Path, const std::string& Bytes) {
    std::ofstream(Path, std::ios::binary) << Bytes;
    return Path;
}

// The temporary folder, ending in a separator.
inline std::string TempFolder() {
    char folder[MAX_PATH];
    return std::string(folder, GetTempPathA(sizeof folder, folder));
}
