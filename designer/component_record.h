// One placed component as the form file and the code generator see it.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

struct ComponentRecord {
    std::string ClassName;
    std::string Name;
    // The name of the component holding this one; "" for the form itself.
    std::string Parent;
    std::string Text;
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
    uint32_t Style = 0;
    uint32_t ExStyle = 0;
    int Id = 0;
    int Align = 0; // the library's QAlign: alNone, alLeft, alRight, alTop, alBottom, alClient
    // The class's numbered values (colours, border, caption placement) that differ from what a
    // new component of the class has, by the library's name of each.
    std::map<std::string, uint32_t> Values;
    // The items of a list or combo box, which the generated code fills in.
    std::vector<std::string> Items;
    // The handler of each wired event, by event name ("OnClick"); several may share one.
    std::map<std::string, std::string> Events;
    // The component of the form each link names, by the link's name ("FocusControl").
    std::map<std::string, std::string> Links;
    // The values written as text, by name, as the library writes them: a font "Tahoma,8,Bold"
    // (none: the holder's), the form's shortcuts "Ctrl+S=101,F5=102". None is empty.
    std::map<std::string, std::string> Written;
};

// What a form file holds of a place in the holder, of a size and of an identifier: the file's
// reader, the property list and every edit that moves, sizes or numbers a component keep to it.
constexpr int LeastPlace = -32768, MostPlace = 32767, MostSize = 32767, MostId = 65535;
// Record's place and size brought within what a form file holds.
void KeepToFileRange(ComponentRecord& Record);

// The library's names of the alignments, in QAlign's order.
extern const char* const AlignNames[6];
// The alignment called Name; false for none of AlignNames.
bool ParseAlign(const std::string& Name, int& Value);

bool operator==(const ComponentRecord& A, const ComponentRecord& B);
inline bool operator!=(const ComponentRecord& A, const ComponentRecord& B) {
    return !(A == B);
}

// True for a C++ identifier.
bool IsIdentifier(const std::string& Name);
// True for a name the generated C++ can declare as a component, a handler or the form's class:
// an identifier that is no keyword, none reserved to the compiler (a leading underscore and
// capital, a double underscore anywhere), no macro of the headers the generated code includes
// and none the generated code gives its own parts or names unqualified inside the form's
// class. The file, the property list and Paste all keep to it, so that every form the designer
// holds generates C++ that compiles.
bool IsValidComponentName(const std::string& Name);
// Decimal and hexadecimal fields; false when Text is not wholly such a number or is out of range.
bool ParseDecimal(const std::string& Text, int Min, int Max, int& Value);
bool ParseHex(const std::string& Text, uint32_t& Value);
std::string Hex(uint32_t Value);
