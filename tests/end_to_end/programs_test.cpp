// Programs run as processes of their own, with their standard output on a pipe and their message
// boxes caught from outside: parvex, and the README's example built against the installed
// library (by run_consumer_test, which names it in HELLO_EXE).
#include "support/test_files.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <regex>
#include <string>

namespace {

// Reads and dismisses the shown message boxes of the process, as "caption: text" lines. A box
// fills in its text after it is shown: one without it yet is taken at the next look.
void DismissBoxes(DWORD ProcessId, std::string& Seen) {
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

// Starts Program in Folder with its standard output on a pipe and asks Drive(process, output so
// far, Seen) every 50 ms whether its work is done; the program is ended with code 99 if it has
// not ended after 30 s. Answers its output; then its message boxes and exit code go to Seen.
template <class Driver>
std::string RunProgram(std::string Program, const char* Folder, Driver Drive, std::string& Seen) {
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE pipe, writeEnd;
    CreatePipe(&pipe, &writeEnd, &inherit, 0);
    SetHandleInformation(pipe, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = writeEnd;
    PROCESS_INFORMATION process{};
    std::string line = "\"" + Program + "\"", output, boxes;
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

// parvex's whole output with every number written '#', but the registration numbers, which
// must be class atoms (from 0xC000, printed signed: a space where a minus would stand), '~'.
std::string Normalised(const std::string& Output) {
    std::string atoms =
        std::regex_replace(Output, std::regex("register=( +)(4[89]|[56])\\d{3} "), "register=$1~ ");
    return std::regex_replace(atoms, std::regex("-?\\d+"), "#");
}

// The lines as parvex prints them, in print zones of 14 columns.
std::string ExpectedParvexOutput() {
    std::string expected;
    for (std::string name : {"QForm", "QLabel", "QButton", "QCheckBox", "QRadioButton", "QGroupBox",
                             "QEdit", "QMemo", "QListBox", "QComboBox", "QScrollBar"})
        expected += name + " register=" + std::string(19 - name.size(), ' ') + "~        " +
                    "last error=   #\r\n";
    return expected +
           "QForm\r\nLastError Was=   #\r\nQToolBarGadget\r\nLastError Was=   #\r\n"
           "QmyFrame\r\nLastError Was=   #\r\nQButton\r\nQButton\r\nLastError Was=   #\r\n"
           "QButton\r\nQEdit\r\nLastError Was=   #\r\nmainwindow=   #\r\nfuck\nfuck\nfuck\n\r\n"
           "c:\\programs files\\oxvell\\\r\n.exe\r\nqmx.exe\r\n"
           "c:\\programs files\\oxvell\\qmx.dll\r\nc:\\qmx.exe\r\n";
}

// "width x height" of Window, and a line break.
std::string SizeOf(HWND Window) {
    RECT r{};
    GetWindowRect(Window, &r);
    return std::to_string(r.right - r.left) + "x" + std::to_string(r.bottom - r.top) + "\n";
}

// parvex's console work is done once its last line is out; then its message loop is ended. Its
// main form, the owner of the owner window whose handle it prints, takes parvex's own form
// defaults, not the library's.
bool QuitAtTheLastLine(const PROCESS_INFORMATION& Process, const std::string& Output,
                       std::string& Seen) {
    if (Output.find("c:\\qmx.exe\r\n") == std::string::npos) return false;
    HWND owner = HWND(std::stoull(Output.substr(Output.find("mainwindow=") + 11)));
    Seen += SizeOf(GetWindow(owner, GW_OWNER));
    return PostThreadMessageA(Process.dwThreadId, WM_QUIT, 0, 0);
}

TEST(Parvex, PrintsItsLinesCopiesItsSourceAndExportsTheColourSetter) {
    // Source: parvex.cpp in the folder parvex starts in.
    struct Row {
        const char *Name, *Source, *Expected;
    };
    const Row rows[] = {
        {"in its source folder", "int a;\r\nINT A;\n\n\nint b;\nint a;\nend",
         "450x150\nok: ok\nexit 0\nint a;\r\n\r\n\r\nint b;\r\nend\r\n"},
        {"elsewhere", nullptr, "450x150\nok: ok\nQStrings: File not found.\nexit 0\n"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        std::string folder = TempFolder() + "parvex-" + std::to_string(GetCurrentProcessId());
        CreateDirectoryA(folder.c_str(), nullptr);
        if (row.Source) WriteTestFile(folder + "\\parvex.cpp", row.Source);
        std::string seen, output = RunProgram(PARVEX_EXE, folder.c_str(), QuitAtTheLastLine, seen);
        EXPECT_EQ(Normalised(output), ExpectedParvexOutput());
        EXPECT_EQ(seen + ReadTestFile(folder + "\\buci.txt"), row.Expected);
        for (const char* file : {"\\parvex.cpp", "\\buci.txt"})
            DeleteFileA((folder + file).c_str());
        RemoveDirectoryA(folder.c_str());
    }
    // Designers find the canvas colour setter in parvex by this name; a program loaded as a
    // library gets no imports resolved, so the setter can be found but not called.
    HMODULE parvex = LoadLibraryExA(PARVEX_EXE, nullptr, DONT_RESOLVE_DLL_REFERENCES);
    EXPECT_NE(GetProcAddress(parvex, "QCANVAS::COLOR__set__(unsigned int)"), nullptr);
    FreeLibrary(parvex);
}

TEST(InstalledLibrary, TheExampleShowsItsFormPrintsClicksAndEndsWhenTheFormCloses) {
    const char* hello = std::getenv("HELLO_EXE");
    if (!hello) GTEST_SKIP() << "run by the consumer test, which builds the example";
    // What a user does with the example: waits for its form, found by its caption, clicks on it
    // and closes it.
    auto clickAndClose = [](const PROCESS_INFORMATION& Process, const std::string&,
                            std::string& Seen) {
        HWND form = FindWindowA("QForm", "Hello");
        if (GetWindowThreadProcessId(form, nullptr) != Process.dwThreadId || !IsWindowVisible(form))
            return false;
        Seen += SizeOf(form);
        SendMessageA(form, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
        SendMessageA(form, WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
        return PostMessageA(form, WM_CLOSE, 0, 0) != FALSE;
    };
    std::string seen, output = RunProgram(hello, nullptr, clickAndClose, seen);
    // 350 x 250 are the library's own form defaults; the example prints "clicked", the library
    // its diagnostic lines.
    EXPECT_EQ(seen + std::regex_replace(output, std::regex("\\d+"), "#"),
              "350x250\nexit 0\nQForm\r\nLastError Was=   #\r\nclicked\r\ndestroy\r\n");
}

} // namespace
