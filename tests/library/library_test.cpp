// core.dll's exports, palette bitmaps and class life cycle, loaded into a program that has none
// of the library compiled in, as the designer and ordinary programs load it.
#include "support/library_classes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

// Loads core.dll for one test and frees it at the end.
struct CoreLibraryTest : testing::Test {
    HMODULE Core = LoadLibraryA(CORE_DLL);
    ~CoreLibraryTest() override { FreeLibrary(Core); }
    // The text an exported function answers, or "(missing)".
    std::string Call(const char* Export) {
        auto function = reinterpret_cast<const char*(WINAPI*)()>(
            reinterpret_cast<void*>(GetProcAddress(Core, Export)));
        return function ? function() : "(missing)";
    }
};

} // namespace

// Designers import the two texts by their decorated names or by ordinal.
TEST_F(CoreLibraryTest, ExportsTheTwoTextsByNameAndOrdinal) {
    EXPECT_EQ(Call(MAKEINTRESOURCEA(1)) + "\n" + Call(MAKEINTRESOURCEA(2)) + "\n" + Call("VERSION"),
              Call("EXPORTCLASSES@0") + "\n" + Call("VERSION@0") + "\n(missing)");
    EXPECT_EQ(Call("VERSION@0"), "Velmora(Tessaly7)-GUI Version 1");
    EXPECT_EQ(Call("EXPORTCLASSES@0"),
              "QPanel,QToolBar,QStatusBar,QLabel,QButton,QEdit,QMemo,QComboBox,QListBox,QCheckBox,"
              "QRadioButton,QGroupBox,QScrollBar,QMyFrame,VUdeRedo,QBox,QDummy");
}

// Each load registers every class and loads the editor library when it is installed; each
// unload undoes both, so that the next load starts afresh.
TEST(CoreLibraryLifeCycle, RegistersEveryClassAndLoadsTheEditorLibraryOnlyWhenInstalled) {
    std::string folder = MIRVANE_INSTALLED, seen;
    CreateDirectoryA(folder.substr(0, folder.find_last_of("/\\")).c_str(), nullptr);
    auto note = [&seen] {
        seen += std::to_string(std::count_if(std::begin(LibraryClasses), std::end(LibraryClasses),
                                             IsRegistered)) +
                (GetModuleHandleA(MIRVANE_INSTALLED) ? " classes, editor\n" : " classes\n");
    };
    for (bool installed : {true, false}) {
        ASSERT_TRUE(installed ? CopyFileA(MIRVANE_DLL, MIRVANE_INSTALLED, FALSE)
                              : DeleteFileA(MIRVANE_INSTALLED));
        HMODULE core = LoadLibraryA(CORE_DLL);
        note();
        FreeLibrary(core);
        note();
    }
    EXPECT_EQ(seen, "21 classes, editor\n0 classes\n21 classes\n0 classes\n");
}
