// The test program's own import slot of a system function. The library is linked into the
// program, so its calls go through the program's slots; a slot defined in the program is taken
// by the linker instead of the import library's, and the function it points at is called.
#pragma once

#ifdef _WIN64
#define IMPORT_SLOT(Function, ArgumentBytes) asm("__imp_" #Function)
#else
#define IMPORT_SLOT(Function, ArgumentBytes) asm("__imp__" #Function "@" #ArgumentBytes)
#endif

#include <windows.h>

// The system's own function of user32.dll, for a slot's replacement to call on.
template <class Function> Function SystemFunction(const char* Name) {
    return reinterpret_cast<Function>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), Name)));
}
