// Programs run as processes of their own, with their standard output on a pipe and their
// message boxes caught from outside.
#pragma once

#include <windows.h>

#include <string>

// Reads and dismisses the shown message boxes of the process, as "caption: text" lines. A box
// fills in its text after it is shown: one without it yet is taken at the next look.
inline void DismissBoxes(DWORD ProcessId, std::string& Seen) {
    for (HWND box = nullptr; (box = FindWindowExA(nullptr, box, "#32770", nullptr));) {
        DWORD owner = 0;
        char caption[256] = "", text[1024] = "";
        GetWindowThreadProcessId(box, &owner);
        if (owner != ProcessId || !IsWindowVisible(box) ||
            !GetDlgItemTextA(box, 0xFFFF, text, sizeof text))
            continue;
        GetWindowTextA(box, caption, sizeof caption);
        Seen += caption + std::string(": ") + text + "\n";
        SendMessageA(box, WM_COMMAND, IDOK, 0); // hides it at once
    }
}

// Starts Program with Arguments in Folder, with its standard output on a pipe and asks
// Drive(process, output so far, Seen) every 50 ms whether its work is done; the program is ended
// with code 99 if it has not ended after 30 s. Answers its output; then its message boxes and exit
// code go to Seen.
template <class Driver>
std::string RunProgram(std::string Program, const char* Folder, Driver Drive, std::string& Seen,
                       const std::string& Arguments = "") {
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE pipe, writeEnd;
    CreatePipe(&pipe, &writeEnd, &inherit, 0);
    SetHandleInformation(pipe, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = writeEnd;
    PROCESS_INFORMATION process{};
    std::string line = "\"" + Program + "\" " + Arguments, output, boxes;
    bool started = CreateProcessA(Program.c_str(), &line[0], nullptr, nullptr, TRUE, 0, nullptr,
                                  Folder, &startup, &process);
    CloseHandle(writeEnd); // the pipe ends when the program does
    char bytes[8192];
    DWORD got = 0, exitCode = 0, start = GetTickCount();
    for (bool done = false; started && WaitForSingleObject(process.hProcess, 50) != 0;) {
        DismissBoxes(process.dwProcessId, boxes);
        if (GetTickCount() - start > 30000) TerminateProcess(process.hProcess, 99);
        if (!done && PeekNamedPipe(pipe, bytes, sizeof bytes, &got, nullptr, nullptr))
            done = Drive(process, std::string(bytes, got), Seen);
    }
    GetExitCodeProcess(process.hProcess, &exitCode);
    Seen += boxes + (started ? "exit " + std::to_string(exitCode) + "\n" : "did not start\n");
    while (ReadFile(pipe, bytes, sizeof bytes, &got, nullptr) && got)
        output.append(bytes, got);
    for (HANDLE h : {pipe, process.hProcess, process.hThread})
        CloseHandle(h);
    return output;
}

// "width x height" of Window, and a line break.
inline std::string SizeOf(HWND Window) {
    RECT r{};
    GetWindowRect(Window, &r);
    return std::to_string(r.right - r.left) + "x" + std::to_string(r.bottom - r.top) + "\n";
}
