#include "component_record.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <set>
#include <tuple>

namespace {

// The macros of windows.h and of the library's headers that the generated C++ includes, sorted:
// no qualification keeps a macro from replacing a name.
const char* const HeaderMacros[] = {
#include "header_macros.inc"
};

bool IsHeaderMacro(const std::string& Name) {
    return std::binary_search(std::begin(HeaderMacros), std::end(HeaderMacros), Name.c_str(),
                              [](const char* A, const char* B) { return std::strcmp(A, B) < 0; });
}

auto Fields(const ComponentRecord& R) {
    return std::tie(R.ClassName, R.Name, R.Parent, R.Text, R.Left, R.Top, R.Width, R.Height,
                    R.Style, R.ExStyle, R.Id, R.Align, R.Values, R.Items, R.Events, R.Links,
                    R.Written);
}

} // namespace

const char* const AlignNames[6] = {"alNone", "alLeft", "alRight", "alTop", "alBottom", "alClient"};

bool ParseAlign(const std::string& Name, int& Value) {
    for (int i = 0; i < 6; ++i)
        if (Name == AlignNames[i]) Value = i;
    return std::find(std::begin(AlignNames), std::end(AlignNames), Name) != std::end(AlignNames);
}

void KeepToFileRange(ComponentRecord& Record) {
    Record.Left = std::clamp(Record.Left, LeastPlace, MostPlace);
    Record.Top = std::clamp(Record.Top, LeastPlace, MostPlace);
    Record.Width = std::clamp(Record.Width, 0, MostSize);
    Record.Height = std::clamp(Record.Height, 0, MostSize);
}

bool operator==(const ComponentRecord& A, const ComponentRecord& B) {
    return Fields(A) == Fields(B);
}

bool IsIdentifier(const std::string& Name) {
    if (Name.empty() || std::isdigit(static_cast<unsigned char>(Name[0]))) return false;
    for (char c : Name)
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_') return false;
    return true;
}

bool IsValidComponentName(const std::string& Name) {
    static const std::set<std::string> unusable = {
        // The keywords and alternative tokens of C++17, and the two identifiers of special
        // meaning.
        "alignas", "alignof", "and", "and_eq", "asm", "auto", "bitand", "bitor", "bool", "break",
        "case", "catch", "char", "char16_t", "char32_t", "class", "compl", "const", "const_cast",
        "constexpr", "continue", "decltype", "default", "delete", "do", "double", "dynamic_cast",
        "else", "enum", "explicit", "export", "extern", "false", "final", "float", "for", "friend",
        "goto", "if", "inline", "int", "long", "mutable", "namespace", "new", "noexcept", "not",
        "not_eq", "nullptr", "operator", "or", "or_eq", "override", "private", "protected",
        "public", "register", "reinterpret_cast", "return", "short", "signed", "sizeof", "static",
        "static_assert", "static_cast", "struct", "switch", "template", "this", "thread_local",
        "throw", "true", "try", "typedef", "typeid", "typename", "union", "unsigned", "using",
        "virtual", "void", "volatile", "wchar_t", "while", "xor", "xor_eq",
        // What the generated form's class declares or names without qualifying it, and the
        // types of the events' parameters.
        "FormOf", "Self", "CreateHandle", "SetName", "SetText", "SetBounds", "QForm", "QFrame",
        "LPARAM", "alNone", "alLeft", "alRight", "alTop", "alBottom", "alClient", "uint8_t",
        "uint16_t"};
    bool reserved =
        Name.find("__") != std::string::npos ||
        (Name.size() > 1 && Name[0] == '_' && std::isupper(static_cast<unsigned char>(Name[1])));
    return IsIdentifier(Name) && !reserved && !unusable.count(Name) && !IsHeaderMacro(Name);
}

bool ParseDecimal(const std::string& Text, int Min, int Max, int& Value) {
    size_t digits = Text.find_first_not_of("0123456789", Text.empty() || Text[0] != '-' ? 0 : 1);
    if (digits != std::string::npos || Text.empty() || Text == "-" || Text.size() > 7) return false;
    long number = std::strtol(Text.c_str(), nullptr, 10);
    if (number < Min || number > Max) return false;
    Value = static_cast<int>(number);
    return true;
}

bool ParseHex(const std::string& Text, uint32_t& Value) {
    std::string digits = Text.size() > 2 && Text[0] == '0' && (Text[1] == 'x' || Text[1] == 'X')
                             ? Text.substr(2)
                             : Text;
    if (digits.empty() || digits.size() > 8 ||
        digits.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos)
        return false;
    Value = static_cast<uint32_t>(std::strtoul(digits.c_str(), nullptr, 16));
    return true;
}

std::string Hex(uint32_t Value) {
    char text[9];
    std::snprintf(text, sizeof text, "%08X", static_cast<unsigned>(Value));
    return text;
}
