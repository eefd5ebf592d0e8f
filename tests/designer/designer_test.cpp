// The designer run as a program of its own and driven from outside as a user drives it:
// palette commands, posted mouse and keys, the property list and its text commands. What it
// made is read back from the form files it saves and from its windows.
#include "designer/commands.h"
#include "object/frame.h"
#include "tests/support/property_rows.h"
#include "tests/support/test_files.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>
#include <tuple>
#include <vector>

namespace {

const std::string Log = GENERATED_DIR "/messages.log", Kept = GENERATED_DIR "/kept.vform",
                  Snapshot = GENERATED_DIR "/snapshot.vform";
const std::string Version = "Velmora(Tessaly7)-GUI Version 1";
// The form each test starts with, which the refusals must leave as it is.
const std::string Header = "Velmora form 2\r\ncore " + Version + "\r\n",
                  Header1 = "Velmora form 1\r\ncore " + Version + "\r\n";
const std::string Small =
    Header + "QButton Ok Text=\"OK\" Left=10 Top=10 Width=75 Height=35 Style=56010000 "
             "ExStyle=00000000 ID=1001\r\n"
             "QEdit Input Text=\"a|b\" Left=10 Top=60 Width=121 Height=21 Style=56010080 "
             "ExStyle=00000200 ID=1002\r\n";
// The same form in the first version of the file.
const std::string Small1 = Header1 + "QButton|Ok|OK|10|10|75|35|56010000|00000000|1001\r\n"
                                     "QEdit|Input|a\\|b|10|60|121|21|56010080|00000200|1002\r\n";
HWND Main, Surface;
DWORD DesignerProcess;
int Syncs;

// Starts the designer with an empty log; once it shows its windows, Main and Surface are they.
// Unless Snapping, it places components where the mouse leaves them.
PROCESS_INFORMATION Launch(const std::string& Arguments, bool Snapping = false) {
    DeleteFileA(Log.c_str());
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION designer{};
    std::string line =
        "\"" DESIGNER_EXE "\" --log \"" + Log + "\" " + (Snapping ? "" : "--free ") + Arguments;
    CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                   &designer);
    // The main window comes before its parts; waiting for input idle would not do, as it ends
    // at once while the designer has no message queue yet. The last test's designer may still
    // have its window for a moment after it ended.
    for (Surface = nullptr;
         !Surface && WaitForSingleObject(designer.hProcess, 20) == WAIT_TIMEOUT;) {
        DWORD process = 0;
        GetWindowThreadProcessId(Main = FindWindowA(DesignerWindowClass, nullptr), &process);
        if (process == designer.dwProcessId)
            Surface = FindWindowExA(Main, nullptr, "QForm", nullptr);
    }
    DesignerProcess = designer.dwProcessId;
    // Shared input, so that the keys the test holds are held for the designer too.
    if (Surface)
        AttachThreadInput(GetCurrentThreadId(), GetWindowThreadProcessId(Main, nullptr), TRUE);
    return designer;
}

// The designer's message box, if it shows one now.
HWND Box() {
    DWORD process = 0;
    HWND box = FindWindowA("#32770", nullptr);
    GetWindowThreadProcessId(box, &process);
    return process == DesignerProcess ? box : nullptr;
}

// Presses Button (IDYES, IDNO, IDCANCEL) in the box the designer shows; false when none came.
bool Answer(int Button) {
    HWND box = nullptr;
    for (int i = 0; i < 500 && !(box = Box()); ++i)
        Sleep(10);
    return box && PostMessageA(box, WM_COMMAND, Button, 0);
}

// The exit code; a designer that does not end is ended, so that none is left behind.
DWORD ExitCode(PROCESS_INFORMATION Process) {
    DWORD code = 0;
    if (WaitForSingleObject(Process.hProcess, 20000)) TerminateProcess(Process.hProcess, 9);
    GetExitCodeProcess(Process.hProcess, &code);
    CloseHandle(Process.hThread);
    CloseHandle(Process.hProcess);
    return code;
}

// Waits until the designer has handled everything posted to it so far.
void Sync() {
    PostMessageA(Main, DesignerSync, ++Syncs, 0);
    for (int i = 0; i < 20000 && GetWindowLongPtrA(Main, GWLP_USERDATA) != Syncs; ++i)
        Sleep(1);
}

// Does Do with Keys (VK_SHIFT, VK_CONTROL, VK_MENU) held.
void Holding(const std::vector<BYTE>& Keys, const std::function<void()>& Do) {
    BYTE keys[256] = {};
    for (BYTE key : Keys)
        keys[key] = 0x80;
    if (!Keys.empty()) Sync(), SetKeyboardState(keys);
    Do();
    for (BYTE key : Keys)
        keys[key] = 0;
    if (!Keys.empty()) Sync(), SetKeyboardState(keys);
}

// A key pressed on the surface, with Shift or Ctrl held if asked.
void Key(WPARAM Key, bool Shift = false, bool Control = false) {
    std::vector<BYTE> held;
    if (Shift) held.push_back(VK_SHIFT);
    if (Control) held.push_back(VK_CONTROL);
    Holding(held, [&] { PostMessageA(Surface, WM_KEYDOWN, Key, 1); });
}

// Sends a text command; true when the designer did it.
bool Command(std::string Line, ULONG_PTR Kind = DesignerTextCommand) {
    Sync();
    COPYDATASTRUCT data{Kind, static_cast<DWORD>(Line.size()), &Line[0]};
    return SendMessageA(Main, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data)) == 1;
}

// The form as the designer saves it now, to Path.
std::string Saved(const std::string& Path = Kept) {
    return Command("save " + Path) ? ReadTestFile(Path) : "(not saved)";
}

// From (X, Y) on the surface to (ToX, ToY), moving halfway before the release; Midway, when
// given, comes while the button is down. Posted to one of its windows, the messages are the
// non-client ones, in screen coordinates.
void Drag(int X, int Y, int ToX, int ToY, HWND On = Surface, void (*Midway)() = nullptr) {
    POINT at[] = {{X, Y}, {(X + ToX) / 2, (Y + ToY) / 2}, {ToX, ToY}};
    UINT base = On == Surface ? WM_LBUTTONDOWN : WM_NCLBUTTONDOWN;
    for (POINT& p : at)
        if (On != Surface) ClientToScreen(Surface, &p);
    PostMessageA(On, base, MK_LBUTTON, MAKELPARAM(at[0].x, at[0].y));
    if (Midway) Midway();
    PostMessageA(On, base - 1, MK_LBUTTON, MAKELPARAM(at[1].x, at[1].y)); // WM_(NC)MOUSEMOVE
    PostMessageA(On, base + 1, 0, MAKELPARAM(at[2].x, at[2].y));          // WM_(NC)LBUTTONUP
}

// A menu or palette command, as its item or button gives it.
void Menu(int Id) {
    PostMessageA(Main, WM_COMMAND, Id, 0);
}

void Tool(int Index) {
    Menu(FirstTool + Index);
}

void Click(int X, int Y) {
    Drag(X, Y, X, Y);
}

// The box of the property list's row called Label, once the list shows the selection.
HWND Row(const std::string& Label) {
    Sync();
    return PropertyRow(Main, Label);
}

// What a row of the property list shows; Typed, when given, is then typed over it (not applied).
std::string Edit(const std::string& Label, const char* Typed = nullptr) {
    HWND box = Row(Label);
    char shown[2048] = "";
    // Another process's edit box answers only the message, not the window's own text.
    SendMessageA(box, WM_GETTEXT, sizeof shown, reinterpret_cast<LPARAM>(shown));
    if (Typed) SendMessageA(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(Typed));
    return box ? shown : "(no row)";
}

// The palette's checked tools as "[index] ", then the values the property list shows for the
// place, size, styles and identifier, "-" for a row it does not show.
std::string Shown() {
    std::string shown;
    Sync();
    for (int i = 0; i < 17; ++i)
        if (SendMessageA(FindWindowExA(Main, nullptr, TOOLBARCLASSNAMEA, nullptr),
                         TB_ISBUTTONCHECKED, FirstTool + i, 0))
            shown += "[" + std::to_string(i) + "] ";
    for (const char* row : {"Left", "Top", "Width", "Height", "Style", "ExStyle", "ID"}) {
        std::string text = Edit(row);
        shown += (row[0] == 'L' ? "" : " ") + (text == "(no row)" ? "-" : text);
    }
    return shown;
}

std::string Caption() {
    char caption[128] = "";
    Sync();
    GetWindowTextA(Main, caption, sizeof caption);
    return caption;
}

