#include "object/fonts.h"

#include "object/scaling.h"
#include "object/text_items.h"

#include <algorithm>
#include <iterator>
#include <map>
#include <mutex>
#include <tuple>
#include <utility>
#include <vector>

namespace {

struct SharedFont {
    HFONT Handle;
    int Users;
};

// Every font in use, by description and pixels per inch: components of several threads may
// share one.
using FontKey = std::pair<QFont, int>;
std::mutex FontsInUse;
std::map<FontKey, SharedFont>& Fonts() {
    static auto* fonts = new std::map<FontKey, SharedFont>; // outlives every static holder
    return *fonts;
}

HFONT MakeFont(const QFont& Font, int PixelsPerInch) {
    LOGFONTA description{};
    description.lfHeight = -MulDiv(Font.Size, PixelsPerInch, 72);
    description.lfWeight = Font.Bold ? FW_BOLD : FW_NORMAL;
    description.lfItalic = Font.Italic;
    description.lfUnderline = Font.Underline;
    description.lfStrikeOut = Font.StrikeOut;
    description.lfCharSet = DEFAULT_CHARSET;
    lstrcpynA(description.lfFaceName, Font.Face.c_str(), LF_FACESIZE);
    return CreateFontIndirectA(&description);
}

constexpr int MostPoints = 1000;

// The styles a font's text may name, in the order it writes them.
constexpr struct {
    const char* Name;
    bool QFont::*Field;
} Styles[] = {{"Bold", &QFont::Bold},
              {"Italic", &QFont::Italic},
              {"Underline", &QFont::Underline},
              {"StrikeOut", &QFont::StrikeOut}};

auto Fields(const QFont& F) {
    return std::tie(F.Face, F.Size, F.Bold, F.Italic, F.Underline, F.StrikeOut);
}

} // namespace

bool operator==(const QFont& A, const QFont& B) {
    return Fields(A) == Fields(B);
}

bool operator<(const QFont& A, const QFont& B) {
    return Fields(A) < Fields(B);
}

bool ParseFont(const std::string& Text, QFont& Font) {
    std::vector<std::string> items;
    if (!SplitItems(Text, ',', items) || items.size() == 1) return false;
    QFont read;
    if (!items.empty()) {
        const std::string& size = items[1];
        if (items[0].size() >= LF_FACESIZE || size.empty() || size.size() > 4 ||
            size.find_first_not_of("0123456789") != std::string::npos)
            return false;
        read.Face = items[0];
        read.Size = std::stoi(size);
        if (read.Size < 1 || read.Size > MostPoints) return false;
    }
    for (size_t i = 2; i < items.size(); ++i) {
        auto style = std::find_if(std::begin(Styles), std::end(Styles), [&](const auto& S) {
            return !lstrcmpiA(items[i].c_str(), S.Name);
        });
        if (style == std::end(Styles) || read.*style->Field) return false;
        read.*style->Field = true;
    }
    Font = read;
    return true;
}

std::string FontText(const QFont& Font) {
    if (!Font.IsSet()) return "";
    std::string text = Font.Face + "," + std::to_string(Font.Size);
    for (const auto& style : Styles)
        if (Font.*style.Field) text.append(",").append(style.Name);
    return text;
}

QFont FontOf(const std::string& Text) {
    QFont font;
    ParseFont(Text, font);
    return font;
}

QFont MessageFont() {
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = sizeof metrics;
    QFont font;
    if (!SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) return font;
    const LOGFONTA& message = metrics.lfMessageFont;
    font.Face = message.lfFaceName;
    int height = message.lfHeight < 0 ? -message.lfHeight : message.lfHeight;
    font.Size = MulDiv(height, 72, WindowPixelsPerInch(nullptr));
    font.Bold = message.lfWeight >= FW_BOLD;
    font.Italic = message.lfItalic != 0;
    return font;
}

QFontHandle::QFontHandle(const QFont& Font, int PixelsPerInch) {
    if (!Font.IsSet() || PixelsPerInch <= 0) return;
    std::lock_guard<std::mutex> lock(FontsInUse);
    auto found = Fonts().find({Font, PixelsPerInch});
    if (found == Fonts().end()) {
        HFONT made = MakeFont(Font, PixelsPerInch);
        if (!made) return;
        found = Fonts().emplace(FontKey{Font, PixelsPerInch}, SharedFont{made, 0}).first;
    }
    ++found->second.Users;
    Held = Font;
    HeldAt = PixelsPerInch;
    Handle = found->second.Handle;
}

QFontHandle::QFontHandle(QFontHandle&& Other) noexcept
    : Held(std::move(Other.Held)), HeldAt(Other.HeldAt),
      Handle(std::exchange(Other.Handle, nullptr)) {}

QFontHandle& QFontHandle::operator=(QFontHandle&& Other) noexcept {
    if (this != &Other) {
        Release();
        Held = std::move(Other.Held);
        HeldAt = Other.HeldAt;
        Handle = std::exchange(Other.Handle, nullptr);
    }
    return *this;
}

QFontHandle::~QFontHandle() {
    Release();
}

void QFontHandle::Release() {
    if (!Handle) return;
    std::lock_guard<std::mutex> lock(FontsInUse);
    auto found = Fonts().find({Held, HeldAt});
    if (found != Fonts().end() && --found->second.Users == 0) {
        DeleteObject(found->second.Handle);
        Fonts().erase(found);
    }
    Handle = nullptr;
}
