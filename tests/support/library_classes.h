// The window classes the library registers when it starts, for the tests of its life cycle.
#pragma once

#include <windows.h>

inline const char* const LibraryClasses[] = {
    "QBlue", "QGreen",    "QRed",     "QDummy",     "QMyFrame",     "QBox",       "VUdeRedo",
    "QForm", "QLabel",    "QButton",  "QCheckBox",  "QRadioButton", "QGroupBox",  "QEdit",
    "QMemo", "QComboBox", "QListBox", "QScrollBar", "QToolBar",     "QStatusBar", "QPanel"};

inline bool IsRegistered(const char* ClassName) {
    WNDCLASSEXA info{};
    info.cbSize = sizeof info;
    return GetClassInfoExA(GetModuleHandleA(nullptr), ClassName, &info) != FALSE;
}
