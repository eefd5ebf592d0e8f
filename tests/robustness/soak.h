// The long runs (thousands of cycles, random message rounds) are opt-in: scripts/soak sets
// VELMORA_SOAK=1; the default run keeps the short, exact checks.
#pragma once

#include <cstdlib>

inline bool SoakRequested() {
    const char* soak = std::getenv("VELMORA_SOAK");
    return soak && *soak && *soak != '0';
}
