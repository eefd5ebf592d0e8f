// core.dll as the designer uses it: loaded at run time, asked for its version text and for the
// classes a form may hold, and the owner of the palette bitmaps.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct CoreLibrary {
    HMODULE Module = nullptr;
    std::string Version;
    std::vector<std::string> Classes; // in the library's order

    bool Offers(const std::string& ClassName) const;
};

// Why loading failed; each has its own exit code.
enum class LoadFailure { None = 0, Missing = 2, NotTheLibrary = 3 };

// Loads the library at Path and asks it its two questions. On failure Problem says why.
LoadFailure LoadCoreLibrary(const std::string& Path, CoreLibrary& Core, std::string& Problem);

// The path of core.dll beside the running program.
std::string CoreBesideProgram();

std::vector<std::string> SplitAtCommas(const std::string& Text);
