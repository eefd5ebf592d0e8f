// The size a QForm starts with. Each program chooses its defaults at link time by linking one
// definition of FormDefaults: core.dll and ordinary programs link form_defaults.cpp.
#pragma once

struct QFormDefaults {
    int Width;
    int Height;
};

extern const QFormDefaults FormDefaults;
