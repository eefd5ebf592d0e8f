#include "palette.h"

#include "object/gdi_handles.h"
#include "tool_bar_parts.h"

#include <cctype>

namespace {

constexpr int PictureSize = 16;

std::string UpperCase(std::string Text) {
    for (char& c : Text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return Text;
}

} // namespace

bool Palette::Create(HWND Host, const CoreLibrary& Core, int FirstCommand) {
    Library = &Core;
    First = FirstCommand;
    Bar = CreateWindowExA(0, TOOLBARCLASSNAMEA, "",
                          WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_TOP, 0, 0,
                          0, 0, Host, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (!Bar) return false;
    GuardBarRecords(Bar, ToolBarAddresses);
    SendMessageA(Bar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    Images = ImageList_Create(PictureSize, PictureSize, ILC_COLOR24 | ILC_MASK,
                              static_cast<int>(Core.Classes.size()), 0);
    for (const std::string& name : Core.Classes)
        AddPicture(name);
    SendMessageA(Bar, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(Images));
    for (size_t i = 0; i < Core.Classes.size(); ++i) {
        TBBUTTON button{};
        button.iBitmap = static_cast<int>(i);
        button.idCommand = First + static_cast<int>(i);
        button.fsState = TBSTATE_ENABLED;
        button.fsStyle = BTNS_CHECK;
        button.iString = -1;
        SendMessageA(Bar, TB_ADDBUTTONSA, 1, reinterpret_cast<LPARAM>(&button));
    }
    SendMessageA(Bar, TB_AUTOSIZE, 0, 0);
    return true;
}

Palette::~Palette() {
    if (Images) ImageList_Destroy(Images);
}

// The library's picture of the class, put on a 16 x 16 square (a few pictures are 15 x 15)
// whose lower-left colour, the pictures' background, is drawn transparent. A class without a
// picture gets the library's "NULL" one.
void Palette::AddPicture(const std::string& ClassName) {
    auto load = [&](const std::string& Name) {
        return static_cast<HBITMAP>(
            LoadImageA(Library->Module, Name.c_str(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    };
    QOwnedGdiObject<HBITMAP> picture(load(UpperCase(ClassName)));
    if (!picture.Get()) picture.Reset(load("NULL"));
    BITMAP size{};
    GetObjectA(picture.Get(), sizeof size, &size);
    QWindowDC screen;
    screen.Take(nullptr);
    QOwnedGdiObject<HBITMAP> square(CreateCompatibleBitmap(screen.Get(), PictureSize, PictureSize));
    COLORREF background;
    {
        MemoryCanvas from(screen.Get(), picture.Get());
        MemoryCanvas to(screen.Get(), square.Get());
        background = GetPixel(from.DC, 0, size.bmHeight - 1);
        QOwnedGdiObject<HBRUSH> fill(CreateSolidBrush(background));
        RECT all = {0, 0, PictureSize, PictureSize};
        FillRect(to.DC, &all, fill.Get());
        BitBlt(to.DC, 0, 0, size.bmWidth, size.bmHeight, from.DC, 0, 0, SRCCOPY);
    }
    ImageList_AddMasked(Images, square.Get(), background);
}

int Palette::Height() const {
    RECT r;
    GetWindowRect(Bar, &r);
    return r.bottom - r.top;
}

void Palette::ShowChosen(int Index) {
    for (size_t i = 0; i < Library->Classes.size(); ++i) {
        int command = First + static_cast<int>(i);
        SendMessageA(Bar, TB_CHECKBUTTON, command, static_cast<int>(i) == Index);
    }
}

bool Palette::AnswerTooltip(NMHDR* Notification) {
    if (Notification->hwndFrom != reinterpret_cast<HWND>(SendMessageA(Bar, TB_GETTOOLTIPS, 0, 0)))
        return false;
    size_t index = Notification->idFrom - First;
    if (index >= Library->Classes.size()) return false;
    return AnswerTooltipText(Notification, Library->Classes[index]);
}
