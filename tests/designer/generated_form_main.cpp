// Runs the C++ the designer generated and writes what the form shows, one line per component
// window: class|text|left|top|width|height. The hosted editor is left out: its window comes
// from the editor library, with that library's class, when the library is installed at all.
#include "DesignedForm.h"
#include "object/library_start.h"

#include <fstream>

int main(int argc, char** argv) {
    if (argc != 2) return 1;
    StartLibrary();
    DesignedForm form;
    form.SetParent(nullptr);
    std::ofstream out(argv[1], std::ios::binary);
    for (int i = 0; i < form.ControlCount(); ++i) {
        QFrame& c = *form.Controls(i);
        if (c.ClassName() == "VUdeRedo") continue;
        char name[256];
        out.write(name, GetClassNameA(c.Handle(), name, sizeof name));
        out << '|' << c.Text() << '|' << c.Left() << '|' << c.Top() << '|' << c.Width() << '|'
            << c.Height() << '\n';
    }
    return out ? 0 : 1;
}
