// What a newly placed component of a class looks like before the user changes it.
#pragma once

#include <cstdint>
#include <string>

struct ClassDefaults {
    uint32_t Style;
    uint32_t ExStyle;
    int Width;
    int Height;
};

// The construction values of the library's component of that class; a class the designer does
// not know gets a plain visible child of 100 x 50.
ClassDefaults DefaultsOf(const std::string& ClassName);
