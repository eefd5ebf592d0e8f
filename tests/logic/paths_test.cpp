// The path functions' shared scan on ordinary, edge and degenerate paths.
#include "containers/paths.h"

#include <gtest/gtest.h>

TEST(Paths, TakeAPathApart) {
    EXPECT_EQ(FileNameOf("c:\\dir\\a.txt"), "a.txt");
    EXPECT_EQ(FolderOf("c:\\dir\\a.txt"), "c:\\dir\\");
    EXPECT_EQ(ExtensionOf("c:\\dir\\a.txt"), ".txt");
    EXPECT_EQ(FolderOf("c:/dir\\sub/a"), "c:/dir\\sub/");
    EXPECT_EQ(FileNameOf("\\a"), "a");
    EXPECT_EQ(FolderOf("\\a"), "\\");
    EXPECT_EQ(FileNameOf("c:\\dir\\"), "");
    EXPECT_EQ(FolderOf("a.txt"), "");
    EXPECT_EQ(FileNameOf("a.txt"), "a.txt");
    EXPECT_EQ(ExtensionOf(".txt"), ".txt");
    EXPECT_EQ(ExtensionOf("readme"), "");
    EXPECT_EQ(ExtensionOf("file."), ".");
    EXPECT_EQ(ExtensionOf("c:\\my.dir\\file"), ".dir\\file") << "the dot search spans the path";
}

TEST(Paths, PutAPathTogether) {
    EXPECT_EQ(ReplaceExtension("a.txt", ".bmp"), "a.bmp");
    EXPECT_EQ(ReplaceExtension(".txt", ".bmp"), ".bmp");
    EXPECT_EQ(ReplaceExtension("readme", "txt"), "readmetxt") << "no dot is added";
    EXPECT_EQ(ReplaceFolder("c:\\dir\\a.txt", "d:/x/"), "d:/x/a.txt");
    EXPECT_EQ(ReplaceFolder("a.txt", "x"), "xa.txt") << "no separator is added";
}

TEST(Paths, DegeneratePaths) {
    for (const char* path : {"", "/", "\\\\", ".", "..", "./.", "\\.\\"}) {
        std::string p = path;
        EXPECT_EQ(FolderOf(p) + FileNameOf(p), p) << path;
    }
    EXPECT_EQ(FileNameOf(""), "");
    EXPECT_EQ(ExtensionOf(""), "");
    EXPECT_EQ(ReplaceExtension("", ".bmp"), "");
    EXPECT_EQ(ReplaceFolder("", "x\\"), "");
    EXPECT_EQ(ExtensionOf(".."), ".");
    EXPECT_EQ(ReplaceExtension("..", ".x"), "..x");
    EXPECT_EQ(FileNameOf("//"), "");
}
