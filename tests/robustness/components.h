// Registration of every window class the library's components need, for the robustness tests.
#pragma once

#include "object/class_registry.h"

// Registers them once per process.
inline void RegisterAllClasses() {
    [[maybe_unused]] static bool registered = (RegisterLibraryClasses(), true);
}
