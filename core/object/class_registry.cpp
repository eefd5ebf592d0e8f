#include "object/class_registry.h"

#include "containers/bars.h"
#include "containers/panel.h"
#include "controls/buttons.h"
#include "controls/edits.h"
#include "controls/lists.h"
#include "designer/demo_components.h"
#include "designer/editor.h"
#include "object/forms.h"

#include <commctrl.h>

namespace {

// The standard classes, registered in this order at load.
ATOM(*const StandardRegistrations[])
() = {RegisterFormClass,        RegisterLabelClass,    RegisterButtonClass,   RegisterCheckBoxClass,
      RegisterRadioButtonClass, RegisterGroupBoxClass, RegisterEditClass,     RegisterMemoClass,
      RegisterComboBoxClass,    RegisterListBoxClass,  RegisterScrollBarClass};

// And unregistered in this order at unload.
const char* const StandardClasses[] = {"QForm",        "QLabel",    "QButton",   "QCheckBox",
                                       "QRadioButton", "QGroupBox", "QEdit",     "QMemo",
                                       "QListBox",     "QComboBox", "QScrollBar"};

void Unregister(const char* ClassName) {
    UnregisterClassA(ClassName, GetModuleHandleA(nullptr));
}

} // namespace

void RegisterLibraryClasses() {
    RegisterDemoClasses();
    LoadEditorLibrary();
    for (auto Register : StandardRegistrations)
        Register();
    InitCommonControls();
    RegisterToolBarClass();
    RegisterStatusBarClass();
    RegisterPanelClass();
}

void UnregisterLibraryClasses() {
    Unregister("QPanel");
    Unregister("QToolBar");
    Unregister("QStatusBar");
    for (const char* name : StandardClasses)
        Unregister(name);
    FreeEditorLibrary();
    UnregisterDemoClasses();
}
