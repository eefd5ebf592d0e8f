// Runs the C++ the designer generated and writes the form it makes as a form file, read the
// way the designer reads its own, to be compared with the file the form was designed in. The
// hosted editor is left out: its window comes from the editor library, when that is installed.
#include "DesignedForm.h"
#include "component_window.h"
#include "form_file.h"
#include "object/library_start.h"

#include <fstream>

int main(int, char** argv) {
    StartLibrary();
    DesignedForm form;
    form.SetParent(nullptr);
    std::vector<ComponentRecord> made;
    for (int i = 0; i < form.ControlCount(); ++i)
        if (QFrame& c = *form.Controls(i); c.ClassName() != "VUdeRedo")
            made.push_back(ReadComponent(c.Handle(), c.Name()));
    std::ofstream(argv[1], std::ios::binary) << FormatFormFile("", made);
}
