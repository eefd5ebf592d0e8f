#include "designer_process.h"

#include <cstdio>
#include <tuple>

namespace {

constexpr DWORD WaitLimit = 20000;

std::string ClassOf(HWND Window) {
    char name[256];
    return std::string(name, GetClassNameA(Window, name, sizeof name));
}

// Class names are compared as text: the designer's classes are not registered in this
// process, so a look-up by class name finds nothing here.
HWND FindChildOfClass(HWND Parent, const std::string& ClassName) {
    for (HWND w = GetWindow(Parent, GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT))
        if (ClassOf(w) == ClassName) return w;
    return nullptr;
}

HWND FindMainWindow(DWORD ProcessId) {
    for (HWND w = GetTopWindow(nullptr); w; w = GetWindow(w, GW_HWNDNEXT)) {
        DWORD owner = 0;
        GetWindowThreadProcessId(w, &owner);
        if (owner == ProcessId && ClassOf(w) == DesignerWindowClass) return w;
    }
    return nullptr;
}

std::string CommandLine(const std::string& Arguments) {
    return std::string("\"") + DESIGNER_EXE + "\" " + Arguments;
}

LPARAM At(POINT Point) {
    return MAKELPARAM(Point.x, Point.y);
}

// The process's exit code once it has ended, or 0xDEAD when it had to be ended; closes it.
DWORD WaitForExit(PROCESS_INFORMATION& Process) {
    DWORD code = 0xDEAD;
    if (WaitForSingleObject(Process.hProcess, WaitLimit) == WAIT_OBJECT_0)
        GetExitCodeProcess(Process.hProcess, &code);
    else
        TerminateProcess(Process.hProcess, code);
    CloseHandle(Process.hThread);
    CloseHandle(Process.hProcess);
    return code;
}

} // namespace

bool SeenComponent::operator==(const SeenComponent& Other) const {
    return std::tie(ClassName, Text, Bounds.left, Bounds.top, Bounds.right, Bounds.bottom, Style,
                    ExStyle, Id) ==
           std::tie(Other.ClassName, Other.Text, Other.Bounds.left, Other.Bounds.top,
                    Other.Bounds.right, Other.Bounds.bottom, Other.Style, Other.ExStyle, Other.Id);
}

std::string Describe(const SeenComponent& c) {
    char text[200];
    std::snprintf(text, sizeof text, "%s \"%s\" (%ld,%ld)-(%ld,%ld) style %08lX ex %08lX id %d",
                  c.ClassName.c_str(), c.Text.c_str(), c.Bounds.left, c.Bounds.top, c.Bounds.right,
                  c.Bounds.bottom, c.Style, c.ExStyle, c.Id);
    return text;
}

std::string WindowText(HWND Window) {
    char text[512] = "";
    DWORD_PTR length = 0;
    SendMessageTimeoutA(Window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_BLOCK,
                        WaitLimit, &length);
    return std::string(text, length);
}

bool DesignerProcess::Start(const std::string& Arguments) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    std::string line = CommandLine(Arguments);
    if (!CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &Process))
        return false;
    for (DWORD waited = 0; waited < WaitLimit && !MainWindow; waited += 20) {
        Sleep(20);
        MainWindow = FindMainWindow(Process.dwProcessId);
    }
    if (!MainWindow) return false;
    // The window exists before the designer has made its parts; they are there once the
    // designer handles posted messages.
    Sync();
    SurfaceWindow = FindChildOfClass(MainWindow, "QForm");
    return SurfaceWindow != nullptr;
}

DWORD DesignerProcess::Close() {
    PostMessageA(MainWindow, WM_CLOSE, 0, 0);
    return WaitForExit(Process);
}

DWORD DesignerProcess::RunToEnd(const std::string& Arguments) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::string line = CommandLine(Arguments);
    if (!CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process))
        return 0xDEAD;
    return WaitForExit(process);
}

void DesignerProcess::Command(int Id) {
    PostMessageA(MainWindow, WM_COMMAND, Id, 0);
}

bool DesignerProcess::TextCommand(const std::string& Line) {
    Sync();
    COPYDATASTRUCT data{DesignerTextCommand, static_cast<DWORD>(Line.size()),
                        const_cast<char*>(Line.data())};
    DWORD_PTR done = 0;
    SendMessageTimeoutA(MainWindow, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data), SMTO_BLOCK,
                        WaitLimit, &done);
    return done == 1;
}

void DesignerProcess::Drag(POINT From, POINT To) {
    PostMessageA(SurfaceWindow, WM_LBUTTONDOWN, MK_LBUTTON, At(From));
    PostMessageA(SurfaceWindow, WM_MOUSEMOVE, MK_LBUTTON, At(To));
    PostMessageA(SurfaceWindow, WM_LBUTTONUP, 0, At(To));
}

void DesignerProcess::Key(WPARAM VirtualKey) {
    PostMessageA(SurfaceWindow, WM_KEYDOWN, VirtualKey, 1);
    PostMessageA(SurfaceWindow, WM_KEYUP, VirtualKey, 0xC0000001);
}

void DesignerProcess::SetProperty(int Row, const std::string& Value) {
    Sync();
    HWND edit = GetDlgItem(MainWindow, FirstPropertyEdit + Row);
    DWORD_PTR ignored;
    SendMessageTimeoutA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(Value.c_str()), SMTO_BLOCK,
                        WaitLimit, &ignored);
    Command(CommandApply);
}

std::string DesignerProcess::Property(int Row) {
    Sync();
    return WindowText(GetDlgItem(MainWindow, FirstPropertyEdit + Row));
}

void DesignerProcess::Sync() {
    ++SyncCount;
    PostMessageA(MainWindow, DesignerSync, SyncCount, 0);
    for (DWORD waited = 0; waited < WaitLimit; waited += 5) {
        if (GetWindowLongPtrA(MainWindow, GWLP_USERDATA) == SyncCount) return;
        Sleep(5);
    }
}

std::vector<SeenComponent> DesignerProcess::Components() {
    Sync();
    std::vector<SeenComponent> seen;
    for (HWND w = GetWindow(SurfaceWindow, GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT)) {
        std::string name = ClassOf(w);
        if (name == "VelmoraSelectionPart") continue;
        SeenComponent c{name, WindowText(w), {}, 0, 0, 0};
        GetWindowRect(w, &c.Bounds);
        MapWindowPoints(nullptr, SurfaceWindow, reinterpret_cast<POINT*>(&c.Bounds), 2);
        c.Style = static_cast<DWORD>(GetWindowLongPtrA(w, GWL_STYLE));
        c.ExStyle = static_cast<DWORD>(GetWindowLongPtrA(w, GWL_EXSTYLE));
        c.Id = static_cast<int>(GetWindowLongPtrA(w, GWLP_ID));
        seen.push_back(c);
    }
    return seen;
}
