// What a form designer does with core.dll: list the classes, read their palette bitmaps,
// place a window of each on a host form and read back its description.
#include "core_library.h"
#include "object/frame.h"

#include <cctype>

namespace {

std::string UpperCase(std::string Text) {
    for (char& c : Text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return Text;
}

} // namespace

TEST_F(CoreLibraryTest, DesignerPlacesEveryListedClassOnAHostForm) {
    HWND host = CreateWindowExA(0, "QForm", "designer", WS_OVERLAPPEDWINDOW, 0, 0, 600, 400,
                                nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(host, nullptr);
    std::vector<std::string> withoutBitmap;
    for (const std::string& name : SplitAtCommas(Call("EXPORTCLASSES@0"))) {
        HBITMAP icon = LoadBitmapA(Core, UpperCase(name).c_str());
        if (!icon) withoutBitmap.push_back(name);
        DeleteObject(icon);

        HWND placed = CreateWindowExA(0, name.c_str(), "", WS_CHILD | WS_VISIBLE, 10, 10, 80, 30,
                                      host, nullptr, GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(placed, nullptr) << name;
        QWindowInfo info;
        SendMessageA(placed, QM_GETWINDOWINFO, 0, reinterpret_cast<LPARAM>(&info));
        // "VUdeRedo" windows have no component outside the component itself.
        if (name != "VUdeRedo") {
            EXPECT_EQ(UpperCase(info.ClassName), UpperCase(name));
            EXPECT_TRUE(info.Style & WS_CHILD) << name;
        }
        DestroyWindow(placed);
    }
    DestroyWindow(host);
    EXPECT_EQ(withoutBitmap, std::vector<std::string>{"QDummy"}) << "the palette has no QDummy";
}
