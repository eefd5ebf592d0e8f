// core.dll's exports, palette bitmaps and class life cycle.
#include "core_library.h"
#include "support/library_classes.h"

namespace {

struct Palette {
    const char* Name;
    int Size;
    int Depth;
};

std::vector<Palette> PaletteBitmaps() {
    std::vector<Palette> all;
    for (const char* name :
         {"NULL",       "QBEVEL",     "QBUTTON",      "QCHECKBOX",   "QCOMBOBOX",    "QCOMMAND",
          "QCOMPONENT", "QCONTROL",   "QEDIT",        "QGROUPBOX",   "QHSCROLLBAR",  "QLABEL",
          "QLISTBOX",   "QMEMO",      "QPROGRESSBAR", "QQABCONTROL", "QRADIOBUTTON", "QRICHEDIT",
          "QSCROLLBAR", "QSTATUSBAR", "QSYNTAXEDIT",  "QUPDOWN",     "QVSCROLLBAR",  "QWINCONTROL"})
        all.push_back({name, 16, 24});
    for (const char* name : {"QRED", "QGREEN", "QBLUE"})
        all.push_back({name, 16, 32});
    for (const char* name : {"QBOX", "QMYFRAME", "VUDEREDO"})
        all.push_back({name, 16, 8});
    for (const char* name : {"QPANEL", "QTOOLBAR"})
        all.push_back({name, 15, 4});
    return all;
}

} // namespace

TEST_F(CoreLibraryTest, ExportsTheTwoTextsByNameAndOrdinal) {
    EXPECT_EQ(GetProcAddress(Core, "VERSION@0"), GetProcAddress(Core, MAKEINTRESOURCEA(2)));
    EXPECT_EQ(GetProcAddress(Core, "EXPORTCLASSES@0"), GetProcAddress(Core, MAKEINTRESOURCEA(1)));
    EXPECT_EQ(GetProcAddress(Core, "VERSION"), nullptr);
    EXPECT_EQ(Call("VERSION@0"), "Velmora(Tessaly7)-GUI Version 1");
    auto version = reinterpret_cast<const char*(WINAPI*)()>(
        reinterpret_cast<void*>(GetProcAddress(Core, "VERSION@0")));
    ASSERT_TRUE(version);
    EXPECT_EQ(version(), version()) << "one constant text";
    std::vector<std::string> classes = SplitAtCommas(Call("EXPORTCLASSES@0"));
    ASSERT_EQ(classes.size(), 17u);
    EXPECT_EQ(classes.front(), "QPanel");
    EXPECT_EQ(classes.back(), "QDummy");
    EXPECT_EQ(std::count(classes.begin(), classes.end(), "QForm"), 0);
}

TEST_F(CoreLibraryTest, CarriesThePaletteBitmapsInEnglish) {
    WORD english = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);
    for (const Palette& bitmap : PaletteBitmaps()) {
        HRSRC found = FindResourceExA(Core, MAKEINTRESOURCEA(2), bitmap.Name, english);
        ASSERT_NE(found, nullptr) << bitmap.Name;
        auto* header =
            static_cast<const BITMAPINFOHEADER*>(LockResource(LoadResource(Core, found)));
        ASSERT_NE(header, nullptr) << bitmap.Name;
        EXPECT_EQ(header->biWidth, bitmap.Size) << bitmap.Name;
        EXPECT_EQ(std::abs(header->biHeight), bitmap.Size) << bitmap.Name;
        EXPECT_EQ(header->biBitCount, bitmap.Depth) << bitmap.Name;
    }
}

TEST(CoreLibraryLifeCycle, LoadingRegistersEveryClassAndUnloadingRemovesThemAgain) {
    for (int round = 0; round < 2; ++round) {
        HMODULE core = LoadLibraryA(CORE_DLL);
        ASSERT_NE(core, nullptr);
        for (const char* name : LibraryClasses)
            EXPECT_TRUE(IsRegistered(name)) << name << " after load " << round + 1;
        HWND form = CreateWindowExA(0, "QForm", "", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr,
                                    nullptr, GetModuleHandleA(nullptr), nullptr);
        EXPECT_NE(form, nullptr) << "a window of a loaded class needs no registration of ours";
        DestroyWindow(form);
        FreeLibrary(core);
        for (const char* name : LibraryClasses)
            EXPECT_FALSE(IsRegistered(name)) << name << " after unload " << round + 1;
    }
}

TEST(CoreLibraryLifeCycle, LoadsTheEditorLibraryOnlyWhenItIsThereAndFreesIt) {
    std::string folder = MIRVANE_INSTALLED;
    folder = folder.substr(0, folder.find_last_of("/\\"));
    CreateDirectoryA(folder.c_str(), nullptr);
    ASSERT_TRUE(CopyFileA(MIRVANE_DLL, MIRVANE_INSTALLED, FALSE));
    HMODULE core = LoadLibraryA(CORE_DLL);
    EXPECT_NE(GetModuleHandleA(MIRVANE_INSTALLED), nullptr);
    FreeLibrary(core);
    EXPECT_EQ(GetModuleHandleA(MIRVANE_INSTALLED), nullptr);

    ASSERT_TRUE(DeleteFileA(MIRVANE_INSTALLED));
    core = LoadLibraryA(CORE_DLL);
    ASSERT_NE(core, nullptr) << "the editor library is optional";
    EXPECT_TRUE(IsRegistered("VUdeRedo"));
    FreeLibrary(core);
    EXPECT_FALSE(IsRegistered("VUdeRedo"));
}
