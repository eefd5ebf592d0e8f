// parvex run as a program of its own, with its standard output on a pipe and its message boxes
// caught from outside.
#include "end_to_end/program_run.h"
#include "support/test_files.h"

#include <gtest/gtest.h>

#include <regex>
#include <string>

namespace {

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

} // namespace
