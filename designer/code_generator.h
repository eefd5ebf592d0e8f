// C++ for a designed form: a header and a source defining a QForm subclass whose members are
// the placed components, set up the way a hand-written form (QMyFrame) sets up its members.
#pragma once

#include "component_record.h"

#include <string>
#include <vector>

struct GeneratedForm {
    std::string ClassName; // also the file names: ClassName.h and ClassName.cpp
    std::string CoreVersion;
    int ClientWidth = 0;
    int ClientHeight = 0;
    std::vector<ComponentRecord> Components;
};

std::string GenerateHeader(const GeneratedForm& Form);
std::string GenerateSource(const GeneratedForm& Form);
