// Runs parvex.exe as a program of its own, with its standard output on a pipe, and checks its
// whole console output, its message boxes, its exit code and the file it writes.
#include "support/child_process.h"
#include "support/process_box_watcher.h"
#include "support/test_files.h"

#include <gtest/gtest.h>

#include <mutex>
#include <regex>
#include <string>
#include <vector>

namespace {

struct ParvexRun {
    std::string Output;
    std::vector<SeenBox> Boxes;
    DWORD ExitCode = STILL_ACTIVE;
    std::string Saved; // buci.txt
    RECT MainForm{};   // the window of parvex's QForm object, the one without a caption
};

// The output pipe's reader; it keeps the time of the last bytes to tell when parvex is quiet.
struct OutputReader {
    HANDLE Pipe;
    std::mutex Lock;
    std::string Bytes;
    DWORD LastArrival = GetTickCount();

    static DWORD WINAPI Drain(void* Self) {
        auto* reader = static_cast<OutputReader*>(Self);
        char chunk[4096];
        DWORD got;
        while (ReadFile(reader->Pipe, chunk, sizeof chunk, &got, nullptr) && got) {
            std::lock_guard<std::mutex> guard(reader->Lock);
            reader->Bytes.append(chunk, got);
            reader->LastArrival = GetTickCount();
        }
        return 0;
    }

