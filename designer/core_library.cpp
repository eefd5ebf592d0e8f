#include "core_library.h"

#include <algorithm>

namespace {

using TextExport = const char*(WINAPI*)();

TextExport FindTextExport(HMODULE Module, const char* Name) {
    return reinterpret_cast<TextExport>(reinterpret_cast<void*>(GetProcAddress(Module, Name)));
}

} // namespace

bool CoreLibrary::Offers(const std::string& ClassName) const {
    return std::find(Classes.begin(), Classes.end(), ClassName) != Classes.end();
}

std::vector<std::string> SplitAtCommas(const std::string& Text) {
    std::vector<std::string> names;
    for (size_t start = 0, comma;; start = comma + 1) {
        comma = Text.find(',', start);
        std::string name = Text.substr(start, comma - start);
        if (!name.empty()) names.push_back(name);
        if (comma == std::string::npos) return names;
    }
}

std::string CoreBesideProgram() {
    char path[MAX_PATH];
    DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    std::string program(path, length);
    return program.substr(0, program.find_last_of("\\/") + 1) + "core.dll";
}

LoadFailure LoadCoreLibrary(const std::string& Path, CoreLibrary& Core, std::string& Problem) {
    Core.Module = LoadLibraryA(Path.c_str());
    if (!Core.Module) {
        Problem = "Can't load the component library \"" + Path + "\" (error " +
                  std::to_string(GetLastError()) + ").";
        return LoadFailure::Missing;
    }
    TextExport version = FindTextExport(Core.Module, "VERSION@0");
    TextExport classes = FindTextExport(Core.Module, "EXPORTCLASSES@0");
    if (!version || !classes) {
        FreeLibrary(Core.Module);
        Core.Module = nullptr;
        Problem = "\"" + Path +
                  "\" is not the Velmora component library: it has no VERSION or "
                  "EXPORTCLASSES.";
        return LoadFailure::NotTheLibrary;
    }
    Core.Version = version();
    Core.Classes = SplitAtCommas(classes());
    return LoadFailure::None;
}
