// A small demonstration form: a button whose click prints a line.
#include "object/forms.h"

#include <cstdio>

namespace {

// Until the button control exists, a QForm-class child stands in for it.
void ButtonClicked(QFrame*) {
    std::printf("Button clicked.\n"), std::fflush(stdout);
}

} // namespace

int main() {
    RegisterFormClass();
    QApplication application;
    Application = &application;

    QForm form;
    form.SetText("Velmora demo");
    QForm button;
    button.SetText("Click me");
    button.SetStyle(WS_CHILD | WS_BORDER);
    button.SetBounds(20, 20, 120, 30);
    button.Canvas.SetColor(RGB(200, 220, 255));
    button.OnClick = ButtonClicked;
    button.SetParent(&form);
    form.SetParent(nullptr);
    return Application->Run();
}