    // True once the last line of the console work is out and nothing came for a while.
    bool Quiet() {
        std::lock_guard<std::mutex> guard(Lock);
        return Bytes.find("c:\\qmx.exe\r\n") != std::string::npos &&
               GetTickCount() - LastArrival > 500;
    }
};

struct FormSearch {
    DWORD ProcessId;
    RECT Bounds;
};

BOOL CALLBACK FindMainForm(HWND Window, LPARAM Context) {
    auto* search = reinterpret_cast<FormSearch*>(Context);
    DWORD process = 0;
    char className[16] = {}, caption[8] = {};
    GetWindowThreadProcessId(Window, &process);
    GetClassNameA(Window, className, sizeof className);
    if (process != search->ProcessId || lstrcmpA(className, "QForm") != 0 ||
        GetWindowTextA(Window, caption, sizeof caption) != 0)
        return TRUE;
    GetWindowRect(Window, &search->Bounds);
    return FALSE;
}

// Starts parvex in a fresh folder (with a copy of its source when WithSource), lets it run
// until its console work is done, then ends its message loop with WM_QUIT.
ParvexRun RunParvex(bool WithSource) {
    std::string folder = TempFolder() + "parvex-run-" + std::to_string(GetCurrentProcessId()) +
                         (WithSource ? "-src" : "-bare");
    CreateDirectoryA(folder.c_str(), nullptr);
    DeleteFileA((folder + "\\buci.txt").c_str());
    if (WithSource) CopyFileA(PARVEX_SOURCE, (folder + "\\parvex.cpp").c_str(), FALSE);

    OutputReader reader;
    PROCESS_INFORMATION process{};
    ParvexRun run;
    if (!StartWithOutputPipe(PARVEX_EXE, folder.c_str(), process, reader.Pipe)) {
        ADD_FAILURE() << "parvex did not start: error " << GetLastError();
        return run;
    }
    HANDLE drain = CreateThread(nullptr, 0, &OutputReader::Drain, &reader, 0, nullptr);
    {
        ProcessBoxWatcher watcher(process.dwProcessId);
        for (DWORD start = GetTickCount(); !reader.Quiet() && GetTickCount() - start < 60000;)
            Sleep(50);
        FormSearch form{process.dwProcessId, {}};
        EnumWindows(&FindMainForm, reinterpret_cast<LPARAM>(&form));
        run.MainForm = form.Bounds;
        PostThreadMessageA(process.dwThreadId, WM_QUIT, 0, 0);
        if (WaitForSingleObject(process.hProcess, 30000) == WAIT_TIMEOUT)
            TerminateProcess(process.hProcess, 99);
        run.Boxes = watcher.Boxes();
    }
    GetExitCodeProcess(process.hProcess, &run.ExitCode);
    WaitForSingleObject(drain, INFINITE);
    run.Output = reader.Bytes;
    run.Saved = ReadTestFile(folder + "\\buci.txt");
    for (HANDLE h : {drain, reader.Pipe, process.hProcess, process.hThread})
        CloseHandle(h);
    DeleteFileA((folder + "\\buci.txt").c_str());
    DeleteFileA((folder + "\\parvex.cpp").c_str());
    RemoveDirectoryA(folder.c_str());
    return run;
}

// An expected console line. "|" separates items that start in successive 14-column print
// zones; {s} is a signed number (a space or a minus sign before the digits), {u} an unsigned
// one, {_} a run of spaces.
const char* const OrdinaryRun[] = {
    "QForm register=|{s}|last error=|{u}",
    "QLabel register=|{s}|last error=|{u}",
    "QButton register=|{s}|last error=|{u}",
    "QCheckBox register=|{s}|last error=|{u}",
    "QRadioButton register=|{s}|last error=|{u}",
    "QGroupBox register=|{s}|last error=|{u}",
    "QEdit register=|{s}|last error=|{u}",
    "QMemo register=|{s}|last error=|{u}",
    "QListBox register=|{s}|last error=|{u}",
    "QComboBox register=|{s}|last error=|{u}",
    "QScrollBar register=|{s}|last error=|{u}",
    "QForm",
    "LastError Was={_}{u}",
    "QToolBarGadget",
    "LastError Was={_}{u}",
    "QmyFrame",
    "LastError Was={_}{u}",
    "QButton",
    "QButton",
    "LastError Was={_}{u}",
    "QButton",
    "QEdit",
    "LastError Was={_}{u}",
    "mainwindow=|{u}",
    "fuck\nfuck\nfuck\n",
    "c:\\programs files\\oxvell\\",
    ".exe",
    "qmx.exe",
    "c:\\programs files\\oxvell\\qmx.dll",
    "c:\\qmx.exe",
};

std::string Replaced(std::string Text, const std::string& From, const std::string& To) {
    for (size_t at = 0; (at = Text.find(From, at)) != std::string::npos; at += To.size())
        Text.replace(at, From.size(), To);
    return Text;
}

std::string ItemPattern(const std::string& Item) {
    static const std::regex special(R"([.^$|()\[\]{}*+?\\])");
    std::string pattern = std::regex_replace(Item, special, R"(\$&)");
    pattern = Replaced(pattern, R"(\{s\})", R"(( \d+|-\d+))");
    pattern = Replaced(pattern, R"(\{u\})", R"((\d+))");
    return Replaced(pattern, R"(\{_\})", " +");
}

// Whether Line is what Expected describes; the numbers found go to Numbers.
bool LineMatches(const std::string& Expected, const std::string& Line,
                 std::vector<long long>& Numbers) {
    std::vector<std::string> items;
    for (size_t start = 0, bar;; start = bar + 1) {
        bar = Expected.find('|', start);
        items.push_back(Expected.substr(start, bar - start));
        if (bar == std::string::npos) break;
    }
    std::string pattern;
    for (const std::string& item : items)
        pattern += (pattern.empty() ? "" : " *") + ItemPattern(item);
    std::smatch found;
    if (!std::regex_match(Line, found, std::regex(pattern))) return false;
    for (size_t group = 1; group < found.size(); ++group)
        Numbers.push_back(std::stoll(found[group].str()));
    // With the numbers known, the zone layout fixes every space of the line.
    std::string laidOut;
    size_t group = 1;
    for (const std::string& item : items) {
        if (!laidOut.empty()) laidOut.append(14 - laidOut.size() % 14, ' ');
        std::string text = item;
        for (const char* mark : {"{s}", "{u}"})
            for (size_t at; (at = text.find(mark)) != std::string::npos;)
                text.replace(at, 3, found[group++].str());
        laidOut += text;
    }
    return items.size() == 1 || laidOut == Line;
}

std::vector<std::string> CrLfLines(const std::string& Output) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = Output.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(Output.substr(start, end - start));
    if (start != Output.size()) lines.push_back("(no CR LF) " + Output.substr(start));
    return lines;
}

