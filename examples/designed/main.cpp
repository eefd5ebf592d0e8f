#include "DesignedForm.h"
#include "object/library_start.h"

// Closing the form ends the message loop, and the program.
void Closed(QFrame*, int&) {
    PostQuitMessage(0);
}

int main() {
    StartLibrary(); // registers the classes and creates Application, as loading core.dll does
    DesignedForm form;
    form.OnClose = Closed;
    form.SetParent(nullptr);
    return Application->Run();
}
