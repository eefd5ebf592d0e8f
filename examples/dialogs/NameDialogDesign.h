// NameDialogDesign: made with the Velmora designer and Velmora(Tessaly7)-GUI Version 1.
// Generate writes this file again each time: change the form in the designer, and write
// your code in NameDialog.h and NameDialog.cpp, which Generate never overwrites.
#pragma once

#include "containers/bars.h"
#include "containers/panel.h"
#include "controls/buttons.h"
#include "controls/edits.h"
#include "controls/lists.h"
#include "designer/demo_components.h"
#include "designer/editor.h"
#include "object/forms.h"

class NameDialogDesign : public QForm {
public:
    NameDialogDesign();
    NameDialogDesign* Self() override { return this; }

    ::QLabel NameLabel;
    ::QEdit NameEdit;
    ::QEdit Secret;
    ::QLabel CodeLabel;
    ::QEdit Code;
    ::QLabel TownLabel;
    ::QEdit TownEdit;
    ::QCheckBox Remember;
    ::QButton OkButton;
    ::QButton CancelButton;
};
