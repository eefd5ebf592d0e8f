#include "core_library.h"

#include "component_record.h"

#include <algorithm>
#include <cstdlib>
#include <functional>

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

bool CoreLibrary::NormalText(const std::string& Name, const std::string& Text,
                             std::string& Written) const {
    char written[1024];
    if (!DesignText || !DesignText(Name.c_str(), Text.c_str(), written, sizeof written))
        return false;
    Written = written;
    return true;
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

uint32_t ClassDesign::PlacedStyle(const ClassDesign* Before) const {
    bool inGroup = Before && Before->Takes == Focus::Group;
    switch (Takes) {
    case Focus::Group:
        return inGroup ? 0 : WS_TABSTOP | WS_GROUP;
    case Focus::Tab:
        return WS_TABSTOP | (inGroup ? WS_GROUP : 0);
    case Focus::None:
        break;
    }
    return inGroup ? WS_GROUP : 0;
}

ClassDesign ClassDesign::SharedWith(const ClassDesign& Other) const {
    auto sameValue = [](const ValueDesign& A, const ValueDesign& B) {
        return A.Name == B.Name && A.Setter == B.Setter && A.Default == B.Default &&
               A.Colour == B.Colour && A.Set == B.Set && A.Choices == B.Choices;
    };
    auto sameFlag = [](const FlagDesign& A, const FlagDesign& B) {
        return A.Name == B.Name && A.Extended == B.Extended && A.Bits == B.Bits;
    };
    auto keep = [](auto& Mine, const auto& Theirs, auto Same) {
        Mine.erase(std::remove_if(Mine.begin(), Mine.end(),
                                  [&](const auto& Item) {
                                      return std::none_of(
                                          Theirs.begin(), Theirs.end(),
                                          [&](const auto& Their) { return Same(Item, Their); });
                                  }),
                   Mine.end());
    };
    ClassDesign shared = *this;
    keep(shared.Events, Other.Events, std::equal_to<std::string>());
    keep(shared.Values, Other.Values, sameValue);
    keep(shared.Flags, Other.Flags, sameFlag);
    keep(shared.Links, Other.Links, [](const LinkDesign& A, const LinkDesign& B) {
        return A.Name == B.Name && A.Setter == B.Setter;
    });
    keep(shared.Written, Other.Written, [](const WrittenDesign& A, const WrittenDesign& B) {
        return A.Name == B.Name && A.Setter == B.Setter && A.Reader == B.Reader;
    });
    shared.TextIsLines = TextIsLines && Other.TextIsLines;
    if (ItemsMessage != Other.ItemsMessage) shared.ItemsMessage = 0, shared.ItemsMessageName = "";
    return shared;
}

std::string ValueDesign::ChoiceOf(uint32_t Value) const {
    for (const auto& [name, value] : Choices)
        if (value == Value) return name;
    return "";
}

std::string ValueDesign::NamesOf(uint32_t Value, const std::string& Separator) const {
    std::string names;
    for (const auto& [name, bit] : Choices)
        if (Value & bit) names += (names.empty() ? "" : Separator) + name;
    return names;
}

bool ValueDesign::ReadNames(const std::string& Text, uint32_t& Value) const {
    uint32_t read = 0;
    if (!Text.empty() && Text.back() == '|') return false;
    for (size_t start = 0, end; start < Text.size(); start = end + 1) {
        end = std::min(Text.find('|', start), Text.size());
        std::string name = Text.substr(start, end - start);
        auto found = std::find_if(Choices.begin(), Choices.end(),
                                  [&](const auto& Choice) { return Choice.first == name; });
        if (found == Choices.end()) return false;
        read |= found->second;
    }
    Value = read;
    return true;
}

const ValueDesign* ClassDesign::ValueNamed(const std::string& Name) const {
    for (const ValueDesign& value : Values)
        if (value.Name == Name) return &value;
    return nullptr;
}

std::string ClassDesign::EventNamed(const std::string& Name) const {
    for (const std::string& event : Events)
        if (event.compare(0, event.find('('), Name) == 0) return event;
    return "";
}

namespace {

// "Name:Setter:Default:colour" or "Name:Setter:Default:First,Second=5,Third".
bool ParseValueDesign(const std::string& Text, ValueDesign& Value) {
    size_t a = Text.find(':'), b = Text.find(':', a + 1), c = Text.find(':', b + 1);
    if (c == std::string::npos) return false;
    Value.Name = Text.substr(0, a);
    Value.Setter = Text.substr(a + 1, b - a - 1);
    std::string initial = Text.substr(b + 1, c - b - 1);
    if (initial.empty() || initial.size() > 10 ||
        initial.find_first_not_of("0123456789") != std::string::npos)
        return false;
    Value.Default = static_cast<uint32_t>(std::strtoul(initial.c_str(), nullptr, 10));
    std::string choices = Text.substr(c + 1);
    Value.Colour = choices == "colour";
    uint32_t next = 0;
    for (const std::string& choice :
         Value.Colour ? std::vector<std::string>{} : SplitAtCommas(choices)) {
        size_t equals = choice.find('=');
        int number = static_cast<int>(next);
        if (equals != std::string::npos &&
            !ParseDecimal(choice.substr(equals + 1), 0, 65535, number))
            return false;
        Value.Choices.emplace_back(choice.substr(0, equals), static_cast<uint32_t>(number));
        next = static_cast<uint32_t>(number) + 1;
    }
    return Value.Colour || !Value.Choices.empty();
}

// "Name:0000ABCD"
bool ParseFlagDesign(const std::string& Text, bool Extended, FlagDesign& Flag) {
    size_t colon = Text.find(':');
    Flag.Name = Text.substr(0, colon);
    Flag.Extended = Extended;
    return colon != std::string::npos && ParseHex(Text.substr(colon + 1), Flag.Bits);
}

// "Name:Setter:Reader:font:what a text must be"
bool ParseWrittenDesign(const std::string& Text, WrittenDesign& Written) {
    size_t a = Text.find(':'), b = Text.find(':', a + 1), c = Text.find(':', b + 1),
           d = Text.find(':', c + 1);
    if (d == std::string::npos) return false;
    Written.Name = Text.substr(0, a);
    Written.Setter = Text.substr(a + 1, b - a - 1);
    Written.Reader = Text.substr(b + 1, c - b - 1);
    Written.Font = Text.compare(c + 1, d - c - 1, "font") == 0;
    Written.Hint = Text.substr(d + 1);
    return true;
}

} // namespace

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
        if (name == "Focus")
            design.Takes = value == "Tab"     ? ClassDesign::Focus::Tab
                           : value == "Group" ? ClassDesign::Focus::Group
                                              : ClassDesign::Focus::None;
        if (name == "Event") design.Events.push_back(value);
        if (name == "Text") design.TextIsLines = value == "Lines";
        ValueDesign described;
        described.Set = name == "Set";
        if ((name == "Value" || name == "Set") && ParseValueDesign(value, described))
            design.Values.push_back(described);
        size_t colon = value.find(':');
        if (name == "Link" && colon != std::string::npos)
            design.Links.push_back({value.substr(0, colon), value.substr(colon + 1)});
        WrittenDesign written;
        if (name == "Written" && ParseWrittenDesign(value, written))
            design.Written.push_back(written);
        FlagDesign flag;
        if ((name == "Flag" || name == "ExFlag") && ParseFlagDesign(value, name[0] == 'E', flag))
            design.Flags.push_back(flag);
        uint32_t message = 0;
        if (name == "Items" && ParseHex(value.substr(colon + 1), message)) {
            design.ItemsMessageName = value.substr(0, colon);
            design.ItemsMessage = message;
        }
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

EventSignature ParseEvent(const std::string& Event) {
    EventSignature signature;
    size_t open = Event.find('('), close = Event.rfind(')');
    signature.Name = Event.substr(0, open);
    if (open == std::string::npos || close == std::string::npos || close < open) return signature;
    signature.Parameters = Event.substr(open + 1, close - open - 1);
    for (const std::string& parameter : SplitAtCommas(signature.Parameters)) {
        size_t first = parameter.find_first_not_of(' '), last = parameter.find_last_of(" *&");
        if (first == std::string::npos || last == std::string::npos || last < first) continue;
        std::string type = parameter.substr(first, last + 1 - first);
        while (!type.empty() && type.back() == ' ')
            type.pop_back();
        signature.Each.emplace_back(type, parameter.substr(last + 1));
    }
    return signature;
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
    Core.FormKey = FindExport<decltype(Core.FormKey)>(Core.Module, "FORMKEY@4");
    Core.DesignText = FindExport<decltype(Core.DesignText)>(Core.Module, "DESIGNTEXT@16");
    return LoadFailure::None;
}
