#include "report.h"

#include <fstream>

namespace {

std::string& LogPath() {
    static std::string path;
    return path;
}

} // namespace

void ReportToLog(const std::string& Path) {
    LogPath() = Path;
}

void Report(HWND Owner, const std::string& Text) {
    if (LogPath().empty()) {
        MessageBoxA(Owner, Text.c_str(), "Velmora designer", MB_OK | MB_ICONWARNING | MB_TOPMOST);
        return;
    }
    std::ofstream(LogPath(), std::ios::app) << Text << '\n';
}
