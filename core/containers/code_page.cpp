#include "containers/code_page.h"
#include "containers/paths.h"

#include <windows.h>

#include <algorithm>
#include <climits>

namespace {

// The code page is the program's for its whole life: read once.
const CPINFO& CodePageInfo() {
    static const CPINFO info = [] {
        CPINFO read{};
        if (!GetCPInfo(CP_ACP, &read)) read.MaxCharSize = 1;
        return read;
    }();
    return info;
}

// A lone low surrogate: no character of any code page converts to one.
constexpr wchar_t EscapedByte = 0xDC00;

// The bytes of a character that starts with Lead.
size_t CharacterLength(unsigned char Lead) {
    if (Lead >= 0x80 && GetACP() == CP_UTF8)
        return Lead >= 0xF0 ? 4 : Lead >= 0xE0 ? 3 : Lead >= 0xC0 ? 2 : 1;
    return IsDBCSLeadByteEx(CP_ACP, Lead) ? 2 : 1;
}

// The character at Text[At]: its length in bytes, and its units in Units (Count of them, 0 when
// the bytes there are no character of the code page).
size_t CharacterAt(const std::string& Text, size_t At, wchar_t (&Units)[2], int& Count) {
    auto lead = static_cast<unsigned char>(Text[At]);
    size_t length = std::min(CharacterLength(lead), Text.size() - At);
    Units[0] = lead;
    Count = lead < 0x80 ? 1
                        : MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, &Text[At],
                                              static_cast<int>(length), Units, 2);
    if (Count > 0) return length;
    Count = 0;
    return 1;
}

// Walks Text's characters until the bytes reach Bytes or the units would pass Units; answers
// the byte offset reached and its units.
std::pair<size_t, int> Walk(const std::string& Text, size_t Bytes, int Units) {
    size_t at = 0;
    int units = 0;
    wchar_t character[2];
    int count = 0;
    while (at < std::min(Bytes, Text.size())) {
        size_t length = CharacterAt(Text, at, character, count);
        if (units + std::max(count, 1) > Units) break;
        at += length, units += std::max(count, 1);
    }
    return {at, units};
}

} // namespace

bool MultiByteCodePage() {
    return CodePageInfo().MaxCharSize > 1;
}

size_t BytesForUnits(size_t Units) {
    return Units * CodePageInfo().MaxCharSize;
}

int UnitsOf(const std::string& Text, size_t Bytes) {
    if (!MultiByteCodePage()) return static_cast<int>(std::min(Bytes, Text.size()));
    return Walk(Text, Bytes, INT_MAX).second;
}

size_t BytesAt(const std::string& Text, int Units) {
    if (!MultiByteCodePage()) return std::min(static_cast<size_t>(std::max(Units, 0)), Text.size());
    return Walk(Text, Text.size(), Units).first;
}

size_t WholeCharacterBytes(const std::string& Text) {
    if (!MultiByteCodePage()) return Text.size();
    wchar_t character[2];
    int count = 0;
    size_t at = 0;
    while (at < Text.size() &&
           CharacterLength(static_cast<unsigned char>(Text[at])) <= Text.size() - at)
        at += CharacterAt(Text, at, character, count);
    return at;
}

std::wstring WideOf(const std::string& Text) {
    auto size = static_cast<int>(Text.size());
    std::wstring wide(MultiByteToWideChar(CP_ACP, 0, Text.data(), size, nullptr, 0), L'\0');
    MultiByteToWideChar(CP_ACP, 0, Text.data(), size, wide.data(), static_cast<int>(wide.size()));
    return wide;
}

std::wstring CaseBlindForm(const std::string& Text) {
    const char* lower = LowerCaseTable();
    std::wstring form;
    form.reserve(Text.size());
    if (!MultiByteCodePage()) {
        for (char byte : Text)
            form += static_cast<unsigned char>(lower[static_cast<unsigned char>(byte)]);
        return form;
    }
    wchar_t character[2];
    int count = 0;
    for (size_t at = 0; at < Text.size();) {
        auto byte = static_cast<unsigned char>(Text[at]);
        at += CharacterAt(Text, at, character, count);
        if (byte < 0x80)
            form += static_cast<unsigned char>(lower[byte]);
        else if (count == 0)
            form += static_cast<wchar_t>(EscapedByte + byte);
        else
            form.append(character, count);
    }
    // ASCII is lower case already, and the escaped bytes are no letters.
    CharLowerBuffW(form.data(), static_cast<DWORD>(form.size()));
    return form;
}
