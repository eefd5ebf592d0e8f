// Measures the library against the raw platform, side by side in one run. Usage: bench [family]
// with family one of dispatch, creation, events, alignment, strings; all without one.
#include "timing.h"

#include "controls/buttons.h"
#include "object/forms.h"

#include <cstring>

int main(int Count, char** Arguments) {
    RegisterFormClass();
    RegisterButtonClass();
    QApplication application;
    Application = &application;
    const struct {
        const char* Name;
        void (*Run)();
    } families[] = {{"dispatch", BenchDispatch},
                    {"creation", BenchCreation},
                    {"events", BenchEventPath},
                    {"alignment", BenchAlignment},
                    {"strings", BenchStringList}};
    for (const auto& family : families)
        if (Count < 2 || std::strcmp(Arguments[1], family.Name) == 0) family.Run();
    return 0;
}
