// core.dll as the designer uses it: loaded at run time, asked for its version text, for the
// classes a form may hold and for what it knows of each, and the owner of the palette bitmaps.
#pragma once

#include <windows.h>

#include "component_record.h"

#include <cstdint>
#include <string>
#include <vector>

// What the library says of a class: what a new component of it gets, whether it holds others,
// and its events as "OnClick(QFrame* Sender)".
struct ClassDesign {
    uint32_t Style = 0;
    uint32_t ExStyle = 0;
    int Width = 100;
    int Height = 50;
    bool Holds = false;
    std::vector<std::string> Events;

    // A new component of the class ClassName at 0, 0, without name or text: the styles get the
    // bits every component window has, as the library's own creation gives them.
    ComponentRecord NewComponent(const std::string& ClassName) const;
};

struct CoreLibrary {
    HMODULE Module = nullptr;
    std::string Version;
    std::vector<std::string> Classes; // in the library's order
    std::vector<ClassDesign> Designs; // one per class, in the same order
    ClassDesign Form;                 // the designed form's own

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
