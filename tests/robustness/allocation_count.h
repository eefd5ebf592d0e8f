// Counts the C++ allocations of the whole test program: the library is linked in, so every
// allocation it makes goes through the replaced operator new and delete.
#pragma once

#include <cstddef>

// Allocations made and not yet freed.
long long LiveAllocations();
