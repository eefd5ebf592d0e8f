// A path taken apart and put together, on ordinary, edge and degenerate paths.
#include "containers/paths.h"

#include <gtest/gtest.h>

struct PathRow {
    const char* Path;
    // FileNameOf|FolderOf|ExtensionOf|ReplaceExtension(".bmp")|ReplaceFolder("d:"), which adds no
    // separator
    const char* Expected;
};

const PathRow PathRows[] = {
    {"c:\\dir\\a.txt", "a.txt|c:\\dir\\|.txt|c:\\dir\\a.bmp|d:a.txt"},
    {"c:/dir\\sub/a", "a|c:/dir\\sub/||c:/dir\\sub/a.bmp|d:a"},
    {"c:\\dir\\", "|c:\\dir\\||c:\\dir\\.bmp|d:"},
    {"a.txt", "a.txt||.txt|a.bmp|d:a.txt"},
    // The last dot anywhere starts the extension, even in a folder name.
    {"c:\\my.dir\\file", "file|c:\\my.dir\\|.dir\\file|c:\\my.bmp|d:file"},
    {"", "||||"},
    {"..", "..||.|..bmp|d:.."},
};

TEST(Paths, TakenApartAndPutTogether) {
    for (const PathRow& row : PathRows) {
        std::string p = row.Path;
        EXPECT_EQ(FileNameOf(p) + "|" + FolderOf(p) + "|" + ExtensionOf(p) + "|" +
                      ReplaceExtension(p, ".bmp") + "|" + ReplaceFolder(p, "d:"),
                  row.Expected)
            << p;
    }
}
