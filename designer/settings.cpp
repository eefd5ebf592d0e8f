#include "settings.h"

#include <windows.h>

namespace {

const char Key[] = "Software\\Velmora\\Designer";
// A finer grid is no help to the eye or the hand, a coarser one leaves no place between.
constexpr DWORD LargestGrid = 64;

bool ReadNumber(HKEY Settings, const char* Name, DWORD& Value) {
    DWORD type = 0, size = sizeof Value;
    return RegQueryValueExA(Settings, Name, nullptr, &type, reinterpret_cast<BYTE*>(&Value),
                            &size) == ERROR_SUCCESS &&
           type == REG_DWORD;
}

bool WriteNumber(HKEY Settings, const char* Name, DWORD Value) {
    return RegSetValueExA(Settings, Name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&Value),
                          sizeof Value) == ERROR_SUCCESS;
}

} // namespace

DesignerSettings ReadSettings() {
    DesignerSettings settings;
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, Key, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return settings;
    DWORD value = 0;
    if (ReadNumber(key, "Grid", value) && value <= LargestGrid && value != 1)
        settings.Grid = static_cast<int>(value);
    if (ReadNumber(key, "SnapLines", value) && value <= 1) settings.SnapLines = value == 1;
    RegCloseKey(key);
    return settings;
}

bool WriteSettings(const DesignerSettings& Settings) {
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, Key, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                        nullptr) != ERROR_SUCCESS)
        return false;
    bool written = WriteNumber(key, "Grid", static_cast<DWORD>(Settings.Grid)) &&
                   WriteNumber(key, "SnapLines", Settings.SnapLines ? 1 : 0);
    RegCloseKey(key);
    return written;
}
