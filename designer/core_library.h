// core.dll as the designer uses it: loaded at run time, asked for its version text, for the
// classes a form may hold and for what it knows of each, and the owner of the palette bitmaps.
#pragma once

#include <windows.h>

#include "component_record.h"

#include <cstdint>
#include <string>
#include <vector>

// A numbered value of a class: a colour, or one of named choices. Generated code writes
// Setter(value); a choice that is a C++ name is the library's enumerator and is written so,
// but for false and true.
struct ValueDesign {
    std::string Name;
    std::string Setter; // "SetBorderStyle", "Canvas.SetColor"
    uint32_t Default = 0;
    bool Colour = false;
    bool Set = false; // the choices are bits, any of them together
    std::vector<std::pair<std::string, uint32_t>> Choices;

    // The choice of Value, or "" when it has none.
    std::string ChoiceOf(uint32_t Value) const;
    // A set's choices in Value joined by Separator ("akLeft|akTop"); "" for none of them.
    std::string NamesOf(uint32_t Value, const std::string& Separator) const;
    // The value of a set's choices joined by "|"; false for a name of none of them.
    bool ReadNames(const std::string& Text, uint32_t& Value) const;
};

// A property naming another component of the form; generated code writes Setter(&component).
struct LinkDesign {
    std::string Name;
    std::string Setter;
};

// A property written as text the library reads and writes (a font, the form's shortcuts);
// generated code writes Setter(::Reader("text")). Font offers the font dialog; Hint says what a
// text must be.
struct WrittenDesign {
    std::string Name;
    std::string Setter;
    std::string Reader;
    bool Font = false;
    std::string Hint;
};

// A style bit the designer shows by name; Extended for the extended style.
struct FlagDesign {
    std::string Name;
    bool Extended = false;
    uint32_t Bits = 0;
};

// What the library says of a class: what a new component of it gets, whether it holds others,
// its events as "OnClick(QFrame* Sender)", its values and named style bits, whether its text
// is lines (a memo) and the message that adds an item to it (none: 0).
struct ClassDesign {
    // Whether a person can focus a component of the class; radio buttons do so as a group.
    enum class Focus { None, Tab, Group };

    uint32_t Style = 0;
    uint32_t ExStyle = 0;
    int Width = 100;
    int Height = 50;
    bool Holds = false;
    std::vector<std::string> Events;
    std::vector<ValueDesign> Values;
    std::vector<FlagDesign> Flags;
    std::vector<LinkDesign> Links;
    std::vector<WrittenDesign> Written;
    bool TextIsLines = false;
    Focus Takes = Focus::None;
    std::string ItemsMessageName; // "LB_ADDSTRING"
    UINT ItemsMessage = 0;

    const ValueDesign* ValueNamed(const std::string& Name) const;
    // The event called Name ("OnClick"), with its parameters, or "" when the class has none.
    std::string EventNamed(const std::string& Name) const;

    // A new component of the class ClassName at 0, 0, without name or text: the styles get the
    // bits every component window has, as the library's own creation gives them.
    ComponentRecord NewComponent(const std::string& ClassName) const;
    // The style bits a new component of the class gets where it follows a component of the
    // class Before in its holder (null for none): a tab stop when a person can focus it, and
    // radio buttons in a run are one group, which the first starts with the stop and the next
    // other component ends.
    uint32_t PlacedStyle(const ClassDesign* Before) const;
    // What this class and Other both have, for showing several components at once: the events,
    // values and flags alike in both, lines and items only when both have them alike.
    ClassDesign SharedWith(const ClassDesign& Other) const;
};

struct CoreLibrary {
    HMODULE Module = nullptr;
    std::string Version;
    std::vector<std::string> Classes; // in the library's order
    std::vector<ClassDesign> Designs; // one per class, in the same order
    ClassDesign Form;                 // the designed form's own
    // The keys the library's loop answers for its forms, for a designed form being tried out;
    // null for a library without them.
    BOOL(WINAPI* FormKey)(MSG* Message) = nullptr;
    // Checks the text of a written value and writes it the library's way; null for a library
    // without.
    BOOL(WINAPI* DesignText)(const char* Name, const char* Text, char* Written, int Size) = nullptr;

    // Text as the library writes the value Name; false when it reads none.
    bool NormalText(const std::string& Name, const std::string& Text, std::string& Written) const;

    bool Offers(const std::string& ClassName) const;
    // The design of an offered class; a plain one for any other.
    const ClassDesign& DesignOf(const std::string& ClassName) const;
};

// Reads the library's description of a class (lines of Name=Value); what it lacks keeps the
// plain values.
ClassDesign ParseClassDesign(const char* Text);

// Why loading failed; each has its own exit code.
enum class LoadFailure { None = 0, Missing = 2, NotTheLibrary = 3 };

// Loads the library at Path and asks it its two questions. On failure Problem says why.
LoadFailure LoadCoreLibrary(const std::string& Path, CoreLibrary& Core, std::string& Problem);

// The path of core.dll beside the running program.
std::string CoreBesideProgram();

std::vector<std::string> SplitAtCommas(const std::string& Text);

// The parts of an event "OnClose(QFrame* Sender, int& Action)": its name, its parameters as
// written, and each parameter's type and name.
struct EventSignature {
    std::string Name;
    std::string Parameters;
    std::vector<std::pair<std::string, std::string>> Each; // {"int&", "Action"}
};
EventSignature ParseEvent(const std::string& Event);
