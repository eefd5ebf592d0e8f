#include "font_dialog.h"

#include <commdlg.h>

#include <cstring>

namespace {

// A font's styles by the names its text gives them.
struct Style {
    const char* Name;
    BYTE LOGFONTA::*Field;
};
constexpr Style Styles[] = {{"Italic", &LOGFONTA::lfItalic},
                            {"Underline", &LOGFONTA::lfUnderline},
                            {"StrikeOut", &LOGFONTA::lfStrikeOut}};

int ScreenPixelsPerInch() {
    HDC screen = GetDC(nullptr);
    int perInch = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return perInch;
}

// The text of Font at Points, as the library writes it.
std::string TextOf(const CoreLibrary& Core, const LOGFONTA& Font, int Points) {
    std::string text = std::string(Font.lfFaceName) + "," + std::to_string(Points);
    if (Font.lfWeight >= FW_BOLD) text += ",Bold";
    for (const Style& style : Styles)
        if (Font.*style.Field) text.append(",").append(style.Name);
    std::string written;
    return Core.NormalText("Font", text, written) ? written : "";
}

// The platform's description of the font of Text (the library's writing of it).
LOGFONTA LogFontOf(const std::string& Text) {
    LOGFONTA font{};
    std::vector<std::string> items = SplitAtCommas(Text);
    int points = 0;
    if (items.size() < 2 || !ParseDecimal(items[1], 1, 1000, points)) return font;
    lstrcpynA(font.lfFaceName, items[0].c_str(), LF_FACESIZE);
    font.lfHeight = -MulDiv(points, ScreenPixelsPerInch(), 72);
    font.lfWeight = FW_NORMAL;
    font.lfCharSet = DEFAULT_CHARSET;
    for (size_t i = 2; i < items.size(); ++i) {
        if (items[i] == "Bold") font.lfWeight = FW_BOLD;
        for (const Style& style : Styles)
            if (items[i] == style.Name) font.*style.Field = TRUE;
    }
    return font;
}

} // namespace

std::string MessageFontText(const CoreLibrary& Core) {
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = sizeof metrics;
    if (!SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) return "";
    const LOGFONTA& message = metrics.lfMessageFont;
    int height = message.lfHeight < 0 ? -message.lfHeight : message.lfHeight;
    return TextOf(Core, message, MulDiv(height, 72, ScreenPixelsPerInch()));
}

bool ChooseFontText(HWND Owner, const CoreLibrary& Core, std::string& Text) {
    LOGFONTA font = LogFontOf(Text);
    CHOOSEFONTA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = Owner;
    dialog.lpLogFont = &font;
    dialog.Flags = CF_SCREENFONTS | CF_EFFECTS | (font.lfFaceName[0] ? CF_INITTOLOGFONTSTRUCT : 0);
    if (!ChooseFontA(&dialog)) return false;
    // The dialog's size is in tenths of a point; the library's in whole points.
    std::string chosen = TextOf(Core, font, (dialog.iPointSize + 5) / 10);
    if (chosen.empty()) return false;
    Text = chosen;
    return true;
}