void ExpectOrdinaryOutput(const std::string& Output) {
    std::vector<std::string> lines = CrLfLines(Output);
    ASSERT_EQ(lines.size(), std::size(OrdinaryRun)) << Output;
    for (size_t i = 0; i < lines.size(); ++i) {
        std::vector<long long> numbers;
        EXPECT_TRUE(LineMatches(OrdinaryRun[i], lines[i], numbers))
            << "line " << i + 1 << ": \"" << lines[i] << "\" is not \"" << OrdinaryRun[i] << '"';
        // Every registration succeeds in a fresh process: its atom is a class atom.
        if (i < 11 && numbers.size() == 2) {
            EXPECT_GE(numbers[0], 0xC000) << lines[i];
        }
    }
}

// The source's lines, LF or CR LF ended, with later case-insensitive repeats of non-empty
// lines left out, each followed by CR LF.
std::string WithoutRepeats(const std::string& Source) {
    std::vector<std::string> kept, seen;
    size_t start = 0;
    while (start < Source.size()) {
        size_t end = Source.find('\n', start);
        if (end == std::string::npos) end = Source.size();
        std::string line = Source.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        start = end + 1;
        std::string key = line;
        CharLowerBuffA(key.data(), static_cast<DWORD>(key.size()));
        bool repeat = !line.empty() && std::find(seen.begin(), seen.end(), key) != seen.end();
        if (!repeat) kept.push_back(line), seen.push_back(key);
    }
    std::string bytes;
    for (const std::string& line : kept)
        bytes += line + "\r\n";
    return bytes;
}

TEST(Parvex, FromItsSourceFolderCopiesTheSourceWithoutRepeats) {
    ParvexRun run = RunParvex(true);
    ExpectOrdinaryOutput(run.Output);
    ASSERT_EQ(run.Boxes.size(), 1u);
    EXPECT_EQ(run.Boxes[0].Text, "ok");
    EXPECT_EQ(run.Boxes[0].Caption, "ok");
    EXPECT_EQ(run.ExitCode, 0u);
    // parvex links the older form defaults.
    EXPECT_EQ(run.MainForm.left, 0);
    EXPECT_EQ(run.MainForm.right - run.MainForm.left, 450);
    EXPECT_EQ(run.MainForm.bottom - run.MainForm.top, 150);
    std::string source = ReadTestFile(PARVEX_SOURCE);
    ASSERT_GT(source.size(), 1000u);
    EXPECT_EQ(run.Saved, WithoutRepeats(source));
}

TEST(Parvex, ElsewhereReportsTheMissingSourceAndSavesNoLines) {
    ParvexRun run = RunParvex(false);
    ExpectOrdinaryOutput(run.Output);
    ASSERT_EQ(run.Boxes.size(), 2u);
    EXPECT_EQ(run.Boxes[0].Text, "ok");
    EXPECT_EQ(run.Boxes[1].Text, "File not found.");
    EXPECT_EQ(run.Boxes[1].Caption, "QStrings");
    EXPECT_EQ(run.ExitCode, 0u);
    EXPECT_EQ(run.Saved, "");
}

// Designers find the canvas colour setter in parvex by this name. A program loaded as a library
// gets no imports resolved, so the setter can be found but not called.
TEST(Parvex, ExportsTheCanvasColourSetterByName) {
    HMODULE parvex = LoadLibraryExA(PARVEX_EXE, nullptr, DONT_RESOLVE_DLL_REFERENCES);
    ASSERT_NE(parvex, nullptr) << GetLastError();
    EXPECT_NE(GetProcAddress(parvex, "QCANVAS::COLOR__set__(unsigned int)"), nullptr);
    FreeLibrary(parvex);
}

} // namespace
