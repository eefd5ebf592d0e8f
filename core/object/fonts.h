/// \file
/// Fonts of components: a description (face, size in points, style) and the platform's font for
/// it, made once per distinct description, shared by every component that shows it and deleted
/// with its last user.
#pragma once

#include <windows.h>

#include <string>

struct QFont {
    std::string Face; ///< "" for none: the window keeps the platform's own font
    int Size = 0;     ///< in points
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    bool StrikeOut = false;

    /// True for a font to show: a face and a size above 0.
    bool IsSet() const { return !Face.empty() && Size > 0; }
};

bool operator==(const QFont& A, const QFont& B);
inline bool operator!=(const QFont& A, const QFont& B) {
    return !(A == B);
}
bool operator<(const QFont& A, const QFont& B);

/// Reads "Tahoma,8" or "Segoe UI,9,Bold,Italic": a face, a size in whole points from 1 to
/// 1000, then any of Bold, Italic, Underline and StrikeOut, once each, in any order and case
/// (spaces around an item are left out). An empty text is no font, which the holder's stands
/// for. False, changing nothing, for any other text.
bool ParseFont(const std::string& Text, QFont& Font);
/// The font as ParseFont reads it, its styles in the order above; "" for a font not set.
std::string FontText(const QFont& Font);
/// The font of Text, none where it is none: designed components take theirs from it.
QFont FontOf(const std::string& Text);

/// The font for boxes of messages the system gives (SystemParametersInfo), at the screen's
/// pixels per inch: what a designed form starts with.
QFont MessageFont();

/// Font selected into DC for the scope, the one before put back at its end (a shared font must
/// not stay selected into a context that outlives it); nothing for no font.
class QFontSelection {
public:
    QFontSelection(HDC DC, HFONT Font)
        : Context(DC), Before(Font && DC ? SelectObject(DC, Font) : nullptr) {}
    ~QFontSelection() {
        if (Before) SelectObject(Context, Before);
    }
    QFontSelection(const QFontSelection&) = delete;
    QFontSelection& operator=(const QFontSelection&) = delete;

private:
    HDC Context;
    HGDIOBJ Before;
};

/// One user's hold on the shared platform font of a description at a number of pixels per
/// inch; none when the description is not set or the font cannot be made. Moving passes the
/// hold on; the last hold deletes it.
class QFontHandle {
public:
    QFontHandle() = default;
    QFontHandle(const QFont& Font, int PixelsPerInch);
    QFontHandle(QFontHandle&& Other) noexcept;
    QFontHandle& operator=(QFontHandle&& Other) noexcept;
    QFontHandle(const QFontHandle&) = delete;
    QFontHandle& operator=(const QFontHandle&) = delete;
    ~QFontHandle();

    HFONT Get() const { return Handle; }

private:
    void Release();

    QFont Held;
    int HeldAt = 0;
    HFONT Handle = nullptr;
};
