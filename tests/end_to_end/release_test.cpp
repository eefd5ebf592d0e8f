// The release archive's programs, run by run_consumer_test once it has unpacked the archive and
// built the examples against it: it names them in environment variables, and without them
// these tests are skipped. The designer from the archive opens its example form and generates
// its C++; the README's example, built with CMake and with make, and the README's program around
// the generated form show their forms and end when they are closed.
#include "designer/commands.h"
#include "end_to_end/program_run.h"
#include "support/test_files.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <regex>

namespace {

// The visible child windows of Window: the components of a form, or of the designer's surface,
// whose selection handles are hidden while nothing is selected.
int VisibleChildren(HWND Window) {
    int count = 0;
    for (HWND child = GetWindow(Window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        count += IsWindowVisible(child) ? 1 : 0;
    return count;
}

// The top-level window of Class of the process's main thread, once it is shown.
HWND ShownWindow(const PROCESS_INFORMATION& Process, const char* Class, const char* Caption) {
    HWND window = FindWindowA(Class, Caption);
    bool shown =
        GetWindowThreadProcessId(window, nullptr) == Process.dwThreadId && IsWindowVisible(window);
    return shown ? window : nullptr;
}

TEST(ReleaseDesigner, OpensItsExampleFormAndGeneratesItsCpp) {
    const char *designer = std::getenv("DESIGNER_EXE"), *form = std::getenv("EXAMPLE_FORM"),
               *generated = std::getenv("GENERATED_DIR");
    if (!designer || !form || !generated) GTEST_SKIP() << "run by the consumer test";
    const std::string log = std::string(generated) + "/messages.log";
    // Once everything posted before the sync has been handled, the form given on the command
    // line is open and the message loop runs: the components are counted, the C++ generated and
    // the designer closed as its user closes it.
    bool synced = false;
    auto generateAndClose = [&](const PROCESS_INFORMATION& Process, const std::string&,
                                std::string& Seen) {
        HWND main = ShownWindow(Process, DesignerWindowClass, nullptr);
        if (!main) return false;
        if (!synced) synced = PostMessageA(main, DesignerSync, 1, 0) != FALSE;
        if (GetWindowLongPtrA(main, GWLP_USERDATA) != 1) return false;
        HWND surface = FindWindowExA(main, nullptr, "QForm", nullptr);
        Seen += VisibleChildren(surface) > 0 ? "components shown\n" : "no components\n";
        std::string command = std::string("generate ") + generated;
        COPYDATASTRUCT data{DesignerTextCommand, static_cast<DWORD>(command.size()), &command[0]};
        Seen +=
            "generated " +
            std::to_string(SendMessageA(main, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data))) +
            "\n";
        return PostMessageA(main, WM_CLOSE, 0, 0) != FALSE;
    };
    std::string seen;
    RunProgram(designer, nullptr, generateAndClose, seen,
               "--log \"" + log + "\" --open \"" + form + "\"");
    EXPECT_EQ(seen + ReadTestFile(log), "components shown\ngenerated 1\nexit 0\n(no such file)");
}

TEST(InstalledLibrary, TheExampleShowsItsFormPrintsClicksAndEndsWhenTheFormCloses) {
    struct Row {
        const char *Name, *Variable;
    };
    const Row rows[] = {{"built with CMake", "HELLO_EXE"}, {"built with make", "HELLO_MAKE_EXE"}};
    // What a user does with the example: waits for its form, found by its caption, clicks on it
    // and closes it.
    auto clickAndClose = [](const PROCESS_INFORMATION& Process, const std::string&,
                            std::string& Seen) {
        HWND form = ShownWindow(Process, "QForm", "Hello");
        if (!form) return false;
        Seen += SizeOf(form);
        SendMessageA(form, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
        SendMessageA(form, WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
        return PostMessageA(form, WM_CLOSE, 0, 0) != FALSE;
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        const char* hello = std::getenv(row.Variable);
        if (!hello) GTEST_SKIP() << "run by the consumer test, which builds the example";
        std::string seen, output = RunProgram(hello, nullptr, clickAndClose, seen);
        // 350 x 250 are the library's own form defaults; the example prints "clicked", the
        // library its diagnostic lines.
        EXPECT_EQ(seen + std::regex_replace(output, std::regex("\\d+"), "#"),
                  "350x250\nexit 0\nQForm\r\nLastError Was=   #\r\nclicked\r\ndestroy\r\n");
    }
}

TEST(InstalledLibrary, TheDesignedFormShowsItsComponentsAndEndsWhenClosed) {
    const char* designed = std::getenv("DESIGNED_EXE");
    if (!designed) GTEST_SKIP() << "run by the consumer test, which builds the program";
    auto close = [](const PROCESS_INFORMATION& Process, const std::string&, std::string& Seen) {
        HWND form = ShownWindow(Process, "QForm", "Customer");
        if (!form) return false;
        Seen += VisibleChildren(form) > 0 ? "components shown\n" : "no components\n";
        return PostMessageA(form, WM_CLOSE, 0, 0) != FALSE;
    };
    std::string seen;
    RunProgram(designed, nullptr, close, seen);
    EXPECT_EQ(seen, "components shown\nexit 0\n");
}

// The example of two forms used from the keyboard, through its own message loop: Enter on the
// main form opens the dialog with the focus in its first edit, Tab passes the hidden and the
// disabled edit, Alt+N goes back to the labelled edit, Enter gives OK and its answer, then
// Esc gives Cancel. Run on the build's program and, by the consumer test, on the archive's.
TEST(InstalledLibrary, TheDialogExampleAnswersItsKeys) {
    const char* built = std::getenv("DIALOGS_EXE");
    int step = 0, last = 0;
    // Each step waits for what the key before it did: the dialog shown or gone, the focus moved.
    auto use = [&](const PROCESS_INFORMATION& Process, const std::string&, std::string& Seen) {
        HWND main = ShownWindow(Process, "QForm", "Dialogs and the keyboard"),
             dialog = ShownWindow(Process, "QForm", "Who are you?");
        GUITHREADINFO thread{};
        thread.cbSize = sizeof thread;
        GetGUIThreadInfo(Process.dwThreadId, &thread);
        HWND focus = thread.hwndFocus, ask = FindWindowExA(main, nullptr, "QButton", nullptr);
        int focused = GetDlgCtrlID(focus);
        bool wanted = step == 1 || step == 2 || step == 3 || step == 5;
        if (!main || wanted != (dialog != nullptr) || (dialog && !focus) ||
            ((step == 2 || step == 3) && focused == last))
            return false;
        char answer[64] = "";
        SendMessageA(FindWindowExA(main, nullptr, "QLabel", nullptr), WM_GETTEXT, sizeof answer,
                     reinterpret_cast<LPARAM>(answer));
        const char* const notes[] = {"", "first ", "tab ", "alt+n "};
        if (step >= 1 && step <= 3) Seen += notes[step] + std::to_string(last = focused) + "\n";
        if (step == 1)
            for (auto [id, text] : {std::pair{1002, "Zoe"}, {1007, "Athens"}})
                SendMessageA(GetDlgItem(dialog, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
        if (step == 4 || step == 6) Seen += answer + std::string("\n");
        if (step == 6) return PostMessageA(main, WM_CLOSE, 0, 0) != FALSE;
        const std::pair<HWND, WPARAM> keys[] = {{ask, VK_RETURN}, {focus, VK_TAB},
                                                {focus, 'n'},     {focus, VK_RETURN},
                                                {ask, VK_RETURN}, {focus, VK_ESCAPE}};
        auto [to, key] = keys[step++];
        return !PostMessageA(to, key == 'n' ? WM_SYSCHAR : WM_KEYDOWN, key, 1);
    };
    std::string seen;
    RunProgram(built ? built : DIALOGS_BUILT, nullptr, use, seen);
    EXPECT_EQ(seen, "first 1002\ntab 1007\nalt+n 1002\nHello, Zoe from Athens!\nYou "
                    "cancelled.\nexit 0\n");
}

} // namespace
