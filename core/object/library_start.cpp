#include "object/library_start.h"

#include "containers/paths.h"
#include "object/class_registry.h"
#include "object/forms.h"
#include "object/posted_message_guard.h"

#include <new>

namespace {

bool Started = false;

} // namespace

void StartLibrary() {
    if (Started) return;
    Started = true;
    RegisterLibraryClasses();
    AllocateOwnerCell();
    if (!Application) Application = new (std::nothrow) QApplication;
    // A stop removed the guards of threads whose windows may outlive it.
    ResumePostedAddressGuards();
}

void StopLibrary() {
    if (!Started) return;
    Started = false;
    FreeOwnerCell();
    UnregisterLibraryClasses();
    RemovePostedAddressGuards();
}
