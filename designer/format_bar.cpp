#include "format_bar.h"

#include "commands.h"
#include "object/gdi_handles.h"
#include "tool_bar_parts.h"

#include <iterator>
#include <string>

namespace {

constexpr int PictureSize = 16;
constexpr int FirstFormat = CommandAlignLefts, LastFormat = CommandCentreDown;

// A picture is a few filled boxes on a 16 x 16 square; a line marks the edge or centre the
// command works on.
struct Mark {
    RECT Box;
    bool Line;
};
// The picture of Across's command; Down's is the same turned over its diagonal.
struct Glyph {
    int Across, Down;
    Mark Marks[6];
};
constexpr Glyph Glyphs[] = {
    {CommandAlignLefts,
     CommandAlignTops,
     {{{3, 3, 13, 6}, false}, {{3, 10, 9, 13}, false}, {{1, 1, 2, 15}, true}}},
    {CommandAlignRights,
     CommandAlignBottoms,
     {{{3, 3, 13, 6}, false}, {{7, 10, 13, 13}, false}, {{14, 1, 15, 15}, true}}},
    {CommandAlignCentres,
     CommandAlignMiddles,
     {{{2, 3, 14, 6}, false}, {{4, 10, 12, 13}, false}, {{7, 1, 9, 15}, true}}},
    {CommandSameWidth,
     CommandSameHeight,
     {{{3, 3, 13, 6}, false},
      {{3, 10, 13, 13}, false},
      {{1, 1, 2, 15}, true},
      {{14, 1, 15, 15}, true}}},
    {CommandSameSize, 0, {{{2, 2, 8, 8}, false}, {{8, 9, 14, 15}, false}}},
    {CommandSpaceAcross,
     CommandSpaceDown,
     {{{1, 4, 4, 12}, false}, {{6, 2, 10, 14}, false}, {{12, 5, 15, 11}, false}}},
    {CommandCentreAcross,
     CommandCentreDown,
     {{{5, 4, 11, 8}, false},
      {{7, 9, 9, 13}, true},
      {{1, 1, 15, 2}, false},
      {{1, 14, 15, 15}, false},
      {{1, 1, 2, 15}, false},
      {{14, 1, 15, 15}, false}}},
};

// The menu's text of Command without its underline, the key in brackets: "Align lefts
// (Ctrl+Left)".
std::string TipOf(HWND Host, int Command) {
    char text[64] = "";
    GetMenuStringA(GetMenu(Host), Command, text, sizeof text, MF_BYCOMMAND);
    std::string tip;
    for (const char* c = text; *c; ++c)
        if (*c == '\t')
            tip += " (";
        else if (*c != '&')
            tip += *c;
    return tip.find('(') == std::string::npos ? tip : tip + ")";
}

void DrawPicture(HDC DC, int Command) {
    RECT all = {0, 0, PictureSize, PictureSize};
    FillRect(DC, &all, GetSysColorBrush(COLOR_BTNFACE));
    QOwnedGdiObject<HBRUSH> box(CreateSolidBrush(RGB(72, 72, 72)));
    QOwnedGdiObject<HBRUSH> line(CreateSolidBrush(RGB(0, 90, 200)));
    for (const Glyph& glyph : Glyphs) {
        if (glyph.Across != Command && glyph.Down != Command) continue;
        for (const Mark& mark : glyph.Marks) {
            RECT r = mark.Box;
            if (glyph.Down == Command) r = {r.top, r.left, r.bottom, r.right};
            FillRect(DC, &r, (mark.Line ? line : box).Get());
        }
    }
}

} // namespace

bool FormatBar::Create(HWND Palette, HWND Owner) {
    Host = Owner;
    RECT last{};
    int count = static_cast<int>(SendMessageA(Palette, TB_BUTTONCOUNT, 0, 0));
    SendMessageA(Palette, TB_GETITEMRECT, count - 1, reinterpret_cast<LPARAM>(&last));
    Bar = CreateWindowExA(0, TOOLBARCLASSNAMEA, "",
                          WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_NODIVIDER |
                              CCS_NOPARENTALIGN | CCS_NORESIZE,
                          last.right + 16, 0, 0, 0, Palette, nullptr, GetModuleHandleA(nullptr),
                          nullptr);
    if (!Bar) return false;
    GuardBarRecords(Bar, ToolBarAddresses);
    // Inside the palette's bar, so that it shares its row; its commands are the main window's.
    SendMessageA(Bar, TB_SETPARENT, reinterpret_cast<WPARAM>(Host), 0);
    SendMessageA(Bar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    Images =
        ImageList_Create(PictureSize, PictureSize, ILC_COLOR24, LastFormat - FirstFormat + 1, 0);
    QWindowDC screen;
    screen.Take(nullptr);
    for (int command = FirstFormat; command <= LastFormat; ++command) {
        QOwnedGdiObject<HBITMAP> picture(
            CreateCompatibleBitmap(screen.Get(), PictureSize, PictureSize));
        {
            MemoryCanvas canvas(screen.Get(), picture.Get());
            DrawPicture(canvas.DC, command);
        }
        ImageList_Add(Images, picture.Get(), nullptr);
    }
    SendMessageA(Bar, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(Images));
    for (int command = FirstFormat; command <= LastFormat; ++command) {
        // The menu's groups, apart as there.
        if (command == CommandSameWidth || command == CommandSpaceAcross) {
            TBBUTTON gap{};
            gap.fsStyle = BTNS_SEP;
            SendMessageA(Bar, TB_ADDBUTTONSA, 1, reinterpret_cast<LPARAM>(&gap));
        }
        TBBUTTON button{};
        button.iBitmap = command - FirstFormat;
        button.idCommand = command;
        button.fsState = TBSTATE_ENABLED;
        button.iString = -1;
        SendMessageA(Bar, TB_ADDBUTTONSA, 1, reinterpret_cast<LPARAM>(&button));
    }
    SIZE size{};
    SendMessageA(Bar, TB_GETMAXSIZE, 0, reinterpret_cast<LPARAM>(&size));
    SetWindowPos(Bar, nullptr, 0, 0, size.cx, last.bottom, SWP_NOMOVE | SWP_NOZORDER);
    return true;
}

FormatBar::~FormatBar() {
    if (Images) ImageList_Destroy(Images);
}

bool FormatBar::AnswerTooltip(NMHDR* Notification) const {
    if (Notification->hwndFrom != reinterpret_cast<HWND>(SendMessageA(Bar, TB_GETTOOLTIPS, 0, 0)))
        return false;
    return AnswerTooltipText(Notification, TipOf(Host, static_cast<int>(Notification->idFrom)));
}
