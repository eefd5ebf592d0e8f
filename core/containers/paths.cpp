#include "containers/paths.h"
#include "containers/code_page.h"

#include <cctype>
#include <clocale>
#include <cstring>

HWND* OwnerCell = nullptr;

namespace {

// Position (from 1) of the last byte of Path in Set; 0 when none matches.
size_t LastOf(const std::string& Path, const char* Set) {
    size_t k = Path.find_last_of(Set);
    return k == std::string::npos ? 0 : k + 1;
}

const char* const Separators = "/\\";

BOOL CALLBACK TakeFirstWindow(HWND Window, LPARAM Cell) {
    if (GetWindowLongA(Window, GWL_EXSTYLE) != 0) *reinterpret_cast<HWND*>(Cell) = Window;
    return FALSE;
}

} // namespace

std::string FileNameOf(const std::string& Path) {
    return Path.substr(LastOf(Path, Separators));
}

std::string FolderOf(const std::string& Path) {
    return Path.substr(0, LastOf(Path, Separators));
}

std::string ExtensionOf(const std::string& Path) {
    size_t k = LastOf(Path, ".");
    return k ? Path.substr(k - 1) : std::string();
}

std::string ReplaceExtension(const std::string& Path, const std::string& Extension) {
    if (Path.empty()) return Path;
    size_t k = LastOf(Path, ".");
    return (k ? Path.substr(0, k - 1) : Path) + Extension;
}

std::string ReplaceFolder(const std::string& Path, const std::string& Folder) {
    return Path.empty() ? Path : Folder + FileNameOf(Path);
}

void AllocateOwnerCell() {
    if (!OwnerCell) OwnerCell = new HWND(nullptr);
}

void FreeOwnerCell() {
    delete OwnerCell;
    OwnerCell = nullptr;
}

HWND OwnerWindow() {
    // Programs that compile the library in have no load step: they get a cell of their own.
    HWND local = nullptr;
    HWND* cell = OwnerCell ? OwnerCell : &local;
    *cell = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), TakeFirstWindow, reinterpret_cast<LPARAM>(cell));
    return *cell;
}

// 256 bytes hold 256 characters of a single-byte code page; a multi-byte page gets room for as
// many characters, so that a long name is not cut inside one.
void InfoBox(const std::string& Text) {
    std::string path(BytesForUnits(256), '\0');
    GetModuleFileNameA(GetModuleHandleA(nullptr), &path[0], static_cast<DWORD>(path.size()));
    path.resize(std::strlen(path.c_str()));
    MessageBoxA(OwnerWindow(), Text.c_str(), FileNameOf(path).c_str(), MB_TOPMOST);
}

int AlertBox(const std::string& Text, const std::string& Caption, UINT Style) {
    return MessageBoxA(OwnerWindow(), Text.c_str(), Caption.c_str(), Style | MB_TOPMOST);
}

const char* LowerCaseTable() {
    static const struct Table {
        char Bytes[256];
        Table() {
            std::setlocale(LC_CTYPE, "");
            // In a multi-byte code page a byte past ASCII is part of a character, never a
            // letter of its own, whatever the C library's locale (a single-byte one) says.
            int letters = MultiByteCodePage() ? 0x80 : 256;
            for (int byte = 0; byte < 256; ++byte)
                Bytes[byte] = static_cast<char>(
                    byte < letters && std::isupper(byte) ? std::tolower(byte) : byte);
        }
    } table;
    return table.Bytes;
}
