/// \file
/// The size a QForm starts with. A program that defines FormDefaults in one of its own object
/// files gets its own size; every other program, and core.dll, gets the library archive's
/// definition (form_defaults.cpp), which the linker pulls only while the name is undefined.
#pragma once

struct QFormDefaults {
    int Width;
    int Height;
};

extern const QFormDefaults FormDefaults;
