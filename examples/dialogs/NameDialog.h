// NameDialog: the form's own code. Generate wrote this file once and never writes it
// again; the designed form is NameDialogDesign, in NameDialogDesign.h.
#pragma once

#include "NameDialogDesign.h"

class NameDialog : public NameDialogDesign {
public:
    NameDialog* Self() override { return this; }
};
