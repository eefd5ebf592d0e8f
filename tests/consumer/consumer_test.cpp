// Programs that start the library themselves: StartLibrary and StopLibrary in this process, and
// the README's example, built by run_consumer_test against the installed library, run as a
// program of its own. Usage: consumer_tests [gtest flags] HELLO_EXE
#include "object/forms.h"
#include "object/library_start.h"
#include "support/child_process.h"
#include "support/library_classes.h"
#include "support/process_box_watcher.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

std::string HelloExe;

void ExpectRegistered(bool Expected) {
    for (const char* name : LibraryClasses) {
        SCOPED_TRACE(name);
        EXPECT_EQ(IsRegistered(name), Expected);
    }
}

TEST(LibraryStart, RepeatsAreHarmlessAndARestartKeepsTheApplication) {
    ExpectRegistered(false);
    StartLibrary();
    ExpectRegistered(true);
    QApplication* application = Application;
    ASSERT_NE(application, nullptr);
    StartLibrary();
    EXPECT_EQ(Application, application);

    StopLibrary();
    ExpectRegistered(false);
    EXPECT_EQ(Application, application);
    StopLibrary();

    StartLibrary();
    ExpectRegistered(true);
    EXPECT_EQ(Application, application);
    StopLibrary();
}

struct HelloForm {
    DWORD ProcessId;
    HWND Window = nullptr;
};

BOOL CALLBACK FindHelloForm(HWND Window, LPARAM Context) {
    auto* search = reinterpret_cast<HelloForm*>(Context);
    DWORD process = 0;
    char className[16] = {};
    GetWindowThreadProcessId(Window, &process);
    GetClassNameA(Window, className, sizeof className);
    if (process != search->ProcessId || lstrcmpA(className, "QForm") != 0) return TRUE;
    search->Window = Window;
    return FALSE;
}

struct HelloRun {
    bool FormShown = false;
    std::string Caption;
    RECT Bounds{};
    bool EndedWhenClosed = false;
    DWORD ExitCode = STILL_ACTIVE;
    std::vector<SeenBox> Boxes;
    std::string Output;
};

// What a user does with the example: waits for its form, clicks on it and closes it.
void ClickAndClose(HANDLE Process, HWND Form, HelloRun& Run) {
    char caption[64] = {};
    GetWindowTextA(Form, caption, sizeof caption);
    Run.Caption = caption;
    Run.FormShown = IsWindowVisible(Form);
    GetWindowRect(Form, &Run.Bounds);
    SendMessageA(Form, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
    SendMessageA(Form, WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
    PostMessageA(Form, WM_CLOSE, 0, 0);
    Run.EndedWhenClosed = WaitForSingleObject(Process, 30000) == WAIT_OBJECT_0;
}

// Runs the example with its standard output on a pipe; its few lines fit the pipe's buffer,
// so they are read once it has ended.
HelloRun RunHello() {
    HelloRun run;
    PROCESS_INFORMATION process{};
    HANDLE readEnd;
    if (!StartWithOutputPipe(HelloExe, nullptr, process, readEnd)) {
        ADD_FAILURE() << HelloExe << " did not start: error " << GetLastError();
        return run;
    }
    {
        ProcessBoxWatcher watcher(process.dwProcessId);
        HelloForm form{process.dwProcessId};
        for (DWORD start = GetTickCount(); !form.Window && GetTickCount() - start < 30000;
             Sleep(50))
            EnumWindows(&FindHelloForm, reinterpret_cast<LPARAM>(&form));
        if (form.Window) ClickAndClose(process.hProcess, form.Window, run);
        TerminateProcess(process.hProcess, 99); // nothing happens to an ended process
        WaitForSingleObject(process.hProcess, INFINITE);
        run.Boxes = watcher.Boxes();
    }
    GetExitCodeProcess(process.hProcess, &run.ExitCode);
    char chunk[4096];
    DWORD got;
    while (ReadFile(readEnd, chunk, sizeof chunk, &got, nullptr) && got)
        run.Output.append(chunk, got);
    for (HANDLE h : {readEnd, process.hProcess, process.hThread})
        CloseHandle(h);
    return run;
}

TEST(InstalledLibrary, TheExampleShowsItsFormPrintsClicksAndEndsWhenTheFormCloses) {
    HelloRun run = RunHello();
    EXPECT_TRUE(run.FormShown);
    EXPECT_EQ(run.Caption, "Hello");
    EXPECT_EQ(run.Bounds.right - run.Bounds.left, 350); // the library's own form defaults
    EXPECT_EQ(run.Bounds.bottom - run.Bounds.top, 250);
    EXPECT_TRUE(run.EndedWhenClosed);
    EXPECT_EQ(run.ExitCode, 0u);
    for (const SeenBox& box : run.Boxes)
        ADD_FAILURE() << "message box \"" << box.Caption << "\": " << box.Text;
    // The window creation's diagnostic lines, then the click.
    EXPECT_EQ(run.Output.rfind("QForm\r\nLastError Was=", 0), 0u) << run.Output;
    EXPECT_NE(run.Output.find("\r\nclicked\r\n"), std::string::npos) << run.Output;
}

} // namespace

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: consumer_tests [gtest flags] HELLO_EXE\n");
        return 2;
    }
    HelloExe = argv[1];
    return RUN_ALL_TESTS();
}
