// Runs the C++ the designer generated and writes the form it makes as a form file, read the
// way the designer reads its own, to be compared with the file the form was designed in. The
// hosted editor is left out: its window comes from the editor library, when that is installed.
// Only the components of classes that hold others are looked into: the others' children (the
// demonstration frame's own label and button) are not designed.
#include "DesignedForm.h"
#include "component_window.h"
#include "form_file.h"
#include "object/design_contract.h"
#include "object/library_start.h"

#include <cstring>
#include <fstream>

namespace {

void Collect(QFrame& Holder, const std::string& HolderName, std::vector<ComponentRecord>& Made) {
    for (int i = 0; i < Holder.ControlCount(); ++i) {
        QFrame& c = *Holder.Controls(i);
        if (c.ClassName() == "VUdeRedo") continue;
        Made.push_back(ReadComponent(c.Handle(), c.Name()));
        Made.back().Parent = HolderName;
        if (std::strstr(DesignClassText(c.ClassName().c_str()), "Holds=1"))
            Collect(c, c.Name(), Made);
    }
}

} // namespace

int main(int, char** argv) {
    StartLibrary();
    DesignedForm form;
    form.SetParent(nullptr);
    std::vector<ComponentRecord> made;
    Collect(form, "", made);
    std::ofstream(argv[1], std::ios::binary) << FormatFormFile("", made);
}
