// The Velmora form designer: a host of core.dll that lays out forms with the library's
// components, saves them as form files and generates their C++.
//
//   designer.exe [--log FILE] [--free] [--open FORM [--select NAME]] [CORE.DLL]
//
// Without CORE.DLL the library is loaded from beside the program. --open opens a form file and
// --select selects one of its components by name. --log writes every message
// to FILE instead of showing a box (for unattended runs). --free places freely in this run, as
// with Alt held: no grid and no snapping, whatever was kept from the last run. Exit codes: 0 after
// a normal end, 1 for a bad command line, 2 when the library can't be loaded, 3 when the file is
// not the library, 4 when the designer's windows can't be made.
#include "commands.h"
#include "containers/bar_addresses.h"
#include "core_library.h"
#include "designer_window.h"
#include "report.h"
#include "settings.h"

#include <commctrl.h>

#include <cstdlib>
#include <string>

namespace {

struct Arguments {
    std::string CorePath;
    std::string FormPath;
    std::string Selected;
    bool Free = false;
    bool Valid = true;
};

Arguments ReadArguments() {
    Arguments arguments;
    for (int i = 1; i < __argc; ++i) {
        std::string argument = __argv[i];
        bool hasValue = i + 1 < __argc;
        if (argument == "--log" && hasValue)
            ReportToLog(__argv[++i]);
        else if (argument == "--open" && hasValue)
            arguments.FormPath = __argv[++i];
        else if (argument == "--select" && hasValue)
            arguments.Selected = __argv[++i];
        else if (argument == "--free")
            arguments.Free = true;
        else if (argument.compare(0, 2, "--") != 0 && arguments.CorePath.empty())
            arguments.CorePath = argument;
        else
            arguments.Valid = false;
    }
    if (arguments.CorePath.empty()) arguments.CorePath = CoreBesideProgram();
    return arguments;
}

// Notifications carry addresses and are only ever sent: one taken from the queue was posted by
// someone else (anyone may post to the designer's windows), and no loop may dispatch it; nor a
// bar message carrying an address to the designer's bars.
LRESULT CALLBACK DropQueuedNotification(int Code, WPARAM WParam, LPARAM LParam) {
    auto* message = reinterpret_cast<MSG*>(LParam);
    // WM_NULL does nothing, whatever its parameters: no procedure reads them.
    if (Code == HC_ACTION && (message->message == WM_NOTIFY || IsQueuedBarAddress(*message)))
        message->message = WM_NULL;
    return CallNextHookEx(nullptr, Code, WParam, LParam);
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    Arguments arguments = ReadArguments();
    if (!arguments.Valid) {
        Report(nullptr,
               "Usage: designer [--log FILE] [--free] [--open FORM [--select NAME]] [CORE.DLL]");
        return 1;
    }
    SetWindowsHookExA(WH_GETMESSAGE, &DropQueuedNotification, nullptr, GetCurrentThreadId());
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_BAR_CLASSES | ICC_TAB_CLASSES};
    InitCommonControlsEx(&controls);
    CoreLibrary core;
    std::string problem;
    if (LoadFailure failure = LoadCoreLibrary(arguments.CorePath, core, problem);
        failure != LoadFailure::None) {
        Report(nullptr, problem);
        return static_cast<int>(failure);
    }
    DesignerWindow designer(core);
    if (!designer.Create(arguments.Free ? DesignerSettings{0, false} : ReadSettings())) {
        Report(nullptr, "Can't make the designer's windows.");
        return 4;
    }
    if (!arguments.FormPath.empty()) designer.Open(arguments.FormPath);
    if (!arguments.Selected.empty()) designer.Select(arguments.Selected);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (designer.PreTranslate(message)) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}
