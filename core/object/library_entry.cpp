// Entry of core.dll: loading registers every component class and creates the application
// object; unloading unregisters the classes. It also answers the designer's questions.
#include "object/design_contract.h"
#include "object/dialog_keys.h"
#include "object/library_start.h"

#include <windows.h>

#include <cstring>

#define QUOTE_(X) #X
#define QUOTE(X) QUOTE_(X)
// The designer imports the two functions as "VERSION@0" and "EXPORTCLASSES@0" on every
// architecture (core.def), so the symbols carry that decoration themselves. Name is a string
// literal joined to the prefix's: parentheses around it would end the asm label.
// NOLINTNEXTLINE(bugprone-macro-parentheses)
#define EXPORT_NAME(Name) __asm__(QUOTE(__USER_LABEL_PREFIX__) Name)

extern "C" const char* WINAPI VERSION() EXPORT_NAME("VERSION@0");
extern "C" const char* WINAPI EXPORTCLASSES() EXPORT_NAME("EXPORTCLASSES@0");
// Added for designers after the first two; a designer that looks for it by name works with a
// library without it too.
extern "C" const char* WINAPI DESIGNCLASS(const char* ClassName) EXPORT_NAME("DESIGNCLASS@4");
// For a designer's own loop, which shows a designed form: the keys the library's loop answers
// for a form (shortcuts, dialog keys). TRUE when Message was taken, and is not to be dispatched.
extern "C" BOOL WINAPI FORMKEY(MSG* Message) EXPORT_NAME("FORMKEY@4");

// For a designer's shortcut rows: TRUE, with Text as ParseShortcutList reads and
// ShortcutListText writes it in Written (Size bytes with its NUL), when Text is such a list and
// that fits.
extern "C" BOOL WINAPI SHORTCUTLIST(const char* Text, char* Written, int Size)
    EXPORT_NAME("SHORTCUTLIST@12");

// For a designer's rows of text values: TRUE, with Text written the library's way in Written
// (Size bytes with its NUL), when the property Name ("Font", "Shortcuts") reads Text and that
// fits.
extern "C" BOOL WINAPI DESIGNTEXT(const char* Name, const char* Text, char* Written, int Size)
    EXPORT_NAME("DESIGNTEXT@16");

const char* WINAPI VERSION() {
    return "Velmora(Tessaly7)-GUI Version 1";
}

const char* WINAPI EXPORTCLASSES() {
    return "QPanel,QToolBar,QStatusBar,QLabel,QButton,QEdit,QMemo,QComboBox,QListBox,QCheckBox,"
           "QRadioButton,QGroupBox,QScrollBar,QMyFrame,VUdeRedo,QBox,QDummy";
}

const char* WINAPI DESIGNCLASS(const char* ClassName) {
    return DesignClassText(ClassName);
}

BOOL WINAPI FORMKEY(MSG* Message) {
    return Message && TranslateDialogKey(*Message);
}

BOOL WINAPI SHORTCUTLIST(const char* Text, char* Written, int Size) {
    return DESIGNTEXT("Shortcuts", Text, Written, Size);
}

BOOL WINAPI DESIGNTEXT(const char* Name, const char* Text, char* Written, int Size) {
    std::string normal;
    if (!Written || Size <= 0 || !DesignText(Name, Text, normal) ||
        normal.size() >= static_cast<size_t>(Size))
        return FALSE;
    std::memcpy(Written, normal.c_str(), normal.size() + 1);
    return TRUE;
}

BOOL WINAPI DllMain(HINSTANCE, DWORD Reason, LPVOID) {
    if (Reason == DLL_PROCESS_ATTACH) StartLibrary();
    if (Reason == DLL_PROCESS_DETACH) StopLibrary();
    return TRUE;
}
