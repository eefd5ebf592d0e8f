#include "object/forms.h"
#include "object/library_start.h"

#include <cstdio>

void Clicked(QFrame*) {
    std::puts("clicked");
}

// The message loop runs until a quit message: closing the form posts one.
void Closed(QFrame*, int&) {
    PostQuitMessage(0);
}

int main() {
    StartLibrary();            // registers the classes and creates Application
    QForm form;                // a top-level form, 350 x 250
    form.SetText("Hello");     // the caption
    form.OnClick = Clicked;    // a left click on the form
    form.OnClose = Closed;     // the close box
    form.SetParent(nullptr);   // writing Parent creates the window
    return Application->Run(); // 0 once the form is closed
}
