// A program whose static form is destroyed after everything the library builds at run time:
// the form's destructor must still reach the library's registries and clear a list's Parent.
// Exits with 1 when the list still names the destroyed form.
#include "containers/string_list.h"
#include "object/forms.h"

#include <cstdlib>

namespace {

QStrings* Orphan = nullptr;

// Registered before the form exists, so it runs after the form's destructor.
const int Checked = std::atexit([] {
    if (Orphan && Orphan->Parent() != nullptr) std::_Exit(1);
});

QForm StaticForm;

} // namespace

int main() {
    // The first list of the program: the registries are built now, after the static form.
    Orphan = new QStrings;
    Orphan->SetParent(&StaticForm);
    return 0;
}
