// core.dll loaded into a program that has none of the library compiled in, as the designer and
// ordinary programs load it: its exports and its class life cycle.
#include "support/library_classes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

// The text an exported function of Core answers, or "(missing)".
std::string Call(HMODULE Core, const char* Export) {
    auto function = reinterpret_cast<const char*(WINAPI*)()>(
        reinterpret_cast<void*>(GetProcAddress(Core, Export)));
    return function ? function() : "(missing)";
}

} // namespace

// Designers import the two texts by their decorated names or by ordinal. Each load registers
// every class and loads the editor library when it is installed; each unload undoes both, so
// that the next load starts afresh.
TEST(CoreLibrary, ExportsItsTextsAndRegistersEveryClassWhileLoaded) {
    std::string folder = MIRVANE_INSTALLED, seen;
    CreateDirectoryA(folder.substr(0, folder.find_last_of("/\\")).c_str(), nullptr);
    // A designer finds a global class whatever instance it names: the classes that are not.
    auto note = [&seen] {
        seen +=
            std::to_string(
                std::count_if(std::begin(LibraryClasses), std::end(LibraryClasses), IsRegistered)) +
            (GetModuleHandleA(MIRVANE_INSTALLED) ? " classes, editor; local" : " classes; local");
        for (const char* name : LibraryClasses) {
            WNDCLASSEXA info{};
            info.cbSize = sizeof info;
            if (IsRegistered(name) &&
                !GetClassInfoExA(GetModuleHandleA("kernel32.dll"), name, &info))
                seen += std::string(" ") + name;
        }
        seen += "\n";
    };
    for (bool installed : {true, false}) {
        ASSERT_TRUE(installed ? CopyFileA(MIRVANE_DLL, MIRVANE_INSTALLED, FALSE)
                              : DeleteFileA(MIRVANE_INSTALLED));
        HMODULE core = LoadLibraryA(CORE_DLL);
        note();
        const char* const names[] = {MAKEINTRESOURCEA(2), MAKEINTRESOURCEA(1), "VERSION@0",
                                     "EXPORTCLASSES@0", "VERSION"};
        for (const char* name : names)
            seen += Call(core, name) + "\n";
        FreeLibrary(core);
        note();
    }
    const std::string texts = "Velmora(Tessaly7)-GUI Version 1\nQPanel,QToolBar,QStatusBar,QLabel,"
                              "QButton,QEdit,QMemo,QComboBox,QListBox,QCheckBox,QRadioButton,"
                              "QGroupBox,QScrollBar,QMyFrame,VUdeRedo,QBox,QDummy\n",
                      exports = texts + texts + "(missing)\n";
    EXPECT_EQ(seen, "21 classes, editor; local QBlue QGreen QRed QDummy QForm\n" + exports +
                        "0 classes; local\n21 classes; local QBlue QGreen QRed QDummy QForm\n" +
                        exports + "0 classes; local\n");
}
