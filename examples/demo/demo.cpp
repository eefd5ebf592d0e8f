// A small demonstration form: a button whose click prints a line.
#include "controls/buttons.h"
#include "object/forms.h"

#include <cstdio>

namespace {

void ButtonClicked(QFrame*) {
    std::printf("Button clicked.\n"), std::fflush(stdout);
}

} // namespace

int main() {
    RegisterFormClass();
    RegisterButtonClass();
    QApplication application;
    Application = &application;

    QForm form;
    form.SetText("Velmora demo");
    QButton button;
    button.SetText("Click me");
    button.SetBounds(20, 20, 120, 30);
    button.OnClick = ButtonClicked;
    button.SetParent(&form);
    form.SetParent(nullptr);
    return Application->Run();
}
