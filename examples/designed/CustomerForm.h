// CustomerForm: the form's own code. Generate wrote this file once and never writes it
// again; the designed form is CustomerFormDesign, in CustomerFormDesign.h.
#pragma once

#include "CustomerFormDesign.h"

class CustomerForm : public CustomerFormDesign {
public:
    CustomerForm* Self() override { return this; }

protected:
    // A handler wired in the designer later needs nothing here until it has
    // something to do: override it then.
    void FormClose(QFrame* Sender, int& Action) override;
    void SaveButtonClick(QFrame* Sender) override;
    void CancelButtonClick(QFrame* Sender) override;
};
