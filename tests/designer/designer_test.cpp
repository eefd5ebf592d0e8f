// The designer run as a program of its own and driven from outside as a user drives it:
// palette commands, posted mouse and keys, the property list and its text commands. What it
// made is read back from the form files it saves.
#include "designer/commands.h"
#include "designer/property_list.h"
#include "tests/support/test_files.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

const std::string Log = GENERATED_DIR "/messages.log", Kept = GENERATED_DIR "/kept.vform";
// The form each test starts with, which the refusals must leave as it is.
const std::string Small = "Velmora form 1\r\ncore Velmora(Tessaly7)-GUI Version 1\r\n"
                          "QButton|Ok|OK|10|10|75|35|56010000|00000000|1001\r\n"
                          "QEdit|Input|a\\|b|10|60|121|21|56010080|00000200|1002\r\n";
HWND Main, Surface;
int Syncs;

// Waits until the designer has handled everything posted to it so far.
void Sync() {
    PostMessageA(Main, DesignerSync, ++Syncs, 0);
    for (int i = 0; i < 20000 && GetWindowLongPtrA(Main, GWLP_USERDATA) != Syncs; ++i)
        Sleep(1);
}

// Sends a text command; true when the designer did it.
bool Command(std::string Line) {
    Sync();
    COPYDATASTRUCT data{DesignerTextCommand, static_cast<DWORD>(Line.size()), &Line[0]};
    return SendMessageA(Main, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data)) == 1;
}

// The form as the designer saves it now.
std::string Saved() {
    return Command("save " + Kept) ? ReadTestFile(Kept) : "(not saved)";
}

void Drag(POINT From, POINT To) {
    PostMessageA(Surface, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(From.x, From.y));
    PostMessageA(Surface, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(To.x, To.y));
    PostMessageA(Surface, WM_LBUTTONUP, 0, MAKELPARAM(To.x, To.y));
}

// What a row of the property list shows; Typed, when given, is then typed over it (not applied).
std::string Edit(PropertyList::Row Row, const char* Typed = nullptr) {
    Sync();
    char shown[64] = "";
    GetDlgItemTextA(Main, FirstPropertyEdit + Row, shown, sizeof shown);
    if (Typed) SetDlgItemTextA(Main, FirstPropertyEdit + Row, Typed);
    return shown;
}

class DesignerTest : public testing::Test {
protected:
    void SetUp() override {
        DeleteFileA(Log.c_str());
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        std::string line = "\"" DESIGNER_EXE "\" --log \"" + Log + "\"";
        CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                       &Designer);
        // The main window comes before its parts; waiting for input idle would not do, as it
        // ends at once while the designer has no message queue yet. The last test's designer
        // may still have its window for a moment after it ended.
        for (Surface = nullptr;
             !Surface && WaitForSingleObject(Designer.hProcess, 20) == WAIT_TIMEOUT;) {
            DWORD process = 0;
            GetWindowThreadProcessId(Main = FindWindowA(DesignerWindowClass, nullptr), &process);
            if (process == Designer.dwProcessId)
                Surface = FindWindowExA(Main, nullptr, "QForm", nullptr);
        }
        WriteTestFile(Kept, Small);
        ASSERT_TRUE(Command("open " + Kept));
    }
    // The designer must end when its window closes; one that does not is ended, so that none is
    // left behind.
    void TearDown() override {
        PostMessageA(Main, WM_CLOSE, 0, 0);
        DWORD code = 0;
        if (WaitForSingleObject(Designer.hProcess, 20000)) TerminateProcess(Designer.hProcess, 9);
        GetExitCodeProcess(Designer.hProcess, &code);
        EXPECT_EQ(code, 0u);
        CloseHandle(Designer.hThread);
        CloseHandle(Designer.hProcess);
    }
    PROCESS_INFORMATION Designer{};
};