// Parent's client area, then its visible children, top of the z-order first: class[text] style
// extended-style left,top widthxheight, the place relative to Origin (screen). A window like
// the one before it adds only its place to that line; a label shares its row's line.
std::string Windows(HWND Parent, POINT Origin) {
    std::string shown, last;
    Sync();
    for (HWND w = Parent; w; w = GetWindow(w, w == Parent ? GW_CHILD : GW_HWNDNEXT)) {
        char text[300] = "", kind[400], place[64];
        RECT r;
        POINT at = Origin;
        if (w == Parent)
            GetClientRect(w, &r), at = {};
        else
            GetWindowRect(w, &r);
        if (!IsWindowVisible(w)) continue;
        SendMessageA(w, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
        int length = GetClassNameA(w, kind, 64);
        snprintf(kind + length, sizeof kind - length, "[%s] %08lX %lX", text,
                 GetWindowLongA(w, GWL_STYLE), GetWindowLongA(w, GWL_EXSTYLE));
        snprintf(place, sizeof place, " %ld,%ld %ldx%ld", r.left - at.x, r.top - at.y,
                 r.right - r.left, r.bottom - r.top);
        if (last != kind)
            shown += (last.empty() ? "" : last.rfind("Static", 0) ? "\n" : " ") + std::string(kind);
        shown += place;
        last = kind;
    }
    return shown + "\n";
}

class DesignerTest : public testing::Test {
protected:
    void SetUp() override { Start(Small, " --select Input"); }
    // The designer started on Form, kept in kept.vform, with More arguments.
    void Start(const std::string& Form, const std::string& More, bool Snapping = false) {
        Designer = Launch("--open \"" + WriteTestFile(Kept, Form) + "\"" + More, Snapping);
        ASSERT_TRUE(Surface);
    }
    // The designer must end when its window closes; one that does not is ended, so that none is
    // left behind.
    void TearDown() override {
        PostMessageA(Main, WM_CLOSE, 0, 0);
        // Changes left unsaved are given up.
        for (int i = 0; i < 500 && WaitForSingleObject(Designer.hProcess, 20); ++i)
            if (HWND box = Box()) PostMessageA(box, WM_COMMAND, IDNO, 0);
        EXPECT_EQ(ExitCode(Designer), 0u);
    }
    PROCESS_INFORMATION Designer{};
};

TEST_F(DesignerTest, EveryClassPlacedMovedResizedAndEditedComesBackFromItsFile) {
    Menu(CommandNew);
    // Four columns of cells: the panel, the label, the button and the edit are placed by a
    // click, at their default size, the others by drawing a rectangle (the bars' default width
    // would reach into the next cell, and what is placed there would go inside them); the
    // eighteenth, a second panel, is deleted.
    for (int i = 0; i < 18; ++i) {
        int x = 5 + i % 4 * 135, y = 5 + i / 4 * 78;
        bool click = i == 0 || (i >= 3 && i < 6);
        Tool(i % 17);
        Drag(x, y, click ? x : x + 120, click ? y : y + 60);
    }
    PostMessageA(Surface, WM_KEYDOWN, VK_DELETE, 1);
    Tool(3), Click(420, 180); // a label inside the group box, aligned to its bottom
    SendMessageA(Row("Align"), CB_SETCURSEL, alBottom, 0);
    SendMessageA(Row("FocusControl"), CB_SELECTSTRING, WPARAM(-1), LPARAM("Edit1"));
    Menu(CommandApply);
    // The button: a drag moves it by (7, 5), its lower right handle grows it by (10, 6), the
    // right arrow key moves it by one; Enter in the property list applies the typed values.
    Drag(42, 100, 49, 105), Drag(87, 123, 97, 129);
    PostMessageA(Surface, WM_KEYDOWN, VK_RIGHT, 1);
    Edit("Text", "Zoë | Ελλάδα \\ Москва 😀");
    Edit("ID", "65535");
    Edit("Style", "56000001"); // made the default button
    Edit("Font", "courier new , 10 , italic");
    SendMessageA(Row("akRight"), BM_SETCHECK, BST_CHECKED, 0);
    PostMessageA(Row("ID"), WM_KEYDOWN, VK_RETURN, 1);
    // Return in a box of lines (the memo's text, a list's items) is the box's and applies
    // nothing; Apply does. Whether the box then starts a line is the platform's translation.
    Click(335, 113); // selects the memo
    Edit("Text", "one");
    PostMessageA(Row("Text"), WM_KEYDOWN, VK_RETURN, 1);
    EXPECT_NE(Saved(Snapshot).find("Text=\"Memo1\""), std::string::npos);
    Edit("Name", "Notes"), Edit("Text", "one\r\ntwo"), Menu(CommandApply);
    // The events page: a double click in an empty box writes the usual handler and applies it;
    // a handler typed for another component's event shares it.
    Click(40, 100);
    PostMessageA(FindWindowExA(Main, nullptr, WC_TABCONTROLA, nullptr), WM_LBUTTONDOWN, MK_LBUTTON,
                 MAKELPARAM(90, 10));
    PostMessageA(Row("OnClick"), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
    EXPECT_TRUE(IsWindowVisible(Row("OnClick")) && !IsWindowVisible(Row("Name")));
    RECT first, event;
    GetWindowRect(Row("Class"), &first), GetWindowRect(Row("OnCreate"), &event);
    EXPECT_EQ(event.top, first.top); // each page starts under the tabs
    EXPECT_EQ(Edit("OnClick"), "Button1Click");
    Click(420, 10), Edit("OnClick", "Button1Click"), Menu(CommandApply);
    Click(20, 170); // the list box's items
    Edit("Items", "one\r\ntwo");
    Menu(CommandApply);
    // In tab-order mode a click makes the edit the first for Tab; Escape ends the mode, which
    // leaves the form selected, whose own properties the list shows.
    Menu(CommandTabOrder), Click(150, 90), Key(VK_ESCAPE);
    Edit("Caption", "Every class"), Edit("Shortcuts", "ctrl+s=101, F5=102");
    Edit("Font", "Tahoma, 9"), Menu(CommandApply);
    EXPECT_EQ(Saved(), ReadTestFile(EVERY_CLASS_FORM));
    // designer_generated_code builds this C++ and compares its form with the same file; the
    // form's own outer size, which gives the surface's client area, is only seen here.
    const std::string user = GENERATED_DIR "/DesignedForm.cpp";
    DeleteFileA(user.c_str()), DeleteFileA(GENERATED_DIR "/DesignedForm.h");
    ASSERT_TRUE(Command("generate " GENERATED_DIR));
    const std::string form = "#include \"DesignedFormDesign.h\"\n\nDesignedFormDesign::"
                             "DesignedFormDesign() {\n    SetName(\"DesignedForm\");\n"
                             "    SetText(\"Every class\");\n    SetBounds(0, 0, 564, 423);\n";
    EXPECT_EQ(ReadTestFile(GENERATED_DIR "/DesignedFormDesign.cpp").substr(0, form.size()), form);
    EXPECT_EQ(ReadTestFile(user), "#include \"DesignedForm.h\"\n\nvoid DesignedForm::Button1Click("
                                  "QFrame* /*Sender*/) {\n}\n");
    // The user's handler, which designer_generated_code sees run; a handler wired later leaves
    // the user's files as they are and has a default that does nothing.
    const std::string handled = "#include \"DesignedForm.h\"\n\n#include <cstdio>\n\nvoid "
                                "DesignedForm::Button1Click(QFrame* Sender) {\n    std::printf("
                                "\"Button1Click from %s\\n\", Sender->Name().c_str());\n}\n";
    WriteTestFile(user, handled);
    Click(150, 90);
    PostMessageA(Row("OnDblClick"), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
    ASSERT_TRUE(Command("generate " GENERATED_DIR));
    EXPECT_EQ(ReadTestFile(user), handled);
    EXPECT_NE(ReadTestFile(GENERATED_DIR "/DesignedFormDesign.h")
                  .find("    virtual void Edit1DblClick(QFrame* /*Sender*/) {}\n"),
              std::string::npos);
    EXPECT_EQ(ReadTestFile(Log), "(no such file)"); // nothing went wrong
    Saved();
    Menu(CommandExit);
    EXPECT_EQ(WaitForSingleObject(Designer.hProcess, 20000), WAIT_OBJECT_0);
}

// A bad value typed into a row of the property list (the button's, with its text changed too),
// a damaged form file to open ("") or a text command that fails ("-"): each is refused with its
// message and changes nothing.
TEST_F(DesignerTest, BadValuesAndDamagedFilesAreRefusedWithAMessageAndChangeNothing) {
    const std::string path = GENERATED_DIR "/damaged.vform",
                      opening = "\"" + path + "\" was not opened, ",
                      none = GENERATED_DIR "/no/such";
    const std::tuple<std::string, std::string, std::string> rows[] = {
        {"Left", "ten", "Left: \"ten\" is not a whole number from -32768 to 32767."},
        {"Top", "-", "Top: \"-\" is not a whole number from -32768 to 32767."},
        {"Top", "-a1", "Top: \"-a1\" is not a whole number from -32768 to 32767."},
        {"Width", "-1", "Width: \"-1\" is not a whole number from 0 to 32767."},
        {"Height", "00000001", "Height: \"00000001\" is not a whole number from 0 to 32767."},
        {"Style", "G", "Style: \"G\" is not a hexadecimal number of at most 8 digits."},
        {"ExStyle", "0x123456789",
         "ExStyle: \"0x123456789\" is not a hexadecimal number of at most 8 digits."},
        {"ID", "65536", "ID: \"65536\" is not a whole number from 0 to 65535."},
        {"Name", "Input", "Name: another component is called \"Input\"."},
        {"Name", "9a", "Name: \"9a\" is not a C++ name."},
        {"OnClick", "9a", "OnClick: \"9a\" is not a C++ name."},
        // Names the generated C++ could not declare: keywords, reserved ones, its own.
        {"Name", "new", "Name: \"new\" is not a C++ name."},
        {"Name", "a__b", "Name: \"a__b\" is not a C++ name."},
        {"Name", "FormOf", "Name: \"FormOf\" is not a C++ name."},
        {"OnClick", "delete", "OnClick: \"delete\" is not a C++ name."},
        // Macros of the headers the generated C++ includes, which no qualification escapes.
        {"Name", "TRUE", "Name: \"TRUE\" is not a C++ name."},
        {"Name", "CreateWindow", "Name: \"CreateWindow\" is not a C++ name."},
        {"OnClick", "RGB", "OnClick: \"RGB\" is not a C++ name."},
        // The types of the events' parameters.
        {"Name", "uint16_t", "Name: \"uint16_t\" is not a C++ name."},
        {"Font", "Tahoma,0",
         "Font: \"Tahoma,0\" is not a font such as Tahoma,8,Bold (a face, a size in points from 1 "
         "to 1000, then any of Bold, Italic, Underline, StrikeOut), or empty for the holder's."},
        {"OnMouseDown", "Input",
         "Events: the handler \"Input\" of Ok.OnMouseDown is named like a component."},
        {"", "Velmora form 3\r\n",
         "line 1: not a Velmora form file (\"Velmora form 1\" or \"Velmora form 2\" expected)"},
        {"", "Velmora form 1\r\n", "line 2: the core.dll version line is missing"},
        {"", Small1 + "QForm|F|x|0|0|10|10|0|0|1\r\n",
         "line 5: the library has no class \"QForm\""},
        {"", Small1 + "QLabel|Ok|x|0|0|10|10|0|0|1\r\n", "line 5: the name \"Ok\" is used twice"},
        {"", Small1 + "QLabel|L|a\\tb|0|0|10|10|0|0|1\r\n",
         "line 5: a \\ that starts no known escape"},
        {"", Small1 + "QLabel|L|x|0|0|10|10|0|0\r\n", "line 5: 9 fields where 10 belong"},
        {"", Small1 + "QLabel|a-b|x|0|0|10|10|0|0|1\r\n", "line 5: \"a-b\" is not a name"},
        {"", Small1 + "QLabel|L|x|0|0|10|10|0|G|1\r\n", "line 5: bad ExStyle \"G\""},
        {"", Small1 + "QLabel|L|x|32768|0|10|10|0|0|1\r\n", "line 5: bad Left \"32768\""},
        {"", Small1 + "QLabel|L|x|0|0|10|10|0|0|65536\r\n", "line 5: bad ID \"65536\""},
        {"", Small + "QLabel L Colour=red\r\n", "line 5: no property is called \"Colour\""},
        {"", Small + "QLabel L Text=\"x\r\n", "line 5: the value of Text has no closing quote"},
        {"", Small + "QLabel L Text=\"x\"Left=1\r\n", "line 5: no space after the value of Text"},
        {"", Small + "QLabel L Text=\"a\\tb\"\r\n", "line 5: a \\ that starts no known escape"},
        {"", Small + "QLabel L Left=1 Left=2\r\n", "line 5: Left is given twice"},
        {"", Small + "QLabel L Left\r\n", "line 5: \"Left\" is not Name=Value"},
        {"", Small + "QLabel L Top=5x\r\n", "line 5: bad Top \"5x\""},
        {"", Small + "QLabel L Align=alMiddle\r\n", "line 5: bad Align \"alMiddle\""},
        {"", Small + "QLabel\r\n", "line 5: no name after the class"},
        {"", Small + "QPanel P Color=red\r\n", "line 5: bad Color \"red\""},
        {"", Small + "QPanel P BorderStyle=bsThick\r\n", "line 5: bad BorderStyle \"bsThick\""},
        {"", Small + "QPanel P Anchors=akLeft|akMiddle\r\n",
         "line 5: bad Anchors \"akLeft|akMiddle\""},
        {"", Small + "QPanel P Anchors=\"akLeft|\"\r\n", "line 5: bad Anchors \"akLeft|\""},
        {"", Header + "Form F Anchors=akLeft\r\n", "line 3: no property is called \"Anchors\""},
        {"", Small + "QButton B OnClick=a-b\r\n", "line 5: bad OnClick \"a-b\""},
        {"", Small + "QButton B OnClose=Shut\r\n", "line 5: no property is called \"OnClose\""},
        {"", Small + "QLabel L Items=\"a\"\r\n", "line 5: no property is called \"Items\""},
        {"", Header + "Form F Left=5\r\n", "line 3: the form has no Left"},
        {"", Header + "Form 9F\r\n", "line 3: \"9F\" is not a name"},
        {"", Header + "Form class\r\n", "line 3: \"class\" is not a name"},
        {"", Small + "QLabel _Tag\r\n", "line 5: \"_Tag\" is not a name"},
        {"", Small + "QButton B OnClick=Self\r\n", "line 5: bad OnClick \"Self\""},
        {"", Small + "QLabel IDOK\r\n", "line 5: \"IDOK\" is not a name"},
        {"", Small + "QButton B OnClick=NULL\r\n", "line 5: bad OnClick \"NULL\""},
        {"", Small + "QLabel DesignedFormDesign\r\n",
         "line 5: the name \"DesignedFormDesign\" is used twice"},
        {"", Small + "QLabel L Parent=a-b\r\n", "line 5: \"a-b\" is not a name"},
        {"", Small + "QLabel L FocusControl=a-b\r\n", "line 5: \"a-b\" is not a name"},
        {"", Small + "QLabel L FocusControl=Nobody\r\n",
         "line 5: FocusControl names no component \"Nobody\""},
        {"", Small + "QButton B FocusControl=Ok\r\n",
         "line 5: no property is called \"FocusControl\""},
        {"", Header + "Form F Shortcuts=\"Ctrl+S=1,ctrl+s=2\"\r\n",
         "line 3: bad Shortcuts \"Ctrl+S=1,ctrl+s=2\""},
        {"", Small + "QButton B Shortcuts=F5=1\r\n", "line 5: no property is called \"Shortcuts\""},
        {"", Small + "QButton B Font=\"Tahoma,8,Bold,bold\"\r\n",
         "line 5: bad Font \"Tahoma,8,Bold,bold\""},
        {"", Small + "QLabel L Parent=Nobody\r\n",
         "line 5: the parent \"Nobody\" is no component of the form"},
        {"", Small + "QLabel L Parent=Ok\r\n", "line 5: \"Ok\" (QButton) holds no components"},
        {"", Small + "QPanel A Parent=C\r\nQPanel B Parent=A\r\nQPanel C Parent=B\r\n",
         "line 5: the parents of \"A\" lead back to it"},
        {"-", "open " + none, "Can't read \"" + none + "\"."},
        {"-", "save " + none, "Can't write \"" + none + "\"."},
        {"-", "generate " + none, "Can't write the C++ files in \"" + none + "\"."},
        {"-", "colour", "Unknown command \"colour\"."},
    };
    EXPECT_FALSE(Command("new", DesignerTextCommand + 1)); // another program's data
    // Notifications carry addresses: forged ones, posted or sent from here, are never read.
    PostMessageA(Main, WM_NOTIFY, 0, 0x10);
    SendMessageTimeoutA(Main, WM_NOTIFY, 0, 0x10, SMTO_ABORTIFHUNG, 5000, nullptr);
    std::string log;
    for (const auto& [row, value, message] : rows) {
        if (row.size() > 1) {
            Drag(40, 25, 40, 25); // selects the button, which shows its values again
            Edit("Text", "changed");
            Edit(row, value.c_str());
            PostMessageA(Main, WM_COMMAND, CommandApply, 0);
            log += message + " Nothing was changed.\r\n";
        } else if (row.empty()) {
            WriteTestFile(path, value);
            EXPECT_FALSE(Command("open " + path)) << message;
            log += opening + message + ".\r\n";
        } else {
            EXPECT_FALSE(Command(value)) << message;
            log += message + "\r\n";
        }
        EXPECT_EQ(Saved(), Small) << message;
    }
    EXPECT_EQ(ReadTestFile(Log), log);
    DeleteFileA(Log.c_str());
    // Bounds and identifier at their lower limits are no damage; a property left out has the
    // value a newly placed component of its class gets (the group box's styles and size).
    const std::string limits = Header + "QButton Ok Text=\"\" Left=-32768 Top=-32768 Width=0 "
                                        "Height=0 Style=56010000 ExStyle=00000000 ID=0\r\n"
                                        "QGroupBox G Text=\"\" Left=0 Top=0 Width=221 Height=51 "
                                        "Style=56000007 ExStyle=00000020 ID=0\r\n";
    ASSERT_TRUE(
        Command("open " + WriteTestFile(path, Header + "QButton Ok Left=-32768 "
                                                       "Top=-32768 Width=0 Height=0 "
                                                       "Style=56010000 ID=0\r\nQGroupBox G\r\n")));
    EXPECT_EQ(Saved(), limits);
    // Lists keep their items, whatever they are: one empty item, several, quotes and commas.
    const std::string list = " Text=\"\" Left=0 Top=0 Width=120 Height=60 Style=56010140 "
                             "ExStyle=00000200 ID=1 Items=",
                      lists = Header + "QListBox A" + list + "\"\"\r\nQListBox B" + list +
                              "\"\\n\\n\"\r\nQListBox C" + list + "\"say \\\"a, b\\\"\\n,\\n\"\r\n";
    ASSERT_TRUE(Command("open " + WriteTestFile(path, lists)));
    EXPECT_EQ(Saved(), lists);
    // A line feed typed alone starts an item too, as the file would read it.
    Drag(5, 5, 5, 5), Edit("Items", "a\nb"), PostMessageA(Main, WM_COMMAND, CommandApply, 0);
    Sync();
    EXPECT_EQ(SendMessageA(FindWindowExA(Surface, nullptr, "QListBox", nullptr), LB_GETCOUNT, 0, 0),
              2);
    // First-version files open as they were: the old example has its fifteen components. The
    // example form saves as it is written.
    ASSERT_TRUE(Command("open " + WriteTestFile(path, Small1)));
    EXPECT_EQ(Saved(), Small);
    ASSERT_TRUE(Command("open " EXAMPLE_V1_FORM));
    std::string example = Saved();
    EXPECT_EQ(std::count(example.begin(), example.end(), '\n'), 2 + 15);
    // The example forms save as they are written, and the example programs hold what Generate
    // makes of them.
    CreateDirectoryA(GENERATED_DIR "/example", nullptr);
    for (auto [form, folder, name] :
         {std::tuple{EXAMPLE_FORM, DESIGNED_EXAMPLE, "/CustomerForm"},
          {DIALOG_EXAMPLE "/NameDialog.vform", DIALOG_EXAMPLE, "/NameDialog"}}) {
        ASSERT_TRUE(Command(std::string("open ") + form));
        EXPECT_EQ(Saved(), ReadTestFile(form));
        ASSERT_TRUE(Command("generate " GENERATED_DIR "/example"));
        for (const char* file : {"Design.h", "Design.cpp"})
            EXPECT_EQ(ReadTestFile(GENERATED_DIR "/example" + (name + std::string(file))),
                      ReadTestFile(folder + (name + std::string(file))))
                << name << file;
    }
    // Components and handlers named like what the generated class uses from the library (its
    // types, enumerators and the form's own members) generate C++ that designer_generated_code
    // compiles.
    DeleteFileA(GENERATED_DIR "/Tricky.h"), DeleteFileA(GENERATED_DIR "/Tricky.cpp");
    ASSERT_TRUE(Command(
        "open " +
        WriteTestFile(
            path, Header + "Form Tricky Color=00FF0000 FormStyle=fsStayOnTop OnClose=OnClose\r\n"
                           "QPanel Canvas BorderStyle=bsRaised Color=0000FF00\r\n"
                           "QButton QButton Parent=Canvas OnClick=SetFormStyle\r\n"
                           "QLabel bsRaised OnDblClick=QLabel\r\nQButton fsStayOnTop\r\n"
                           "QListBox Sender Items=\"a\"\r\nQLabel form\r\nQLabel OnClick\r\n"
                           "QLabel QPanel\r\nQLabel min OnClick=max\r\n")));
    ASSERT_TRUE(Command("generate " GENERATED_DIR));
    // One handler name for events of other parameters is refused when generating.
    ASSERT_TRUE(Command("open " + WriteTestFile(path, Small + "QButton B OnClick=Shared "
                                                              "OnMouseDown=Shared\r\n")));
    EXPECT_FALSE(Command("generate " GENERATED_DIR "/example"));
}

// Each row starts from the fixture's form with the button (10, 10, 75 x 35) selected; what it
// does shows in the palette and in the property list.
TEST_F(DesignerTest, HandlesKeysToolsAndTypedValuesChangeTheSelectionSo) {
    struct Step {
        void (*Do)();
        const char* Shown;
    };
    const Step steps[] = {
        // The eight handles, each grabbed at its centre or at the edge of its grace pixel.
        {[] { Drag(14, 14, 11, 12); }, "7 8 78 37 56010000 00000000 1001"},
        {[] { Drag(47, 10, 50, 14); }, "10 14 75 31 56010000 00000000 1001"},
        {[] { Drag(85, 10, 90, 5); }, "10 5 80 40 56010000 00000000 1001"},
        {[] { Drag(85, 27, 80, 30); }, "10 10 70 35 56010000 00000000 1001"},
        {[] { Drag(85, 45, 95, 51); }, "10 10 85 41 56010000 00000000 1001"},
        {[] { Drag(47, 45, 40, 40); }, "10 10 75 30 56010000 00000000 1001"},
        {[] { Drag(10, 45, 12, 50); }, "12 10 73 40 56010000 00000000 1001"},
        {[] { Drag(6, 27, 1, 20); }, "5 10 80 35 56010000 00000000 1001"},
        // Past the opposite corner a size stays 1, from the handles and from Shift+arrows.
        {[] { Drag(10, 10, 200, 200); }, "84 44 1 1 56010000 00000000 1001"},
        {[] { Drag(85, 45, 0, 0), Key(VK_LEFT, true), Key(VK_UP, true); },
         "10 10 1 1 56010000 00000000 1001"},
        {[] { Drag(40, 25, 47, 30); }, "17 15 75 35 56010000 00000000 1001"},
        {[] { Drag(40, 25, 42, 26); }, "10 10 75 35 56010000 00000000 1001"}, // within a click
        // A change of the model or the selection while the button is down ends the drag: the
        // mouse moves and comes up over what is left without changing it.
        {[] { Drag(85, 45, 95, 51, Surface, [] { Key(VK_DELETE); }); }, "- - 556 396 - - -"},
        {[] { Drag(85, 45, 95, 51, Surface, [] { Command("new"); }); }, "- - 556 396 - - -"},
        {[] { Drag(85, 27, 90, 30, Surface, [] { Menu(CommandCut); }); }, "- - 556 396 - - -"},
        {[] { Key(VK_RIGHT), Drag(40, 25, 47, 30, Surface, [] { Menu(CommandUndo); }); },
         "10 10 75 35 56010000 00000000 1001"},
        {[] {
             Drag(40, 25, 47, 30, Surface, [] { Menu(CommandSelectAll); });
             Key(VK_ESCAPE), Click(20, 70);
         },
         "10 60 121 21 56010080 00000200 1002"},
        // An undo that takes the primary of several out leaves the rest selected, the next
        // primary, which centring in the holder takes as such.
        {[] {
             Tool(3), Click(200, 200), Holding({VK_SHIFT}, [] { Click(40, 25); });
             Menu(CommandUndo), Menu(CommandCentreAcross);
         },
         "240 10 75 35 56010000 00000000 1001"},
        {[] { Key(VK_LEFT), Key(VK_UP), Key(VK_UP); }, "9 8 75 35 56010000 00000000 1001"},
        {[] { Key(VK_RIGHT), Key(VK_DOWN), Key(VK_DOWN); }, "11 12 75 35 56010000 00000000 1001"},
        {[] { Key(VK_LEFT, true), Key(VK_UP, true), Key(VK_UP, true); },
         "10 10 74 33 56010000 00000000 1001"},
        {[] { Key(VK_RIGHT, true), Key(VK_DOWN, true), Key(VK_DOWN, true); },
         "10 10 76 37 56010000 00000000 1001"},
        // Non-client mouse messages of a placed control (screen coordinates) are the surface's.
        {[] { Drag(15, 62, 25, 72, GetDlgItem(Surface, 1002)); },
         "20 70 121 21 56010080 00000200 1002"},
        // A tool stays chosen until used, chosen again, or Escape; a drag under 4 pixels wide
        // or high places the default size, which is cut to the room left, down to 16.
        {[] { Tool(4), Tool(6); }, "[6] 10 10 75 35 56010000 00000000 1001"},
        {[] { Tool(4), Tool(4), Click(300, 300); }, "- - 556 396 - - -"},
        {[] { Tool(3), Key(VK_ESCAPE), Click(300, 300); }, "- - 556 396 - - -"},
        {[] { Tool(17), Click(300, 300); }, "- - 556 396 - - -"},
        {[] { Tool(3), Drag(200, 200, 203, 250); }, "200 200 115 18 56000100 00000000 1003"},
        {[] { Tool(3), Drag(200, 200, 250, 203); }, "200 200 115 18 56000100 00000000 1003"},
        {[] { Tool(3), Drag(204, 204, 200, 200); }, "200 200 4 4 56000100 00000000 1003"},
        {[] { Tool(3), Click(550, 390); }, "550 390 16 16 56000100 00000000 1003"},
        // Typed values at their limits, hexadecimal ones with 0x or 0X; a window without a
        // component (the hosted editor made by name) takes its styles too.
        {[] {
             Edit("Left", "-32768"), Edit("Top", "32767"), Edit("Width", "0");
             Edit("Height", "0000001"), Edit("Style", "0x56010001"), Edit("ExStyle", "0X0");
             Edit("ID", "0"), Menu(CommandApply);
         },
         "-32768 32767 0 1 56010001 00000000 0"},
        // A nudge or a duplicate stops at the most a form file holds.
        {[] { Edit("Left", "32767"), Menu(CommandApply), Key(VK_RIGHT); },
         "32767 10 75 35 56010000 00000000 1001"},
        {[] {
             Edit("Top", "32767"), Edit("Width", "32767"), Menu(CommandApply);
             Key(VK_RIGHT, true), Menu(CommandDuplicate);
         },
         "18 32767 32767 35 56010000 00000000 1003"},
        {[] {
             Tool(14), Click(300, 200), Edit("Style", "56000000"), Edit("ExStyle", "200");
             Menu(CommandApply);
         },
         "300 200 150 80 56000000 00000200 1003"},
    };
    for (const Step& step : steps) {
        PostMessageA(Surface, WM_KEYDOWN, VK_ESCAPE, 1); // no tool left chosen
        ASSERT_TRUE(Command("open " + Kept));
        Click(40, 25);
        step.Do();
        EXPECT_EQ(Shown(), step.Shown) << "row " << &step - steps;
    }
    // The last press took the focus to the surface, its release gave back the mouse.
    EXPECT_TRUE(GetFocus() == Surface && !GetCapture());
}

// The components a holder holds, one line each as the file has them: "Name Parent Left,Top",
// with Sizes followed by "WidthxHeight".
std::string Nesting(const std::string& File, bool Sizes = false) {
    std::string shown;
    for (size_t at = File.find("\r\nQ"); at != std::string::npos; at = File.find("\r\nQ", at + 2)) {
        // With "Name=" before the component's name, that is one value like the others.
        std::string line = File.substr(at + 2, File.find("\r\n", at + 2) - at - 2) + " ";
        line.insert(line.find(' ') + 1, "Name=");
        auto value = [&](const std::string& Name) {
            size_t from = line.find(" " + Name + "=");
            if (from == std::string::npos) return std::string("-");
            from += Name.size() + 2;
            return line.substr(from, line.find(' ', from) - from);
        };
        shown += value("Name") + " " + value("Parent") + " " + value("Left") + "," + value("Top") +
                 (Sizes ? " " + value("Width") + "x" + value("Height") : "") + "; ";
    }
    return shown;
}

// The object tree from Item on, each item as the name it selects when clicked, what it holds
// in brackets after it (square ones while it is collapsed); Names gets each item's name.
std::string TreeShown(std::map<LPARAM, std::string>& Names, LPARAM Item = 0) {
    HWND tree = GetDlgItem(Main, ObjectTreeId);
    std::string shown;
    if (!Item) Item = SendMessageA(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0);
    for (; Item; Item = SendMessageA(tree, TVM_GETNEXTITEM, TVGN_NEXT, Item)) {
        PostMessageA(tree, TVM_SELECTITEM, TVGN_CARET, Item);
        shown += (shown.empty() ? "" : " ") + (Names[Item] = Edit("Name"));
        bool open = SendMessageA(tree, TVM_GETITEMSTATE, Item, TVIS_EXPANDED) & TVIS_EXPANDED;
        if (LPARAM child = SendMessageA(tree, TVM_GETNEXTITEM, TVGN_CHILD, Item))
            shown += (open ? " (" : " [") + TreeShown(Names, child) + (open ? ")" : "]");
    }
    return shown;
}

// Three buttons on the form and a panel holding two more.
const std::string Many = Header + "QButton A Left=10 Top=10 Width=75 Height=35\r\n"
                                  "QButton B Left=120 Top=30 Width=60 Height=25\r\n"
                                  "QButton C Left=250 Top=20 Width=90 Height=40\r\n"
                                  "QPanel P Left=10 Top=150 Width=300 Height=150\r\n"
                                  "QButton D Parent=P Left=10 Top=10 Width=50 Height=20\r\n"
                                  "QButton E Parent=P Left=100 Top=50 Width=50 Height=20\r\n";

// Clicks the Format tool bar's button of Command, found by moving the mouse along the bar until
// the bar shows that button hot.
void PressFormatButton(int Command) {
    // The presses are sent, so they would overtake commands still posted (an Undo).
    Sync();
    HWND bar = FindWindowExA(FindWindowExA(Main, nullptr, TOOLBARCLASSNAMEA, nullptr), nullptr,
                             TOOLBARCLASSNAMEA, nullptr);
    LRESULT index = SendMessageA(bar, TB_COMMANDTOINDEX, Command, 0);
    int y = HIWORD(SendMessageA(bar, TB_GETBUTTONSIZE, 0, 0)) / 2;
    for (int x = 0; x < 1000; x += 4) {
        SendMessageA(bar, WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
        if (SendMessageA(bar, TB_GETHOTITEM, 0, 0) != index) continue;
        SendMessageA(bar, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
        SendMessageA(bar, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
        return;
    }
    ADD_FAILURE() << "no button of " << Command;
}

// Components placed or dropped inside a panel or a group box are theirs: their windows are
// child windows of the holder's, they move and go with it, and Esc selects the holder. Then each
// row selects some of Many's components with clicks (with Shift or Ctrl), bands and Ctrl+A; one
// key then acts on all it selected. Then each Format command on A, B and C (A the primary) is one
// step of undo.
TEST_F(DesignerTest, ComponentsInsideHoldersAreTheirChildrenAndSeveralSelectedActTogether) {
    struct Step {
        void (*Do)();
        const char* Nesting;
    };
    const Step steps[] = {
        {[] { Tool(0), Drag(200, 100, 400, 250); },
         "Ok - 10,10; Input - 10,60; Panel1 - 200,100; "},
        {[] { Tool(4), Click(220, 120); },
         "Ok - 10,10; Input - 10,60; Panel1 - 200,100; Button1 Panel1 20,20; "},
        {[] { Tool(11), Drag(230, 170, 390, 240); },
         "Ok - 10,10; Input - 10,60; Panel1 - 200,100; Button1 Panel1 20,20; GroupBox1 Panel1 "
         "30,70; "},
        // Dropped into the group box, the edit comes after it in creation order.
        {[] { Drag(20, 65, 260, 200); },
         "Ok - 10,10; Panel1 - 200,100; Button1 Panel1 20,20; GroupBox1 Panel1 30,70; Input "
         "GroupBox1 20,25; "},
        // Moving the panel by its empty part leaves what it holds where it is in it.
        {[] { Drag(390, 110, 400, 115); },
         "Ok - 10,10; Panel1 - 210,105; Button1 Panel1 20,20; GroupBox1 Panel1 30,70; Input "
         "GroupBox1 20,25; "},
        // Out to the form.
        {[] { Drag(235, 130, 455, 30); },
         "Ok - 10,10; Panel1 - 210,105; GroupBox1 Panel1 30,70; Input GroupBox1 20,25; Button1 - "
         "450,25; "},
    };
    for (const Step& step : steps) {
        step.Do();
        EXPECT_EQ(Nesting(Saved(Snapshot)), step.Nesting) << "step " << &step - steps;
    }
    // The object tree shows the nesting, selects what is clicked in it and follows the surface.
    std::map<LPARAM, std::string> items;
    EXPECT_EQ(TreeShown(items), "Ok Panel1 (GroupBox1 (Input)) Button1");
    Click(20, 20);
    Sync();
    HWND tree = GetDlgItem(Main, ObjectTreeId);
    EXPECT_EQ(items[SendMessageA(tree, TVM_GETNEXTITEM, TVGN_CARET, 0)], "Ok");
    HWND panel = GetDlgItem(Surface, 1003), group = GetDlgItem(panel, 1005),
         input = GetDlgItem(group, 1002);
    RECT r;
    GetWindowRect(input, &r);
    POINT origin{};
    ClientToScreen(Surface, &origin);
    EXPECT_TRUE(input && r.left - origin.x == 260 && r.top - origin.y == 200);
    // Esc selects the holder, then the form; deleting the panel takes what it holds.
    Click(265, 205);
    PostMessageA(Surface, WM_KEYDOWN, VK_ESCAPE, 1);
    EXPECT_EQ(Edit("Name"), "GroupBox1");
    PostMessageA(Surface, WM_KEYDOWN, VK_ESCAPE, 1);
    PostMessageA(Surface, WM_KEYDOWN, VK_DELETE, 1);
    EXPECT_EQ(Nesting(Saved(Snapshot)), "Ok - 10,10; Button1 - 450,25; ");
    EXPECT_FALSE(IsWindow(panel) || IsWindow(input));
    // A file may name a holder after what it holds, and opens with the holder first.
    ASSERT_TRUE(Command("open " + WriteTestFile(Snapshot, Header + "QButton B Parent=P\r\n"
                                                                   "QPanel P Left=5\r\n")));
    EXPECT_EQ(Nesting(Saved(Snapshot)), "P - 5,0; B P 0,0; ");
    EXPECT_EQ(TreeShown(items), "P (B)");
    // Aligned children are where the library puts them, and follow their holder's size.
    ASSERT_TRUE(
        Command("open " + WriteTestFile(Snapshot, Header + "QPanel P Left=5 Top=5 Width=200 "
                                                           "Height=100\r\nQButton A Parent=P "
                                                           "Height=20 Align=alTop\r\nQButton B "
                                                           "Parent=P Width=50 Align=alRight\r\n")));
    EXPECT_EQ(Nesting(Saved(Snapshot)), "P - 5,5; A P 0,0; B P 150,20; ");
    Click(10, 60);
    Edit("Width", "300");
    Menu(CommandApply);
    EXPECT_EQ(Nesting(Saved(Snapshot)), "P - 5,5; A P 0,0; B P 250,20; ");
    ASSERT_TRUE(Command("open " + WriteTestFile(Kept, Many)));
    const std::string many = Saved(Snapshot);
    struct Row {
        void (*Select)();
        WPARAM Key;
        const char* Nesting;
    };
    const Row rows[] = {
        {[] { Click(47, 27), Holding({VK_SHIFT}, [] { Click(295, 40); }); }, VK_RIGHT,
         "A - 11,10; B - 120,30; C - 251,20; P - 10,150; D P 10,10; E P 100,50; "},
        // Ctrl+click takes the primary out again; B is left.
        {[] {
             Click(47, 27), Holding({VK_SHIFT}, [] { Click(150, 42); });
             Holding({VK_CONTROL}, [] { Click(47, 27); });
         },
         VK_RIGHT, "A - 10,10; B - 121,30; C - 250,20; P - 10,150; D P 10,10; E P 100,50; "},
        // A band on the form touches the form's own components only.
        {[] { Drag(100, 5, 260, 50); }, VK_RIGHT,
         "A - 10,10; B - 121,30; C - 251,20; P - 10,150; D P 10,10; E P 100,50; "},
        {[] { Drag(5, 140, 200, 390); }, VK_RIGHT,
         "A - 10,10; B - 120,30; C - 250,20; P - 11,150; D P 10,10; E P 100,50; "},
        // With Ctrl a band in the panel takes its children; a Ctrl+click there takes the panel.
        {[] { Holding({VK_CONTROL}, [] { Drag(250, 280, 15, 155); }); }, VK_RIGHT,
         "A - 10,10; B - 120,30; C - 250,20; P - 10,150; D P 11,10; E P 101,50; "},
        {[] { Click(47, 27), Holding({VK_CONTROL}, [] { Click(250, 280); }); }, VK_RIGHT,
         "A - 11,10; B - 120,30; C - 250,20; P - 11,150; D P 10,10; E P 100,50; "},
        // A click in another holder starts again; Ctrl+A takes the holder's children.
        {[] { Click(47, 27), Holding({VK_SHIFT}, [] { Click(40, 170); }); }, VK_RIGHT,
         "A - 10,10; B - 120,30; C - 250,20; P - 10,150; D P 11,10; E P 100,50; "},
        {[] { Click(40, 170), Key('A', false, true); }, VK_DELETE,
         "A - 10,10; B - 120,30; C - 250,20; P - 10,150; "},
        // Dragged together into the panel they stay on the form.
        {[] { Drag(100, 5, 260, 50), Drag(150, 42, 150, 202); }, VK_ESCAPE,
         "A - 10,10; B - 120,190; C - 250,180; P - 10,150; D P 10,10; E P 100,50; "},
    };
    for (const Row& row : rows) {
        ASSERT_TRUE(Command("open " + Kept));
        row.Select();
        Key(row.Key);
        EXPECT_EQ(Nesting(Saved(Snapshot)), row.Nesting) << "row " << &row - rows;
    }
    // Ctrl and the arrow keys align too; the others come from the tool bar.
    const std::tuple<int, WPARAM, const char*> formats[] = {
        {CommandAlignLefts, VK_LEFT, "A - 10,10 75x35; B - 10,30 60x25; C - 10,20 90x40; "},
        {CommandAlignRights, VK_RIGHT, "A - 10,10 75x35; B - 25,30 60x25; C - -5,20 90x40; "},
        {CommandAlignTops, VK_UP, "A - 10,10 75x35; B - 120,10 60x25; C - 250,10 90x40; "},
        {CommandAlignBottoms, VK_DOWN, "A - 10,10 75x35; B - 120,20 60x25; C - 250,5 90x40; "},
        {CommandAlignCentres, 0, "A - 10,10 75x35; B - 17,30 60x25; C - 3,20 90x40; "},
        {CommandAlignMiddles, 0, "A - 10,10 75x35; B - 120,15 60x25; C - 250,8 90x40; "},
        {CommandSameWidth, 0, "A - 10,10 75x35; B - 120,30 75x25; C - 250,20 75x40; "},
        {CommandSameHeight, 0, "A - 10,10 75x35; B - 120,30 60x35; C - 250,20 90x35; "},
        {CommandSameSize, 0, "A - 10,10 75x35; B - 120,30 75x35; C - 250,20 75x35; "},
        {CommandSpaceAcross, 0, "A - 10,10 75x35; B - 137,30 60x25; C - 250,20 90x40; "},
        {CommandSpaceDown, 0, "A - 10,10 75x35; B - 120,30 60x25; C - 250,18 90x40; "},
        {CommandCentreAcross, 0, "A - 113,10 75x35; B - 223,30 60x25; C - 353,20 90x40; "},
        {CommandCentreDown, 0, "A - 10,173 75x35; B - 120,193 60x25; C - 250,183 90x40; "},
    };
    // Undone, each leaves the three selected for the next.
    ASSERT_TRUE(Command("open " + Kept));
    Click(47, 27);
    Holding({VK_SHIFT}, [] { Click(150, 42), Click(295, 40); });
    // In the object tree Ctrl and the arrow keys are the tree's.
    Holding({VK_CONTROL}, [] {
        PostMessageA(FindWindowExA(Main, nullptr, WC_TREEVIEWA, nullptr), WM_KEYDOWN, VK_LEFT, 1);
    });
    EXPECT_EQ(Saved(Snapshot), many);
    for (const auto& [command, key, moved] : formats) {
        if (key)
            Key(key, false, true);
        else
            PressFormatButton(command);
        EXPECT_EQ(Nesting(Saved(Snapshot), true),
                  moved + std::string("P - 10,150 300x150; D P 10,10 50x20; E P 100,50 50x20; "))
            << command;
        Menu(CommandUndo);
    }
    // The property list shows what the three share, a blank where they differ, and no name or
    // identifier; only the rows changed are written, to each of them.
    EXPECT_EQ(Shown(), "    56000000 00000000 ");
    EXPECT_FALSE(IsWindowEnabled(::Row("Name")) || IsWindowEnabled(::Row("ID")));
    Edit("Height", "30");
    Menu(CommandApply);
    EXPECT_EQ(Nesting(Saved(Snapshot), true).substr(0, 53),
              "A - 10,10 75x30; B - 120,30 60x30; C - 250,20 90x30; ");
    // A button and a panel share neither's own rows; a flag they both have changes in both.
    Click(500, 350), Click(47, 27);
    Holding({VK_SHIFT}, [] { Click(250, 280); });
    EXPECT_EQ(Edit("Default") + Edit("BorderStyle") + Edit("Left"), "(no row)(no row)10");
    SendMessageA(::Row("Enabled"), BM_SETCHECK, BST_UNCHECKED, 0);
    Menu(CommandApply);
    EXPECT_EQ(Shown(), "10    5E000000  ");
}

// A panel holding a button with a click handler, and a button on the form.
// The designer as a person starts it: with the grid and the snapping kept from the last run.
class SnappingDesignerTest : public DesignerTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(Keep(8, 1));
        Start(Many, "", true);
    }
    // The grid and the snap lines a designer finds when it starts; false when they can't be set.
    static bool Keep(DWORD Grid, DWORD Lines) {
        return !RegSetKeyValueA(HKEY_CURRENT_USER, SettingsKey, "Grid", REG_DWORD, &Grid,
                                sizeof Grid) &&
               !RegSetKeyValueA(HKEY_CURRENT_USER, SettingsKey, "SnapLines", REG_DWORD, &Lines,
                                sizeof Lines);
    }
    static std::string Settings() {
        std::string kept;
        for (const char* value : {"Grid", "SnapLines"}) {
            DWORD number = 0, size = sizeof number;
            RegGetValueA(HKEY_CURRENT_USER, SettingsKey, value, RRF_RT_DWORD, nullptr, &number,
                         &size);
            kept += (kept.empty() ? "" : " ") + std::to_string(number);
        }
        return kept;
    }
    static constexpr const char* SettingsKey = "Software\\Velmora\\Designer";
};

// Presses at (X, Y) on the surface and moves to (ToX, ToY): then what the status bar says and
// how many snap lines show, before the release there.
std::string DragShowing(int X, int Y, int ToX, int ToY) {
    PostMessageA(Surface, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(X, Y));
    PostMessageA(Surface, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(ToX, ToY));
    Sync();
    char status[128] = "";
    SendMessageA(FindWindowExA(Main, nullptr, STATUSCLASSNAMEA, nullptr), WM_GETTEXT, sizeof status,
                 reinterpret_cast<LPARAM>(status));
    int lines = 0;
    for (HWND w = nullptr; (w = FindWindowExA(Surface, w, "VelmoraSnapLine", nullptr));)
        lines += IsWindowVisible(w);
    PostMessageA(Surface, WM_LBUTTONUP, 0, MAKELPARAM(ToX, ToY));
    return std::string(status) + ", " + std::to_string(lines) + " lines";
}

// The entry of component Name in a form's Nesting with sizes.
std::string Entry(const std::string& File, const std::string& Name) {
    std::string nesting = "; " + Nesting(File, true);
    size_t at = nesting.find("; " + Name + " ");
    return at == std::string::npos ? "(none)"
                                   : nesting.substr(at + 2, nesting.find(';', at + 2) - at - 2);
}

// Each row drags on Many's components (after a click selecting what it names) with keys held;
// the dragged component comes to rest on the grid of 8, on another's edge or a margin, or free
// with Alt. Then the Format menu's grid and snap lines are kept for the next run.
TEST_F(SnappingDesignerTest, DragsSnapToTheGridAndToOtherComponents) {
    struct Row {
        void (*Select)();
        int X, Y, ToX, ToY;
        BYTE Held;
        const char *During, *After; // After names the component it shows
    };
    const Row rows[] = {
        {nullptr, 30, 20, 51, 113, 0, "A  32, 104  75 x 35, 0 lines", "A - 32,104 75x35"},
        // A's left to B's, its top to the form's margin.
        {nullptr, 30, 20, 137, 20, 0, "A  120, 8  75 x 35, 2 lines", "A - 120,8 75x35"},
        {nullptr, 30, 20, 137, 23, VK_MENU, "A  117, 13  75 x 35, 0 lines", "A - 117,13 75x35"},
        // A click moves nothing; B's right handle then goes to C's left edge.
        {[] { Click(150, 42); }, 180, 42, 247, 44, 0, "B  120, 30  130 x 25, 1 lines",
         "B - 120,30 130x25"},
        // Drawn out with the button tool from a point on the grid to the grid.
        {[] { Tool(4); }, 203, 309, 290, 347, 0, "QButton  200, 312  88 x 32, 0 lines",
         "Button1 - 200,312 88x32"},
        // Inside the panel, on its grid; drawn there from its grid to its bottom margin.
        {nullptr, 30, 165, 34, 168, 0, "D  16, 16  50 x 20, 0 lines", "D P 16,16 50x20"},
        {[] { Tool(4); }, 215, 257, 291, 291, 0, "QButton  208, 104  72 x 38, 1 lines",
         "Button1 P 208,104 72x38"},
        // The form's components all move by what the primary snapped by.
        {[] { Key('A', false, true); }, 30, 20, 137, 20, 0, "A  120, 8  75 x 35, 1 lines",
         "B - 230,28 60x25"},
    };
    for (const Row& row : rows) {
        std::string name = row.After;
        name.resize(name.find(' '));
        SCOPED_TRACE(name + " " + row.During);
        ASSERT_TRUE(Command("open " + Kept));
        if (row.Select) row.Select();
        std::string during;
        Holding(row.Held ? std::vector<BYTE>{row.Held} : std::vector<BYTE>{},
                [&] { during = DragShowing(row.X, row.Y, row.ToX, row.ToY); });
        EXPECT_EQ(during, row.During);
        EXPECT_EQ(Entry(Saved(Snapshot), name), row.After);
    }
    ASSERT_TRUE(Command("open " + Kept));
    Menu(CommandGrid + 16);
    Menu(CommandSnapLines);
    Drag(30, 20, 137, 20);
    EXPECT_EQ(Entry(Saved(Snapshot), "A"), "A - 112,16 75x35");
    EXPECT_EQ(Settings(), "16 0");
}

const std::string Copied =
    Header + "QPanel P Left=10 Top=10 Width=300 Height=200 ID=1001\r\n"
             "QButton B Parent=P Left=5 Top=5 Width=50 Height=20 ID=1002 OnClick=BClick\r\n"
             "QButton C Left=400 Top=20 Width=60 Height=20 ID=1003\r\n";

// The identifiers, then the click handlers, of the file's components in its order.
std::string IdsAndClicks(const std::string& File) {
    std::string shown;
    for (std::string key : {" ID=", " OnClick="})
        for (size_t at = File.find(key); at != std::string::npos; at = File.find(key, at + 1))
            shown +=
                File.substr(at + key.size(), File.find_first_of(" \r", at + 1) - at - key.size()) +
                " ";
    return shown;
}

// The clipboard's plain text, as any program reads it.
std::string ClipboardText() {
    Sync();
    std::string text = "(no text)";
    if (!OpenClipboard(nullptr)) return "(no clipboard)";
    if (HANDLE data = GetClipboardData(CF_TEXT))
        text = static_cast<const char*>(GlobalLock(data)), GlobalUnlock(data);
    CloseClipboard();
    return text;
}

// Each row copies, cuts, pastes or duplicates with the keys and the menu, and is undone again;
// what was copied pastes in a second designer and an editor reads it as a form file.
TEST_F(DesignerTest, CopiedComponentsPasteWithWhatTheyHoldUnderNewNames) {
    ASSERT_TRUE(Command("open " + WriteTestFile(Kept, Copied)));
    const std::string start = Saved(Snapshot), kept = "P - 10,10; B P 5,5; C - 400,20; ";
    struct Case {
        const char* Name;
        void (*Do)();
        int Edits;
        std::string Nesting;
        const char* IdsAndClicks;
    };
    const Case rows[] = {
        {"panel to the form",
         [] { Click(200, 150), Key('C', false, true), Key(VK_ESCAPE), Key('V', false, true); }, 1,
         kept + "P1 - 18,18; B1 P1 5,5; ", "1001 1002 1003 1004 1005 BClick BClick "},
        // The pasted button is selected: the second paste goes beside it, not over it.
        {"button into the panel twice",
         [] {
             Click(430, 30), Menu(CommandCopy);
             Click(200, 150), Key('V', false, true), Key('V', false, true);
         },
         2, kept + "C1 P 408,28; C2 P 416,36; ", "1001 1002 1003 1004 1005 BClick "},
        {"duplicate", [] { Click(40, 25), Key('D', false, true); }, 1, kept + "B1 P 13,13; ",
         "1001 1002 1003 1004 BClick BClick "},
        // A copy named like the form's class, which names no component, is renamed too.
        {"under the form's class",
         [] {
             Click(40, 25), Key('C', false, true), Key(VK_DELETE), Edit("Name", "B");
             Menu(CommandApply), Key('V', false, true);
         },
         3, "P - 10,10; C - 400,20; B1 - 13,13; ", "1001 1003 1004 BClick "},
        // Nor is a copy named like a macro: "ctl1" is one.
        {"past a macro's name",
         [] { Click(430, 30), Edit("Name", "ctl"), Menu(CommandApply), Key('D', false, true); }, 2,
         "P - 10,10; B P 5,5; ctl - 400,20; ctl2 - 408,28; ", "1001 1002 1003 1004 BClick "},
        {"cut and paste", [] { Click(200, 150), Key('X', false, true), Menu(CommandPaste); }, 2,
         "C - 400,20; P - 18,18; B P 5,5; ", "1003 1004 1005 BClick "},
    };
    for (const Case& row : rows) {
        SCOPED_TRACE(row.Name);
        ASSERT_TRUE(Command("open " + Kept));
        row.Do();
        std::string pasted = Saved(Snapshot);
        EXPECT_EQ(Nesting(pasted), row.Nesting);
        EXPECT_EQ(IdsAndClicks(pasted), row.IdsAndClicks);
        for (int i = 0; i < row.Edits; ++i)
            Key('Z', false, true);
        EXPECT_EQ(Saved(Snapshot), start);
    }
    // Ctrl+C in a box of the property list copies its text, which pastes no components.
    Click(430, 30);
    SendMessageA(Row("Name"), EM_SETSEL, 0, -1);
    Holding({VK_CONTROL}, [] { PostMessageA(Row("Name"), WM_KEYDOWN, 'C', 1); });
    EXPECT_EQ(ClipboardText(), "C");
    Key('V', false, true);
    EXPECT_EQ(Saved(Snapshot), start);
    EXPECT_NE(ReadTestFile(Log).find("holds no components"), std::string::npos);
    // The panel copied here pastes in a designer started after this one ended, into a form whose
    // identifiers reach the file's top, so the pasted ones fill a gap below.
    Click(200, 150), Key('C', false, true);
    EXPECT_EQ(Nesting(ClipboardText()), "P - 10,10; B P 5,5; ");
    TearDown();
    std::string top = Copied;
    top.replace(top.find("ID=1002"), 7, "ID=65535");
    Start(top, "");
    Menu(CommandPaste);
    std::string pasted = Saved(Snapshot);
    EXPECT_EQ(Nesting(pasted), rows[0].Nesting);
    EXPECT_EQ(IdsAndClicks(pasted), "1001 65535 1003 1002 1004 BClick BClick ");
}

// Two radio buttons between an edit and a panel, and the default button aligned to the form's
// bottom, whose result ends a modal form; the tab stops where the designer places them.
const std::string Tabs =
    Header + "QEdit First Text=\"First\" Left=10 Top=10 Width=100 Height=21 Style=56010080\r\n"
             "QRadioButton Red Text=\"Red\" Left=10 Top=40 Width=80 Height=19 Style=56030009\r\n"
             "QRadioButton Green Text=\"Green\" Left=10 Top=60 Width=80 Height=19\r\n"
             "QPanel P Text=\"P\" Left=150 Top=10 Width=200 Height=100\r\n"
             "QButton Inner Parent=P Text=\"&Inner\" Left=10 Top=10 Width=60 Height=25 "
             "Style=56010000\r\n"
             "QButton Last Text=\"Last\" Left=0 Top=371 Width=556 Height=25 Align=alBottom "
             "Style=56010001 ModalResult=mrOk\r\n";

// The texts of Parent's child windows of the library's classes, top of the z-order first.
std::string ChildTexts(HWND Parent) {
    std::string shown;
    Sync();
    for (HWND w = GetWindow(Parent, GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT)) {
        char text[64] = "", kind[64] = "";
        GetClassNameA(w, kind, sizeof kind);
        SendMessageA(w, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
        if (kind[0] == 'Q') shown += std::string(shown.empty() ? "" : " ") + text;
    }
    return shown;
}

// The numbers tab-order mode shows, each as "left,top:number" from the top of the surface down.
std::string TabNumbersShown() {
    std::map<std::pair<LONG, LONG>, std::string> at;
    Sync();
    for (HWND w = nullptr; (w = FindWindowExA(Surface, w, "VelmoraTabNumber", nullptr));) {
        RECT r;
        char text[16] = "";
        GetWindowRect(w, &r);
        MapWindowPoints(nullptr, Surface, reinterpret_cast<POINT*>(&r), 2);
        SendMessageA(w, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
        if (IsWindowVisible(w)) at[{r.top, r.left}] = text;
    }
    std::string shown;
    for (const auto& [place, number] : at)
        shown +=
            std::to_string(place.second) + "," + std::to_string(place.first) + ":" + number + " ";
    return shown;
}

// The form tried out in test mode: a form of the designer's own, over its disabled main window.
// The form test mode made, shown or not.
HWND TestFormShown() {
    Sync();
    for (HWND w = nullptr; (w = FindWindowExA(nullptr, w, "QForm", nullptr));)
        if (GetWindow(w, GW_OWNER) == Main) return w;
    return nullptr;
}

std::string FocusedText() {
    char text[64] = "(none)";
    Sync();
    SendMessageA(GetFocus(), WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    return text;
}

// Ctrl+R shows the form live: Tab steps in the designed order, radio buttons are one group, the
// aligned button follows a resize, and the designer's keys do nothing there. Closing the form
// leaves the model as it was. Then in tab-order mode clicks give the components their places in
// their holder; the z-order on the surface follows, and so do bring to front and send to back.
TEST_F(DesignerTest, TestModeShowsTheFormLiveAndTabOrderIsSetByClicks) {
    ASSERT_TRUE(Command("open " + WriteTestFile(Kept, Tabs)));
    const std::string start = Saved(Snapshot);
    Click(20, 15);
    Key('R', false, true);
    HWND form = TestFormShown();
    ASSERT_TRUE(form);
    EXPECT_FALSE(IsWindowEnabled(Main));
    EXPECT_EQ(ChildTexts(form), "First Red Green P Last");
    // The library's keys: Tab over the stops, the radio group once, Shift+Tab back, Alt and a
    // mnemonic.
    std::string walk = FocusedText();
    for (int i = 0; i < 7; ++i) {
        Holding(i < 5 ? std::vector<BYTE>{} : std::vector<BYTE>{VK_SHIFT},
                [] { PostMessageA(GetFocus(), WM_KEYDOWN, VK_TAB, 1); });
        walk += " " + FocusedText();
    }
    PostMessageA(GetFocus(), WM_SYSCHAR, 'i', 1);
    EXPECT_EQ(walk + " " + FocusedText(), "First Red &Inner Last First Red First Last &Inner");
    HWND red = FindWindowExA(form, nullptr, "QRadioButton", "Red"),
         green = FindWindowExA(form, nullptr, "QRadioButton", "Green");
    for (HWND radio : {red, green}) {
        PostMessageA(radio, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
        PostMessageA(radio, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    }
    Sync();
    EXPECT_EQ(SendMessageA(red, BM_GETCHECK, 0, 0) * 10 + SendMessageA(green, BM_GETCHECK, 0, 0),
              BST_CHECKED);
    RECT outer;
    GetWindowRect(form, &outer);
    SetWindowPos(form, nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top + 50,
                 SWP_NOMOVE | SWP_NOZORDER);
    RECT last;
    GetWindowRect(FindWindowExA(form, nullptr, "QButton", "Last"), &last);
    MapWindowPoints(nullptr, form, reinterpret_cast<POINT*>(&last), 2);
    EXPECT_EQ(last.top, 371 + 50);
    // The designer's keys typed in the form are the form's: Delete deletes the edit's text,
    // Ctrl+Z brings it back and Ctrl+C copies it; Ctrl+D does nothing.
    HWND edit = FindWindowExA(form, nullptr, "QEdit", nullptr);
    OpenClipboard(nullptr), EmptyClipboard(), CloseClipboard();
    SendMessageA(edit, EM_SETSEL, 0, -1);
    PostMessageA(edit, WM_KEYDOWN, VK_DELETE, 1);
    Holding({VK_CONTROL}, [&] {
        for (WPARAM key : {'D', 'Z', 'C'})
            PostMessageA(edit, WM_KEYDOWN, key, 1);
    });
    EXPECT_EQ(ClipboardText(), "First");
    // Enter presses the default button, whose result ends the form.
    PostMessageA(edit, WM_KEYDOWN, VK_RETURN, 1);
    Sync(); // the click posts the closing
    EXPECT_FALSE(TestFormShown());
    EXPECT_TRUE(IsWindowEnabled(Main));
    EXPECT_EQ(Caption(), "Velmora designer - snapshot.vform - " + Version);
    EXPECT_EQ(Saved(Snapshot), start);
    EXPECT_EQ(Edit("Name"), "First"); // still selected
    // A window that can't be made ends the test at once and leaves no form behind: Wine makes
    // no window that claims to be an MDI child outside an MDI client, though the surface's
    // window, made before, takes the style.
    DeleteFileA(Log.c_str());
    Edit("ExStyle", "00000240"), Menu(CommandApply);
    Menu(CommandTest);
    EXPECT_FALSE(TestFormShown());
    EXPECT_EQ(ReadTestFile(Log), "Can't create the window of First (class QEdit).\r\n");
    ASSERT_TRUE(Command("open " + Kept));
    Key('T', false, true);
    EXPECT_EQ(TabNumbersShown(), "10,10:1 335,10:4 160,20:1 10,40:2 10,60:3 0,371:5 ");
    struct Step {
        void (*Do)();
        const char* Order; // the form's windows, then the panel's
    };
    const Step steps[] = {
        {[] { Click(20, 380); }, "Last First Red Green P|&Inner"},
        {[] { Click(20, 65); }, "Last Green First Red P|&Inner"},
        {[] { Click(170, 30); }, "Last Green First Red P|&Inner"}, // first already
        // Past the last place the count starts again.
        {[] {
             for (POINT at : {POINT{15, 15}, {15, 45}, {160, 15}, {20, 380}, {15, 45}})
                 Click(at.x, at.y);
         },
         "Last Red Green First P|&Inner"},
        {[] { Key(VK_ESCAPE), Click(20, 45); }, "Last Red Green First P|&Inner"},
        {[] { Menu(CommandSendToBack); }, "Last Green First P Red|&Inner"},
        {[] {
             Holding({VK_SHIFT}, [] { Click(160, 15); });
             Menu(CommandBringToFront);
         },
         "P Red Last Green First|&Inner"},
    };
    for (const Step& step : steps) {
        step.Do();
        EXPECT_EQ(ChildTexts(Surface) + "|" +
                      ChildTexts(FindWindowExA(Surface, nullptr, "QPanel", nullptr)),
                  step.Order)
            << "step " << &step - steps;
    }
    EXPECT_EQ(TabNumbersShown(), "");
    EXPECT_EQ(Nesting(Saved(Snapshot)),
              "P - 150,10; Inner P 10,10; Red - 10,40; Last - 0,371; Green - 10,60; First - "
              "10,10; ");
}

// A component without a font of its own shows its holder's, out to the form's; the row says
// so, takes a typed font the library's way and the system's dialog, and undo gives it back.
TEST_F(DesignerTest, FontsComeFromTheHolderUnlessTypedOrChosen) {
    ASSERT_TRUE(
        Command("open " + WriteTestFile(Kept, Header + "Form F Font=\"Tahoma,8\"\r\n"
                                                       "QPanel P Left=10 Top=10 Width=200 "
                                                       "Height=100\r\nQLabel L Parent=P "
                                                       "Left=10 Top=10 Width=60 Height=18\r\n")));
    auto label = [] {
        Click(25, 25);
        return Edit("Font");
    };
    // Each line's name and font in the saved file.
    auto fonts = [] {
        std::string file = Saved(Snapshot), shown;
        for (size_t line = 0; line < file.size(); line = file.find('\n', line) + 1) {
            size_t end = file.find('\r', line), name = file.find(' ', line) + 1,
                   font = file.find(" Font=\"", line);
            if (font < end)
                shown += file.substr(name, file.find(' ', name) - name) + ":" +
                         file.substr(font + 7, end - font - 8) + " ";
        }
        return shown;
    };
    EXPECT_EQ(label(), "(inherited: Tahoma,8)");
    // The system's dialog, from the row's button, for the panel: Cancel changes nothing. A face
    // it offers is the one typed then.
    auto dialog = [] {
        RECT box, button;
        GetWindowRect(Row("Font"), &box);
        for (HWND w = nullptr; (w = FindWindowExA(Main, w, "Button", "..."));)
            if (GetWindowRect(w, &button), button.top == box.top) PostMessageA(w, BM_CLICK, 0, 0);
        HWND shown = nullptr;
        for (int i = 0; i < 500 && !(shown = Box()); ++i)
            Sleep(10);
        return shown;
    };
    Click(150, 90);
    HWND shown = dialog();
    ASSERT_TRUE(shown);
    wchar_t wide[LF_FACESIZE] = L"";
    char face[LF_FACESIZE] = "";
    const int faces = 0x470; // the dialog's list of faces, a window of wide characters
    SendDlgItemMessageW(shown, faces, CB_GETLBTEXT, 1, reinterpret_cast<LPARAM>(wide));
    WideCharToMultiByte(CP_UTF8, 0, wide, -1, face, sizeof face, nullptr, nullptr);
    PostMessageA(shown, WM_COMMAND, IDCANCEL, 0);
    EXPECT_EQ(Edit("Font", (std::string(face) + " , 12, bold").c_str()), "(inherited: Tahoma,8)");
    Menu(CommandApply);
    const std::string chosen = std::string(face) + ",12,Bold";
    EXPECT_EQ(Edit("Font"), chosen);
    EXPECT_EQ(label(), "(inherited: " + chosen + ")");
    // For the label the dialog starts at the font shown, which OK makes its own.
    ASSERT_TRUE(shown = dialog());
    PostMessageA(shown, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(Edit("Font"), chosen);
    Menu(CommandApply);
    EXPECT_EQ(fonts(), "F:Tahoma,8 P:" + chosen + " L:" + chosen + " ");
    Key('Z', false, true);
    EXPECT_EQ(label(), "(inherited: " + chosen + ")");
    EXPECT_EQ(fonts(), "F:Tahoma,8 P:" + chosen + " ");
    // Emptied, the form's font is the platform's, which the file says by leaving it out.
    Click(350, 250), Edit("Font", ""), Menu(CommandApply);
    EXPECT_EQ(Edit("Font"), "");
    Click(150, 90), Edit("Font", ""), Menu(CommandApply);
    EXPECT_EQ(label(), "");
    EXPECT_EQ(fonts(), "");
}

// A label's FocusControl names another component: Alt and its mnemonic focus that one in test
// mode, and the link follows a rename, goes with a delete (undo brings it back) and names the
// pasted copy where both were copied. The form's shortcuts are a list the library reads.
TEST_F(DesignerTest, LinksFollowTheirComponentAndShortcutsAreTheLibrarysList) {
    const std::string labelled =
        Small + "QLabel L Text=\"&Go\" Left=200 Top=10 Width=60 Height=18 FocusControl=Input\r\n";
    ASSERT_TRUE(Command("open " + WriteTestFile(Kept, labelled)));
    auto links = [] {
        std::string file = Saved(Snapshot), shown;
        for (size_t at = file.find(" FocusControl="); at != std::string::npos;
             at = file.find(" FocusControl=", at + 1))
            shown += file.substr(at + 14, file.find('\r', at) - at - 14) + " ";
        return shown;
    };
    Key('R', false, true);
    ASSERT_TRUE(TestFormShown());
    PostMessageA(GetFocus(), WM_SYSCHAR, 'g', 1);
    EXPECT_EQ(FocusedText(), "a|b");
    PostMessageA(TestFormShown(), WM_CLOSE, 0, 0);
    Click(20, 65), Edit("Name", "Entry"), Menu(CommandApply);
    EXPECT_EQ(links(), "Entry ");
    Key(VK_DELETE);
    EXPECT_EQ(links(), "");
    Key('Z', false, true);
    EXPECT_EQ(links(), "Entry ");
    Click(205, 15), Holding({VK_SHIFT}, [] { Click(20, 65); });
    Key('C', false, true), Key(VK_ESCAPE), Key(VK_ESCAPE), Key('V', false, true);
    EXPECT_EQ(links(), "Entry Entry1 ");
    Click(205, 15), Key('D', false, true); // alone, the copy names nothing
    EXPECT_EQ(links(), "Entry Entry1 ");
    // The row lists the form's other components, the first entry none.
    Click(205, 15);
    EXPECT_EQ(Edit("FocusControl"), "Entry");
    EXPECT_EQ(SendMessageA(Row("FocusControl"), CB_GETCOUNT, 0, 0), 6);
    // Return in the dropped list picks its item and applies nothing yet.
    HWND row = Row("FocusControl");
    SendMessageA(row, CB_SHOWDROPDOWN, TRUE, 0);
    SendMessageA(row, CB_SELECTSTRING, WPARAM(-1), LPARAM("Ok"));
    PostMessageA(row, WM_KEYDOWN, VK_RETURN, 1);
    EXPECT_EQ(links(), "Entry Entry1 ");
    Menu(CommandApply);
    EXPECT_EQ(Edit("FocusControl") + " | " + links(), "Ok | Ok Entry1 ");
    SendMessageA(Row("FocusControl"), CB_SETCURSEL, 0, 0), Menu(CommandApply);
    EXPECT_EQ(links(), "Entry1 ");
    DeleteFileA(Log.c_str());
    Click(500, 350), Edit("Shortcuts", "Ctrl+S=0"), Menu(CommandApply);
    Edit("Shortcuts", "ctrl+s=7, Alt+F5=65535"), Menu(CommandApply);
    EXPECT_NE(Saved(Snapshot).find(" Shortcuts=\"Ctrl+S=7,Alt+F5=65535\"\r\n"), std::string::npos);
    EXPECT_EQ(ReadTestFile(Log), "Shortcuts: \"Ctrl+S=0\" is not a list of shortcuts such as "
                                 "Ctrl+S=101,F5=102 (commands from 1 to 65535, no key twice). "
                                 "Nothing was changed.\r\n");
}

// Anchored components follow their holder as it is resized, on the surface as in the program:
// the form's size moves the button anchored right and bottom, the panel's stretches the one it
// holds; undo takes both back. The set's boxes change the anchors, and test mode's form follows
// its own resizing.
TEST_F(DesignerTest, AnchoredComponentsFollowTheirHoldersSize) {
    ASSERT_TRUE(Command(
        "open " + WriteTestFile(Kept, Header + "QButton Ok Left=400 Top=300 Width=75 Height=35 "
                                               "Anchors=\"akRight|akBottom\"\r\n"
                                               "QPanel P Left=10 Top=10 Width=200 Height=100\r\n"
                                               "QButton B Parent=P Left=10 Top=10 Width=50 "
                                               "Height=20 Anchors=\"akLeft|akRight\"\r\n")));
    const std::string start = Saved(Snapshot);
    Click(500, 380), Edit("Width", "656"), Edit("Height", "446"), Menu(CommandApply);
    Click(150, 90), Edit("Width", "300"), Menu(CommandApply);
    EXPECT_EQ(Nesting(Saved(Snapshot), true),
              "Ok - 500,350 75x35; P - 10,10 300x100; B P 10,10 150x20; ");
    Key('Z', false, true), Key('Z', false, true);
    EXPECT_EQ(Saved(Snapshot), start);
    Click(420, 310);
    EXPECT_EQ(SendMessageA(Row("akLeft"), BM_GETCHECK, 0, 0) * 10 +
                  SendMessageA(Row("akRight"), BM_GETCHECK, 0, 0),
              BST_CHECKED);
    SendMessageA(Row("akLeft"), BM_SETCHECK, BST_CHECKED, 0), Menu(CommandApply);
    EXPECT_NE(Saved(Snapshot).find(" Anchors=\"akLeft|akRight|akBottom\"\r\n"), std::string::npos);
    Key('R', false, true);
    HWND form = TestFormShown(), ok = FindWindowExA(form, nullptr, "QButton", nullptr);
    ASSERT_TRUE(form && ok);
    RECT outer, button;
    GetWindowRect(form, &outer);
    SetWindowPos(form, nullptr, 0, 0, outer.right - outer.left + 50, outer.bottom - outer.top + 20,
                 SWP_NOMOVE | SWP_NOZORDER);
    GetWindowRect(ok, &button);
    MapWindowPoints(nullptr, form, reinterpret_cast<POINT*>(&button), 2);
    EXPECT_EQ(std::to_string(button.left) + " " + std::to_string(button.top) + " " +
                  std::to_string(button.right - button.left),
              "400 320 125");
    PostMessageA(form, WM_CLOSE, 0, 0);
}

// The caption marks unsaved changes, and New, Open, Exit and closing the window ask first:
// Cancel keeps the form, No gives the changes up, Yes saves them first.
TEST_F(DesignerTest, UnsavedChangesAreMarkedAndAskedAboutBeforeTheyAreLost) {
    std::string moved = Small;
    // A new form keeps the dialog keys and starts with the system's message font.
    Menu(CommandNew);
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    const std::string font = Edit("Font");
    EXPECT_EQ(font.substr(0, font.find(',')), metrics.lfMessageFont.lfFaceName);
    const std::string made = Header +
                             "Form DesignedForm Text=\"DesignedForm\" Width=556 Height=396 "
                             "DialogKeys=true Font=\"" +
                             font + "\"\r\n";
    moved.replace(moved.find("Left=10"), 7, "Left=11");
    const std::string title = "Velmora designer - ", kept = "kept.vform - " + Version;
    struct Row {
        UINT Command;
        int Answer;
        const std::string& File; // kept.vform afterwards
        std::string Form;        // the form afterwards
        std::string Caption;
    };
    const Row rows[] = {
        {CommandNew, IDCANCEL, Small, moved, title + "kept.vform* - " + Version},
        {CommandNew, IDNO, Small, made, title + "untitled - " + Version},
        {CommandNew, IDYES, moved, made, title + "untitled - " + Version},
        {CommandOpen, IDCANCEL, Small, moved, title + "kept.vform* - " + Version},
        {CommandExit, IDCANCEL, Small, moved, title + "kept.vform* - " + Version},
        {WM_CLOSE, IDCANCEL, Small, moved, title + "kept.vform* - " + Version},
    };
    for (const Row& row : rows) {
        ASSERT_TRUE(Command("open " + WriteTestFile(Kept, Small)));
        EXPECT_EQ(Caption(), title + kept);
        Click(40, 25);
        Key(VK_RIGHT);
        row.Command == WM_CLOSE ? (void)PostMessageA(Main, WM_CLOSE, 0, 0) : Menu(row.Command);
        EXPECT_TRUE(Answer(row.Answer));
        EXPECT_EQ(Caption(), row.Caption) << row.Command << " " << row.Answer;
        EXPECT_EQ(ReadTestFile(Kept), row.File) << row.Command << " " << row.Answer;
        EXPECT_EQ(Saved(Snapshot), row.Form) << row.Command << " " << row.Answer;
    }
    // Ctrl+S saves to the form's file, after which nothing is asked; an undo is a change again.
    ASSERT_TRUE(Command("open " + WriteTestFile(Kept, Small)));
    Click(40, 25);
    Key(VK_RIGHT);
    Key('S', false, true);
    EXPECT_EQ(Caption(), title + kept);
    EXPECT_EQ(ReadTestFile(Kept), moved);
    Key('Z', false, true);
    EXPECT_EQ(Caption(), title + "kept.vform* - " + Version);
    // Yes to closing saves, and the designer ends.
    PostMessageA(Main, WM_CLOSE, 0, 0);
    EXPECT_TRUE(Answer(IDYES));
    EXPECT_EQ(WaitForSingleObject(Designer.hProcess, 20000), WAIT_OBJECT_0);
    EXPECT_EQ(ReadTestFile(Kept), Small);
}

// What the user sees: the main window's parts, the selection's frame and handles (relative to
// the selected edit), the palette, and each class's default size placed by a click. Then texts
// in any language go through the property list, the surface and the form file unchanged: the
// designer, and this test, run with UTF-8 as their code page.
TEST_F(DesignerTest, TheWindowsShowTheFormTheToolsTheSelectionAndTextsInEveryLanguage) {
    const std::string surface = "QForm[] 52000000 200 0,0 556x396\n",
                      framed = "VelmoraSelectionPart[] 54000000 0 -3,7 7x7 -3,18 7x7 57,18 7x7 "
                               "118,18 7x7 118,7 7x7 118,-3 7x7 57,-3 7x7 -3,-3 7x7 -1,-1 1x23 "
                               "-1,21 123x1 121,-1 1x23 -1,-1 123x1\n",
                      button = "QButton[OK] 56010000 0 0,-50 75x35\n",
                      edit = "QEdit[a|b] 56010080 200 0,0 121x21\n";
    POINT client{};
    RECT input;
    Sync(); // the form opened on the command line is there
    ClientToScreen(Main, &client);
    GetWindowRect(GetDlgItem(Surface, 1002), &input);
    EXPECT_EQ(
        Windows(Main, client),
        "VelmoraDesigner[Velmora designer - kept.vform - " + Version +
            "] 16CF0000 100 0,0 1018x582\n"
            "ToolbarWindow32[] 50000901 0 0,0 1018x28\n"
            "msctls_statusbar32[Input  10, 60  121 x 21] 50000000 0 0,562 1018x20\n"
            "QForm[] 52000000 200 8,36 560x400\n"
            "SysTabControl32[] 54000000 0 576,36 246x26\n"
            "Button[Apply] 50000000 0 742,528 80x26\n"
            "SysTreeView32[] 50000027 200 830,36 180x518\n"
            "Static[Class] 50000200 0 576,66 74x18 Edit[QEdit, from edit] 50010880 200 650,66 "
            "172x18\n"
            "Static[Name] 50000200 0 576,88 74x18 Edit[Input] 50010080 200 650,88 172x18\n"
            "Static[Text] 50000200 0 576,110 74x18 Edit[a|b] 50010080 200 650,110 172x18\n"
            "Static[Left] 50000200 0 576,132 74x18 Edit[10] 50010080 200 650,132 172x18\n"
            "Static[Top] 50000200 0 576,154 74x18 Edit[60] 50010080 200 650,154 172x18\n"
            "Static[Width] 50000200 0 576,176 74x18 Edit[121] 50010080 200 650,176 172x18\n"
            "Static[Height] 50000200 0 576,198 74x18 Edit[21] 50010080 200 650,198 172x18\n"
            "Static[Align] 50000200 0 576,220 74x18 ComboBox[alNone] 50010003 0 650,220 172x21\n"
            "Static[ID] 50000200 0 576,242 74x18 Edit[1002] 50010080 200 650,242 172x18\n"
            "Static[Style] 50000200 0 576,264 74x18 Edit[56010080] 50010080 200 650,264 172x18\n"
            "Static[ExStyle] 50000200 0 576,286 74x18 Edit[00000200] 50010080 200 650,286 172x18\n"
            "Button[Enabled] 50010003 0 576,308 80x18\n"
            "Button[Visible] 50010003 0 658,308 80x18\n"
            "Button[TabStop] 50010003 0 740,308 80x18\n"
            "Button[Group] 50010003 0 576,330 80x18\n"
            "Button[ReadOnly] 50010003 0 658,330 80x18\n"
            "Button[Password] 50010003 0 740,330 80x18\n"
            "Button[Number] 50010003 0 576,352 80x18\n"
            "Button[UpperCase] 50010003 0 658,352 80x18\n"
            "Button[LowerCase] 50010003 0 740,352 80x18\n"
            "Button[AutoHScroll] 50010003 0 576,374 80x18\n"
            "Button[Border] 50010003 0 658,374 80x18\n"
            "Button[ClientEdge] 50010003 0 740,374 80x18\n"
            "Button[akLeft] 50010003 0 576,396 80x18\n"
            "Button[akTop] 50010003 0 658,396 80x18\n"
            "Button[akRight] 50010003 0 740,396 80x18\n"
            "Button[akBottom] 50010003 0 576,418 80x18\n"
            "Static[Color] 50000200 0 576,440 74x18 Edit[] 50010080 200 650,440 146x18\n"
            "Button[...] 50000000 0 798,440 24x18\n"
            "Static[TextColor] 50000200 0 576,462 74x18 Edit[] 50010080 200 650,462 146x18\n"
            "Button[...] 50000000 0 798,462 24x18\n"
            "Static[Font] 50000200 0 576,484 74x18 Edit[] 50010080 200 650,484 146x18\n"
            "Button[...] 50000000 0 798,484 24x18\n");
    // The Color row's button opens the system's colour dialog, Open its file dialog.
    PostMessageA(FindWindowExA(Main, nullptr, "Button", "..."), BM_CLICK, 0, 0);
    EXPECT_TRUE(Answer(IDCANCEL));
    Sync(), Menu(CommandOpen);
    EXPECT_TRUE(Answer(IDCANCEL));
    EXPECT_EQ(Windows(Surface, {input.left, input.top}),
              surface + framed + button + edit); // --select
    ASSERT_TRUE(Command("open " + Kept));        // the old windows go
    Click(20, 65);
    EXPECT_EQ(Windows(Surface, {input.left, input.top}), surface + framed + button + edit);
    Menu(CommandDelete);
    // With nothing selected the list shows the form's own properties.
    EXPECT_EQ(Edit("Class") + " " + Edit("Name") + " " + Edit("Caption") + " " + Shown(),
              "QForm DesignedForm DesignedForm - - 556 396 - - -");
    EXPECT_EQ(Windows(Surface, {input.left, input.top}), surface + button);
    HWND bar = FindWindowExA(Main, nullptr, TOOLBARCLASSNAMEA, nullptr),
         format = FindWindowExA(bar, nullptr, TOOLBARCLASSNAMEA, nullptr);
    // The Format bar: its commands and the two gaps between their groups.
    EXPECT_EQ(SendMessageA(format, TB_BUTTONCOUNT, 0, 0),
              CommandCentreDown - CommandAlignLefts + 3);
    std::string sizes = std::to_string(SendMessageA(bar, TB_BUTTONCOUNT, 0, 0)) + " buttons:";
    for (int i = 0; i < 17; ++i) {
        Tool(i);
        Click(5, 5);
        sizes += " " + Edit("Name") + " " + Edit("Width") + "x" + Edit("Height");
        PostMessageA(Surface, WM_KEYDOWN, VK_DELETE, 1); // or the next would go inside it
        if (SendMessageA(bar, TB_COMMANDTOINDEX, FirstTool + i, 0) != i ||
            SendMessageA(bar, TB_GETBITMAP, FirstTool + i, 0) != i)
            sizes += " (not button " + std::to_string(i) + ")";
    }
    EXPECT_EQ(sizes, "17 buttons: Panel1 115x51 ToolBar1 215x21 StatusBar1 215x17 Label1 115x18 "
                     "Button1 75x35 Edit1 121x21 Memo1 221x121 ComboBox1 115x24 ListBox1 121x21 "
                     "CheckBox1 97x19 RadioButton1 97x19 GroupBox1 221x51 ScrollBar1 121x17 "
                     "MyFrame1 551x391 VUdeRedo1 150x80 Box1 450x250 Dummy1 60x40");
    // A designer that kept paint messages from its windows would never wait for input.
    EXPECT_EQ(WaitForInputIdle(Designer.hProcess, 5000), 0u);
    EXPECT_EQ(GetACP(), 65001u);
    std::string greek;
    for (int i = 0; i < 400; ++i)
        greek += "λ";
    const std::string texts[] = {"Zoë Łódź", "Ελλάδα", "Москва", "𐍈 😀", "", greek};
    for (const std::string& text : texts) {
        ASSERT_TRUE(Command("open " + Kept));
        Click(40, 25);
        Edit("Text", text.c_str());
        Menu(CommandApply);
        EXPECT_NE(Saved(Snapshot).find("Ok Text=\"" + text + "\""), std::string::npos) << text;
        char shown[2048] = "";
        GetWindowTextA(GetDlgItem(Surface, 1001), shown, sizeof shown);
        EXPECT_EQ(shown, text);
        ASSERT_TRUE(Command("open " + Snapshot));
        Click(40, 25);
        EXPECT_EQ(Edit("Text"), text);
    }
}

// A bad command line ends with 1, a library that cannot be loaded with 2, another DLL with 3;
// without a form to open the designer shows an untitled one.
TEST(DesignerStartTest, BadCommandLinesAndLibrariesEndWithTheirExitCodeAndMessage) {
    const std::string usage =
        "1 Usage: designer [--log FILE] [--free] [--open FORM [--select NAME]] [CORE.DLL]\r\n";
    const std::pair<std::string, std::string> rows[] = {
        {"--colour", usage},
        {"--open", usage}, // without its value
        {"--select", usage},
        {"--log", usage},
        {"one.dll two.dll", usage},
        {"Z:\\x.dll", "2 Can't load the component library \"Z:\\x.dll\" (error 126).\r\n"},
        {MIRVANE_DLL, "3 \"" MIRVANE_DLL "\" is not the Velmora component library: it has no "
                      "VERSION or EXPORTCLASSES.\r\n"},
    };
    for (const auto& [arguments, expected] : rows) {
        std::string code = std::to_string(ExitCode(Launch(arguments)));
        EXPECT_EQ(code + " " + ReadTestFile(Log), expected) << arguments;
    }
    PROCESS_INFORMATION designer = Launch("");
    EXPECT_EQ(Caption(), "Velmora designer - untitled - " + Version);
    PostMessageA(Main, WM_CLOSE, 0, 0);
    EXPECT_EQ(ExitCode(designer), 0u);
}

} // namespace
