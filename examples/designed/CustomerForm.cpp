#include "CustomerForm.h"

// Closing the form ends the message loop, and the program.
void CustomerForm::FormClose(QFrame* /*Sender*/, int& /*Action*/) {
    PostQuitMessage(0);
}

// Save notes the customer in the history and says so in the button bar.
void CustomerForm::SaveButtonClick(QFrame* /*Sender*/) {
    std::string entry = "Saved " + NameEdit.Text();
    History.Perform(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
    Status.SetText(entry);
}

void CustomerForm::CancelButtonClick(QFrame* /*Sender*/) {
    PostMessageA(Handle(), WM_CLOSE, 0, 0);
}
