// core.dll loaded into a program that has none of the library compiled in, as the designer and
// ordinary programs load it: its exports and its class life cycle.
#include "support/library_classes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <sstream>
#include <string>
#include <tuple>

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

// A designer asks the library about each class it offers (and the form) by name or ordinal 3:
// the values a new one is placed with, whether it holds components, and its events.
TEST(CoreLibrary, DescribesEachClassToADesigner) {
    HMODULE core = LoadLibraryA(CORE_DLL);
    using Describe = const char*(WINAPI*)(const char*);
    auto byName =
        reinterpret_cast<Describe>(reinterpret_cast<void*>(GetProcAddress(core, "DESIGNCLASS@4")));
    auto byOrdinal = reinterpret_cast<Describe>(
        reinterpret_cast<void*>(GetProcAddress(core, MAKEINTRESOURCEA(3))));
    ASSERT_TRUE(byName && byName == byOrdinal);
    // Each row: the values a new one is placed with (none given: not checked), then how a person
    // reaches it (a tab stop, radio buttons as a group) and the frame bits a designer may switch.
    struct Row {
        const char *Name, *Values, *Traits;
    };
    const Row rows[] = {
        {"QForm", "Style=00CF0000\nExStyle=00000000\nWidth=350\nHeight=250\nHolds=1\n",
         "- ClientEdge Shortcuts"},
        {"QPanel", "Style=00000000\nExStyle=00010000\nWidth=115\nHeight=51\nHolds=1\n", "- Border"},
        {"QGroupBox", "Style=00000007\nExStyle=00000020\nWidth=221\nHeight=51\nHolds=1\n",
         "- Border ClientEdge"},
        {"QButton", "Style=00000000\nExStyle=00000000\nWidth=75\nHeight=35\nHolds=0\n",
         "Tab Border ClientEdge"},
        {"QComboBox", "Style=00000602\nExStyle=00000000\nWidth=115\nHeight=18\nHolds=0\n",
         "Tab Border ClientEdge"},
        {"QRadioButton", "Style=00000009\nExStyle=00000000\nWidth=97\nHeight=19\nHolds=0\n",
         "Group Border ClientEdge"},
        {"QMyFrame", "Style=00000400\nExStyle=00010000\nWidth=742\nHeight=409\nHolds=0\n",
         "- Border ClientEdge Shortcuts"},
        {"QEdit", "", "Tab Border ClientEdge"},
        {"QLabel", "", "- Border ClientEdge FocusControl"},
        {"VUdeRedo", "", "Tab"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        std::string text = byName(row.Name);
        auto has = [&](const char* Line) { return text.find(Line) != std::string::npos; };
        EXPECT_EQ(text.substr(0, strlen(row.Values)), row.Values);
        std::string traits = has("Focus=Tab\n") ? "Tab" : has("Focus=Group\n") ? "Group" : "-";
        traits += has("\nFlag=Border:00800000\n") ? " Border" : "";
        traits += has("\nExFlag=ClientEdge:00000200\n") ? " ClientEdge" : "";
        traits += has("\nWritten=Shortcuts:SetShortcuts:ShortcutList:text:") ? " Shortcuts" : "";
        EXPECT_EQ(traits + (has("\nLink=FocusControl:SetFocusControl\n") ? " FocusControl" : ""),
                  row.Traits);
        // Every class has the component's fourteen events; forms add OnClose.
        size_t events = 0;
        for (size_t at = 0; (at = text.find("\nEvent=", at + 1)) != std::string::npos;)
            ++events;
        bool form = row.Name[1] == 'F' || row.Name[1] == 'M';
        EXPECT_EQ(events, form ? 15u : 14u);
        EXPECT_EQ(has("Event=OnClose(QFrame* Sender, int& Action)\n"), form);
        EXPECT_EQ(has("\nSet=Anchors:SetAnchors:3:akLeft=1,akTop=2,akRight=4,akBottom=8\n"), !form);
        EXPECT_TRUE(has("\nWritten=Font:SetFont:FontOf:font:a font such as "));
    }
    // Every offered class is described, and nothing else is.
    std::istringstream offered(Call(core, "EXPORTCLASSES@0"));
    for (std::string name; std::getline(offered, name, ',');)
        EXPECT_TRUE(byName(name.c_str())) << name;
    EXPECT_EQ(byName("QRed"), nullptr);
    EXPECT_EQ(byName(nullptr), nullptr);
    EXPECT_EQ(byName("QForm"), byName("QForm")); // kept, not made again
    // Texts of values checked and written the library's way: shortcut lists by name or ordinal
    // 5, and any written value by its name through ordinal 6; whether it answered TRUE, and what
    // it wrote in a buffer of the size given.
    using Check = BOOL(WINAPI*)(const char*, char*, int);
    using CheckNamed = BOOL(WINAPI*)(const char*, const char*, char*, int);
    auto check =
        reinterpret_cast<Check>(reinterpret_cast<void*>(GetProcAddress(core, "SHORTCUTLIST@12")));
    ASSERT_TRUE(check && reinterpret_cast<void*>(check) ==
                             reinterpret_cast<void*>(GetProcAddress(core, MAKEINTRESOURCEA(5))));
    auto checkNamed = reinterpret_cast<CheckNamed>(
        reinterpret_cast<void*>(GetProcAddress(core, "DESIGNTEXT@16")));
    ASSERT_TRUE(checkNamed &&
                reinterpret_cast<void*>(checkNamed) ==
                    reinterpret_cast<void*>(GetProcAddress(core, MAKEINTRESOURCEA(6))));
    // The name "-" asks SHORTCUTLIST.
    const std::tuple<const char*, const char*, int, const char*> texts[] = {
        {"-", "ctrl+s=1, f5=2", 14, "1 Ctrl+S=1,F5=2"},
        {"-", "ctrl+s=1, f5=2", 13, "0 "},
        {"-", "", 1, "1 "},
        {"-", "Ctrl+S=0", 64, "0 "},
        {"-", nullptr, 64, "0 "},
        {"Shortcuts", "ctrl+s=1, f5=2", 14, "1 Ctrl+S=1,F5=2"},
        {"Shortcuts", "Ctrl+S=0", 64, "0 "},
        {"Font", " Segoe UI , 9, italic,BOLD", 64, "1 Segoe UI,9,Bold,Italic"},
        {"Font", "Tahoma,8", 8, "0 "},
        {"Font", "", 1, "1 "},
        {"Font", "Tahoma", 64, "0 "},
        {"Font", nullptr, 64, "0 "},
        {"Anchors", "akLeft", 64, "0 "},
        {nullptr, "Tahoma,8", 64, "0 "},
    };
    for (auto [name, text, size, expected] : texts) {
        char written[64] = "";
        BOOL done = name && !strcmp(name, "-") ? check(text, written, size)
                                               : checkNamed(name, text, written, size);
        EXPECT_EQ(std::to_string(done) + " " + (done ? written : ""), expected)
            << (name ? name : "null") << " " << size;
    }
    FreeLibrary(core);
}
