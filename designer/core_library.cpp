#include "core_library.h"

#include "component_record.h"

#include <algorithm>

namespace {

using TextExport = const char*(WINAPI*)();
using ClassExport = const char*(WINAPI*)(const char*);

template <class Function> Function FindExport(HMODULE Module, const char* Name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(Module, Name)));
}

} // namespace

bool CoreLibrary::Offers(const std::string& ClassName) const {
    return std::find(Classes.begin(), Classes.end(), ClassName) != Classes.end();
}

const ClassDesign& CoreLibrary::DesignOf(const std::string& ClassName) const {
    static const ClassDesign plain;
    auto found = std::find(Classes.begin(), Classes.end(), ClassName);
    size_t index = static_cast<size_t>(found - Classes.begin());
    return index < Designs.size() ? Designs[index] : plain;
}

ComponentRecord ClassDesign::NewComponent(const std::string& ClassName) const {
    ComponentRecord record;
    record.ClassName = ClassName;
    record.Width = Width;
    record.Height = Height;
    record.Style = Style | WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
    record.ExStyle = ExStyle;
    return record;
}

ClassDesign ParseClassDesign(const char* Text) {
    ClassDesign design;
    std::string text = Text ? Text : "";
    for (size_t start = 0, end; start < text.size(); start = end + 1) {
        end = std::min(text.find('\n', start), text.size());
        std::string line = text.substr(start, end - start);
        size_t equals = line.find('=');
        std::string name = line.substr(0, equals), value = line.substr(equals + 1);
        if (equals == std::string::npos) continue;
        if (name == "Style") ParseHex(value, design.Style);
        if (name == "ExStyle") ParseHex(value, design.ExStyle);
        if (name == "Width") ParseDecimal(value, 1, 32767, design.Width);
        if (name == "Height") ParseDecimal(value, 1, 32767, design.Height);
        if (name == "Holds") design.Holds = value == "1";
        if (name == "Event") design.Events.push_back(value);
    }
    return design;
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
    auto version = FindExport<TextExport>(Core.Module, "VERSION@0");
    auto classes = FindExport<TextExport>(Core.Module, "EXPORTCLASSES@0");
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
    // A library from before the class descriptions gives every class the plain one.
    auto design = FindExport<ClassExport>(Core.Module, "DESIGNCLASS@4");
    for (const std::string& name : Core.Classes)
        Core.Designs.push_back(ParseClassDesign(design ? design(name.c_str()) : nullptr));
    Core.Form = ParseClassDesign(design ? design("QForm") : nullptr);
    return LoadFailure::None;
}
