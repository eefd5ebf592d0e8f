#include "components.h"

#include "containers/bars.h"
#include "containers/panel.h"
#include "controls/buttons.h"
#include "controls/edits.h"
#include "controls/lists.h"
#include "designer/demo_components.h"
#include "object/class_registry.h"
#include "object/forms.h"

namespace {

template <class Component> ComponentKind Kind(const char* Name) {
    return {Name, [] { return std::make_unique<Component>(); }};
}

} // namespace

const std::vector<ComponentKind>& AllComponents() {
    static const std::vector<ComponentKind> all = {
        Kind<QForm>("QForm"),
        Kind<QLabel>("QLabel"),
        Kind<QButton>("QButton"),
        Kind<QCheckBox>("QCheckBox"),
        Kind<QRadioButton>("QRadioButton"),
        Kind<QGroupBox>("QGroupBox"),
        Kind<QEdit>("QEdit"),
        Kind<QMemo>("QMemo"),
        Kind<QComboBox>("QComboBox"),
        Kind<QListBox>("QListBox"),
        Kind<QScrollBar>("QScrollBar"),
        Kind<QPanel>("QPanel"),
        Kind<QToolBar>("QToolBar"),
        Kind<QStatusBar>("QStatusBar"),
        Kind<QBox>("QBox"),
        Kind<QDummy>("QDummy"),
        Kind<QRed>("QRed"),
        Kind<QGreen>("QGreen"),
        Kind<QBlue>("QBlue"),
    };
    return all;
}

void RegisterAllClasses() {
    static bool registered = (RegisterLibraryClasses(), true);
    (void)registered;
}