TEST_F(DesignerTest, EveryClassPlacedMovedResizedAndEditedComesBackFromItsFile) {
    ASSERT_TRUE(Command("new"));
    // Four columns of cells: the first six classes are placed by a click, at their default
    // size, the others by drawing a rectangle; the eighteenth, a second panel, is deleted.
    for (int i = 0; i < 18; ++i) {
        POINT corner = {5 + i % 4 * 135, 5 + i / 4 * 78};
        PostMessageA(Main, WM_COMMAND, FirstTool + i % 17, 0);
        Drag(corner, i < 6 ? corner : POINT{corner.x + 120, corner.y + 60});
    }
    PostMessageA(Surface, WM_KEYDOWN, VK_DELETE, 1);
    // The button: a drag moves it by (7, 5), its lower right handle grows it by (10, 6), the
    // right arrow key moves it by one; Enter in the property list applies the typed values.
    Drag({42, 100}, {49, 105});
    Drag({87, 123}, {97, 129});
    PostMessageA(Surface, WM_KEYDOWN, VK_RIGHT, 1);
    EXPECT_EQ(Edit(PropertyList::Ancestor), "button"); // the library's component answers
    Edit(PropertyList::Text, "Save | all \\ now");
    Edit(PropertyList::Id, "65535");
    Edit(PropertyList::Style, "56000001"); // made the default button
    PostMessageA(GetDlgItem(Main, FirstPropertyEdit + PropertyList::Id), WM_KEYDOWN, VK_RETURN, 1);
    Drag({335, 113}, {335, 113}); // selects the memo
    Edit(PropertyList::Name, "Notes");
    Edit(PropertyList::Text, "one\r\ntwo");
    PostMessageA(Main, WM_COMMAND, CommandApply, 0);
    EXPECT_EQ(Saved(), ReadTestFile(EVERY_CLASS_FORM));
    ASSERT_TRUE(Command("new"));
    ASSERT_TRUE(Command("open " + Kept));
    EXPECT_EQ(Saved(), ReadTestFile(EVERY_CLASS_FORM));
    // designer_generated_code builds this C++ and compares its form with the same file.
    ASSERT_TRUE(Command("generate " GENERATED_DIR));
    EXPECT_EQ(ReadTestFile(Log), "(no such file)"); // nothing went wrong
}

// A bad value typed into a row of the property list (the button's, with its text changed too)
// or a damaged form file to open: each is refused with its message and changes nothing.
TEST_F(DesignerTest, BadValuesAndDamagedFilesAreRefusedWithAMessageAndChangeNothing) {
    const std::string path = GENERATED_DIR "/damaged.vform",
                      opening = "\"" + path + "\" was not opened, ";
    const std::tuple<int, std::string, std::string> rows[] = {
        {PropertyList::Left, "ten", "Left: \"ten\" is not a whole number from -32768 to 32767."},
        {PropertyList::Style, "G", "Style: \"G\" is not a hexadecimal number of at most 8 digits."},
        {PropertyList::Id, "65536", "ID: \"65536\" is not a whole number from 0 to 65535."},
        {PropertyList::Name, "Input", "Name: another component is called \"Input\"."},
        {-1, "Velmora form 2\r\n", "line 1: not a Velmora form file (\"Velmora form 1\" expected)"},
        {-1, "Velmora form 1\r\n", "line 2: the core.dll version line is missing"},
        {-1, Small + "QForm|F|x|0|0|10|10|0|0|1\r\n", "line 5: the library has no class \"QForm\""},
        {-1, Small + "QLabel|Ok|x|0|0|10|10|0|0|1\r\n", "line 5: the name \"Ok\" is used twice"},
        {-1, Small + "QLabel|L|a\\tb|0|0|10|10|0|0|1\r\n",
         "line 5: a \\ that starts no known escape"},
    };
    // Notifications carry addresses: forged ones, posted or sent from here, are never read.
    PostMessageA(Main, WM_NOTIFY, 0, 0x10);
    SendMessageTimeoutA(Main, WM_NOTIFY, 0, 0x10, SMTO_ABORTIFHUNG, 5000, nullptr);
    std::string log;
    for (const auto& [row, value, message] : rows) {
        if (row >= 0) {
            Drag({40, 25}, {40, 25}); // selects the button, which shows its values again
            Edit(PropertyList::Text, "changed");
            Edit(PropertyList::Row(row), value.c_str());
            PostMessageA(Main, WM_COMMAND, CommandApply, 0);
        } else {
            WriteTestFile(path, value);
            EXPECT_FALSE(Command("open " + path)) << message;
        }
        EXPECT_EQ(Saved(), Small) << message;
        log += row >= 0 ? message + " Nothing was changed.\r\n" : opening + message + ".\r\n";
    }
    EXPECT_EQ(ReadTestFile(Log), log);
}

} // namespace
