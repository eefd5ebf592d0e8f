#include "CustomerForm.h"
#include "object/library_start.h"

int main() {
    StartLibrary(); // registers the classes and creates Application, as loading core.dll does
    CustomerForm form;
    form.SetParent(nullptr);
    return Application->Run();
}
