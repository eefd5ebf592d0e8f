// CustomerFormDesign: made with the Velmora designer and Velmora(Tessaly7)-GUI Version 1.
// Generate writes this file again each time: change the form in the designer, and write
// your code in CustomerForm.h and CustomerForm.cpp, which Generate never overwrites.
#pragma once

#include "containers/bars.h"
#include "containers/panel.h"
#include "controls/buttons.h"
#include "controls/edits.h"
#include "controls/lists.h"
#include "designer/demo_components.h"
#include "designer/editor.h"
#include "object/forms.h"

class CustomerFormDesign : public QForm {
public:
    CustomerFormDesign();
    CustomerFormDesign* Self() override { return this; }
    void CreateHandle() override;

    ::QPanel Header;
    ::QLabel NameLabel;
    ::QEdit NameEdit;
    ::QLabel MailLabel;
    ::QEdit MailEdit;
    ::QGroupBox Plan;
    ::QRadioButton Basic;
    ::QRadioButton Premium;
    ::QCheckBox Newsletter;
    ::QMemo Notes;
    ::QListBox History;
    ::QComboBox Country;
    ::QScrollBar Zoom;
    ::QPanel Buttons;
    ::QButton SaveButton;
    ::QButton CancelButton;
    ::QLabel Status;

protected:
    // The handlers of the wired events: override those the form acts on.
    virtual void FormClose(QFrame* /*Sender*/, int& /*Action*/) {}
    virtual void SaveButtonClick(QFrame* /*Sender*/) {}
    virtual void CancelButtonClick(QFrame* /*Sender*/) {}

private:
    // The form of this class that holds Sender (or is Sender).
    static CustomerFormDesign* FormOf(QFrame* Sender);
};
