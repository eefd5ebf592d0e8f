// The path utilities on names with and without folders and extensions, the system's error
// texts, and shortcuts read from and written as text.
#include "containers/paths.h"
#include "object/diagnostics.h"
#include "object/fonts.h"
#include "object/shortcuts.h"

#include <gtest/gtest.h>

TEST(Utilities, PathsComeApartAndTogether) {
    // Each row: a path, then its file name, folder, extension, with ".txt" and in "D:\".
    const char* const rows[][6] = {
        {"C:\\a\\b.c.ini", "b.c.ini", "C:\\a\\", ".ini", "C:\\a\\b.c.txt", "D:\\b.c.ini"},
        {"a/b\\c", "c", "a/b\\", "", "a/b\\c.txt", "D:\\c"},
        {"dir.d/name", "name", "dir.d/", ".d/name", "dir.txt", "D:\\name"},
        {"folder\\", "", "folder\\", "", "folder\\.txt", "D:\\"},
        {"", "", "", "", "", ""},
    };
    for (const auto& row : rows) {
        std::string path = row[0];
        EXPECT_EQ(FileNameOf(path) + "|" + FolderOf(path) + "|" + ExtensionOf(path) + "|" +
                      ReplaceExtension(path, ".txt") + "|" + ReplaceFolder(path, "D:\\"),
                  std::string(row[1]) + "|" + row[2] + "|" + row[3] + "|" + row[4] + "|" + row[5])
            << path;
    }
}

// The system's text keeps its line break; a code without a text reads as "".
TEST(Utilities, SystemErrorTexts) {
    char expected[256] = "";
    FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM, nullptr, ERROR_FILE_NOT_FOUND, 0, expected,
                   sizeof expected, nullptr);
    EXPECT_EQ(SysErrorText(ERROR_FILE_NOT_FOUND), expected);
    EXPECT_EQ(SysErrorText(0x2FFFFFFF), "");
}

// Each row: a text, then the shortcut's text as written again, empty for one that names none.
TEST(Utilities, ShortcutsReadAndWriteTheirText) {
    const std::pair<const char*, const char*> rows[] = {
        {"shift+ctrl+n", "Ctrl+Shift+N"},
        {"Ctrl+Shift+Alt+PageDown", "Ctrl+Shift+Alt+PgDn"},
        {"F5", "F5"},
        {"f24", "F24"},
        {"F", "F"},
        {"7", "7"},
        {"Space", "Space"},
        {"F25", ""},
        {"F0", ""},
        {"F05", ""},
        {"Ctrl+", ""},
        {"+S", ""},
        {"Ctrl+Ctrl+S", ""},
        {"Win+S", ""},
        {"SS", ""},
    };
    for (auto [text, written] : rows) {
        QShortcut shortcut{1, 1, 42};
        bool read = ParseShortcut(text, shortcut);
        EXPECT_EQ(read ? ShortcutText(shortcut) : "", written) << text;
        EXPECT_EQ(shortcut.Command, 42) << text;
        EXPECT_TRUE(read || (shortcut.Key == 1 && shortcut.Modifiers == 1)) << text;
    }
    EXPECT_EQ(ShortcutText({VK_LWIN, 0, 0}), "");
    // Lists of shortcuts with their commands, as read and written again; "-" for none read, which
    // leaves the list as it was.
    const std::pair<const char*, const char*> lists[] = {
        {"ctrl+s=101, F5=102 ", "Ctrl+S=101,F5=102"},
        {"", ""},
        {"Q=65535,Shift+Q=1", "Q=65535,Shift+Q=1"},
        {"Ctrl+S=0", "-"},
        {"Ctrl+S=65536", "-"},
        {"Ctrl+S=+1", "-"},
        {"Ctrl+S=1x", "-"},
        {"Ctrl+S", "-"},
        {"Ctrl+S=1,,F5=2", "-"},
        {"Ctrl+S=1,", "-"},
        {"Ctrl+S=1,ctrl+s=2", "-"},
        {"Win+S=1", "-"},
    };
    for (auto [text, written] : lists) {
        std::vector<QShortcut> list(1, QShortcut{'A', 0, 9});
        bool read = ParseShortcutList(text, list);
        EXPECT_EQ(read ? ShortcutListText(list) : "-", written) << text;
        EXPECT_EQ(ShortcutListText(ShortcutList(text)), read ? written : "") << text;
        EXPECT_TRUE(read || ShortcutListText(list) == "A=9") << text;
    }
}

// Fonts as text: read and written again, "-" for none read, which leaves the font as it was.
TEST(Utilities, FontsReadAndWriteTheirText) {
    const std::string longest(LF_FACESIZE - 1, 'F');
    const std::pair<std::string, std::string> rows[] = {
        {"Tahoma,8", "Tahoma,8"},
        {" Segoe UI , 9 , italic,BOLD ", "Segoe UI,9,Bold,Italic"},
        {"Tahoma,8,StrikeOut,Underline", "Tahoma,8,Underline,StrikeOut"},
        {"", ""},
        {"Tahoma,1", "Tahoma,1"},
        {"Tahoma,1000", "Tahoma,1000"},
        {longest + ",8", longest + ",8"},
        {longest + "F,8", "-"},
        {"Tahoma,1001", "-"},
        {"Tahoma,0", "-"},
        {"Tahoma,+8", "-"},
        {"Tahoma,8.5", "-"},
        {"Tahoma", "-"},
        {",8", "-"},
        {"Tahoma,8,", "-"},
        {"Tahoma,8,Bold,bold", "-"},
        {"Tahoma,8,Heavy", "-"},
    };
    for (const auto& [text, written] : rows) {
        QFont font{"Old", 5, true, true, true, true};
        bool read = ParseFont(text, font);
        EXPECT_EQ(read ? FontText(font) : "-", written) << text;
        EXPECT_EQ(FontText(FontOf(text)), read ? written : "") << text;
        EXPECT_TRUE(read || FontText(font) == "Old,5,Bold,Italic,Underline,StrikeOut") << text;
    }
    EXPECT_EQ(FontText(QFont{"Tahoma", 0}), ""); // not set
}
