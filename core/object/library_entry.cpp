// Entry of core.dll: loading registers the component classes and creates the application
// object; unloading unregisters the classes.
#include "object/forms.h"

#include <new>

BOOL WINAPI DllMain(HINSTANCE, DWORD Reason, LPVOID) {
    switch (Reason) {
    case DLL_PROCESS_ATTACH:
        RegisterFormClass();
        Application = new (std::nothrow) QApplication;
        break;
    case DLL_PROCESS_DETACH:
        UnregisterClassA("QForm", GetModuleHandleA(nullptr));
        break;
    }
    return TRUE;
}
