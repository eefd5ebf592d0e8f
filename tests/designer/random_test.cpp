// A seeded random stream of what a person does in the designer, given to a real designer window
// in this process as its message loop would get it: palette and menu commands, mouse presses,
// moves and releases on the surface's windows (other commands arriving between a press and its
// release), keys, typing into the property list, and the text commands that save and open.
// After every step the form file must read back to itself, stay within what the file holds and
// keep names the generated C++ can use; undo must give each earlier file in turn and redo the
// later ones. VELMORA_RANDOM_SEED=N (or --seed=N) replays a seed, =random explores;
// VELMORA_RANDOM_STEPS=N (or --steps=N) runs longer. designer_random_generated_code compiles
// the C++ of the last form.
#include "commands.h"
#include "core_library.h"
#include "designer_window.h"
#include "form_file.h"
#include "report.h"
#include "tests/support/property_rows.h"
#include "tests/support/test_files.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <iterator>
#include <random>
#include <set>
#include <type_traits>

namespace {

// About half a minute under Wine on x86_64; fewer on i686, which may run under qemu's emulation,
// where a step takes about fifteen times as long.
constexpr unsigned DefaultSteps = sizeof(void*) == 4 ? 150 : 550, DefaultSeed = 1;
constexpr size_t TrailLength = 25; // the commands printed with a failure
const std::string Folder = RANDOM_DIR, Path = Folder + "/random.vform", Log = Folder + "/log.txt";

// Names a component must not have: the language's keywords and the generated code's own.
const std::string Reserved =
    " alignas alignof and and_eq asm auto bitand bitor bool break case catch char char16_t "
    "char32_t class compl const constexpr const_cast continue decltype default delete do double "
    "dynamic_cast else enum explicit export extern false float for friend goto if inline int long "
    "mutable namespace new noexcept not not_eq nullptr operator or or_eq private protected public "
    "register reinterpret_cast return short signed sizeof static static_assert static_cast struct "
    "switch template this thread_local throw true try typedef typeid typename union unsigned "
    "using virtual void volatile wchar_t while xor xor_eq FormOf Self CreateHandle ";
bool IsReserved(const std::string& Name) {
    return Reserved.find(" " + Name + " ") != std::string::npos;
}
// What the stream types: names to take (some to be refused), texts, handlers, list items.
const char* const Names[] = {"Ok",  "Button1", "Panel2", "class",
                             "int", "FormOf",  "Self",   "DesignedForm",
                             "9a",  "_x",      "Zoë",    "DesignedFormDesign"};
const char* const Texts[] = {"", "OK", "Zoë | Ελλάδα 😀", "a\"b\\c", "one\r\ntwo"};
const char* const Handlers[] = {"", "Clicked", "Pressed"};
const char* const Items[] = {"", "one", "one\r\ntwo", "\r\n", " \r\n\r\nx"};
const char* const Keys[] = {"", "ctrl+s=1", "F5=2,F5=3", "Alt+X=65535, Del=7"};
const char* const Fonts[] = {"", "Tahoma,12,Bold", "tahoma, 7", "Tahoma,0"};
const char* const Boxes[] = {"Visible", "Enabled", "akLeft", "akRight", "akBottom"};
const char* const Decimals[] = {"Left", "Top", "Width", "Height", "ID"};
const int Limits[] = {-32768, -1, 0, 32767, 65535};
const WPARAM Arrows[] = {VK_LEFT, VK_RIGHT, VK_UP, VK_DOWN};
// Commands of the Edit menu with their keys: Ctrl (2) with a letter, or Delete alone.
struct Shortcut {
    WPARAM Key;
    unsigned Held;
    int Id;
    const char* Name;
};
const Shortcut Shortcuts[] = {{'A', 2, CommandSelectAll, "select all"},
                              {'X', 2, CommandCut, "cut"},
                              {'C', 2, CommandCopy, "copy"},
                              {'V', 2, CommandPaste, "paste"},
                              {'D', 2, CommandDuplicate, "duplicate"},
                              {VK_DELETE, 0, CommandDelete, "delete"}};

// The first line where Got differs from Expected, both shown.
std::string FirstDifference(const std::string& Expected, const std::string& Got) {
    size_t at = 0;
    while (at < Expected.size() && at < Got.size() && Expected[at] == Got[at])
        ++at;
    size_t start = Expected.rfind('\n', at) + 1; // 0 when there is none before
    auto line = [&](const std::string& Text) {
        return Text.substr(start, Text.find('\n', at) - start);
    };
    return "\n  expected: " + line(Expected) + "\n  got:      " + line(Got);
}

unsigned Setting(const char* Variable, const char* Argument, unsigned Default) {
    std::string given = std::getenv(Variable) ? std::getenv(Variable) : "";
    for (int i = 1; i < __argc; ++i)
        if (std::string(__argv[i]).rfind(Argument, 0) == 0)
            given = __argv[i] + std::strlen(Argument);
    if (given == "random") return std::random_device()();
    return given.empty() ? Default : static_cast<unsigned>(std::stoul(given));
}

class RandomDesigner {
public:
    RandomDesigner(const CoreLibrary& Core, unsigned Seed)
        : Core(Core), Designer(Core), Dice(Seed) {}

    bool Create() {
        int grid = static_cast<int>(Roll(3)) * 4;
        if (!Designer.Create({grid, Roll(2) == 1})) return false;
        Main = Designer.Window();
        Surface = FindWindowExA(Main, nullptr, "QForm", nullptr);
        // The palette has a picture for each class, the Format bar one for each command.
        HWND palette = FindWindowExA(Main, nullptr, TOOLBARCLASSNAMEA, nullptr),
             format = FindWindowExA(palette, nullptr, TOOLBARCLASSNAMEA, nullptr);
        auto images = [](HWND Bar) {
            return reinterpret_cast<HIMAGELIST>(SendMessageA(Bar, TB_GETIMAGELIST, 0, 0));
        };
        if (ImageList_GetImageCount(images(palette)) != static_cast<int>(Core.Classes.size()) ||
            FormatInk(images(format)) != FormatPictures)
            return Fail("the bars lack pictures: the Format bar's are " +
                        FormatInk(images(format)));
        if (!Surface || !Restart(false)) return false;
        // The empty form shows the grid's points, black on its face, one every grid pixels, and its
        // face between them.
        RedrawWindow(Surface, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        HDC dc = GetDC(Surface);
        COLORREF face = GetSysColor(COLOR_BTNFACE);
        bool shown = !grid || (GetPixel(dc, grid, 2 * grid) == 0 &&
                               GetPixel(dc, grid + 1, 2 * grid) == face &&
                               GetPixel(dc, grid, 2 * grid - 1) == face);
        ReleaseDC(Surface, dc);
        return shown || Fail("the grid is not shown");
    }

    // One random command and the checks after it; false once a check failed.
    bool Step() {
        using Command = bool (RandomDesigner::*)();
        static constexpr Command commands[] = {
            &RandomDesigner::Place,    &RandomDesigner::Place,   &RandomDesigner::Drag,
            &RandomDesigner::Drag,     &RandomDesigner::Resize,  &RandomDesigner::Band,
            &RandomDesigner::Click,    &RandomDesigner::Anytime, &RandomDesigner::Anytime,
            &RandomDesigner::Anytime,  &RandomDesigner::Anytime, &RandomDesigner::Property,
            &RandomDesigner::Property, &RandomDesigner::Rename,  &RandomDesigner::TabOrder,
            &RandomDesigner::Arrange,  &RandomDesigner::Arrange, &RandomDesigner::Midway,
            &RandomDesigner::Midway,   &RandomDesigner::Reopen};
        Undoing = 0;
        return (this->*commands[Roll(std::size(commands))])();
    }

    // Undoes the whole stretch since the last open, file by file, then redoes it.
    bool Segment() {
        for (size_t i = 0, done = Done; i <= done; ++i)
            if (Undo(), !Check()) return false;
        for (size_t i = 0; i <= States.size(); ++i)
            if (Redo(), !Check()) return false;
        return Done == States.size() - 1 || Fail("redo ends before the last edit");
    }

    bool Generate() {
        return Text("generate " + Folder) || Fail("not generated: " + ReadTestFile(Log));
    }

    std::string Trail() const {
        std::string trail;
        for (const std::string& line : Recent)
            trail += "  " + line + "\n";
        return trail;
    }
    const std::string& Problem() const { return Failure; }

private:
    // Each Format picture's pixels of its boxes and of its marked edge, "boxes/edge " in the
    // commands' order.
    static std::string FormatInk(HIMAGELIST Pictures) {
        std::string ink;
        HDC dc = CreateCompatibleDC(nullptr);
        HBITMAP bitmap = CreateBitmap(16, 16, 1, 32, nullptr);
        HGDIOBJ old = SelectObject(dc, bitmap);
        for (int i = 0; i < ImageList_GetImageCount(Pictures); ++i) {
            ImageList_Draw(Pictures, i, dc, 0, 0, ILD_NORMAL);
            int boxes = 0, edge = 0;
            for (int p = 0; p < 256; ++p) {
                COLORREF c = GetPixel(dc, p % 16, p / 16);
                boxes += c == RGB(72, 72, 72), edge += c == RGB(0, 90, 200);
            }
            ink += std::to_string(boxes) + "/" + std::to_string(edge) + " ";
        }
        SelectObject(dc, old);
        DeleteObject(bitmap);
        DeleteDC(dc);
        return ink;
    }
    static constexpr const char* FormatPictures =
        "48/14 48/14 48/14 48/14 48/28 48/28 60/28 60/28 72/0 90/0 90/0 76/8 76/8 ";

    unsigned Roll(size_t Sides) {
        return std::uniform_int_distribution<unsigned>(0, static_cast<unsigned>(Sides) - 1)(Dice);
    }
    int Between(int Low, int High) { return std::uniform_int_distribution<int>(Low, High)(Dice); }
    template <class T, size_t N> std::remove_const_t<T> Any(T (&From)[N]) { return From[Roll(N)]; }

    void Note(const std::string& Line) {
        Recent.push_back(Line);
        if (Recent.size() > TrailLength) Recent.pop_front();
    }
    bool Fail(const std::string& What) {
        Failure = What;
        return false;
    }

    // Handles what is pending as the designer's message loop would.
    void Pump() {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (Designer.PreTranslate(message)) continue;
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
    bool Text(std::string Line) {
        COPYDATASTRUCT data{DesignerTextCommand, static_cast<DWORD>(Line.size()), &Line[0]};
        bool done = SendMessageA(Main, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data)) == 1;
        Pump();
        return done;
    }
    void Menu(int Id, const char* Name) {
        Note(std::string("menu ") + Name);
        PostMessageA(Main, WM_COMMAND, Id, 0);
        Pump();
    }
    // Posts Message to Window with Shift and Ctrl held as the bits 1 and 2 of Held say, and lets
    // the designer handle it.
    void Holding(unsigned Held, HWND Window, UINT Message, WPARAM WParam, LPARAM LParam) {
        BYTE keys[256] = {};
        keys[VK_SHIFT] = Held & 1 ? 0x80 : 0, keys[VK_CONTROL] = Held & 2 ? 0x80 : 0;
        SetKeyboardState(keys);
        PostMessageA(Window, Message, WParam, LParam);
        Pump();
        keys[VK_SHIFT] = keys[VK_CONTROL] = 0;
        SetKeyboardState(keys);
    }
    // Key pressed on Window (the surface unless given).
    void Key(WPARAM Key, unsigned Held, HWND Window = nullptr) {
        Note("key " + std::string(Held & 2 ? "Ctrl+" : "") + (Held & 1 ? "Shift+" : "") +
             std::to_string(Key));
        Holding(Held, Window ? Window : Surface, WM_KEYDOWN, Key, 1);
    }
    // A mouse message at Point (surface coordinates) to the window there, or to the one that
    // captured the mouse, as the system sends it.
    void Mouse(UINT Message, POINT Point, unsigned Held = 0) {
        HWND target = GetCapture() ? GetCapture() : Surface;
        MapWindowPoints(Surface, target, &Point, 1);
        for (HWND child; !GetCapture() &&
                         (child = ChildWindowFromPointEx(target, Point, CWP_SKIPINVISIBLE)) &&
                         child != target;) {
            MapWindowPoints(target, child, &Point, 1);
            target = child;
        }
        WPARAM keys = (Message == WM_LBUTTONUP ? 0 : MK_LBUTTON) | (Held & 1 ? MK_SHIFT : 0) |
                      (Held & 2 ? MK_CONTROL : 0);
        Holding(Held, target, Message, keys, MAKELPARAM(Point.x, Point.y));
    }

    // Somewhere on the surface, now and then just off it.
    POINT Anywhere() {
        RECT client;
        GetClientRect(Surface, &client);
        return {Between(-10, client.right + 10), Between(-10, client.bottom + 10)};
    }
    // Adds a visible window that is not one of the designer's own (its frame and handles) to the
    // list in List; a callback of the platform's convention, which a lambda is not on i686.
    static BOOL CALLBACK CollectComponentWindow(HWND Window, LPARAM List) {
        char kind[16] = "";
        GetClassNameA(Window, kind, sizeof kind);
        if (IsWindowVisible(Window) && std::strncmp(kind, "Velmora", 7))
            reinterpret_cast<std::vector<HWND>*>(List)->push_back(Window);
        return TRUE;
    }
    // The middle of a random component's window, else anywhere.
    POINT Picked() {
        std::vector<HWND> windows;
        EnumChildWindows(Surface, &CollectComponentWindow, reinterpret_cast<LPARAM>(&windows));
        if (windows.empty()) return Anywhere();
        RECT r;
        GetWindowRect(windows[Roll(windows.size())], &r);
        POINT middle = {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
        ScreenToClient(Surface, &middle);
        return middle;
    }
    POINT Near(POINT From) { return {From.x + Between(-40, 120), From.y + Between(-40, 90)}; }
    static std::string Where(POINT At) { return std::to_string(At.x) + "," + std::to_string(At.y); }

    void ClickAt(POINT At, unsigned Held) {
        Note("click " + Where(At) + (Held ? " held " + std::to_string(Held) : ""));
        Mouse(WM_LBUTTONDOWN, At, Held), Mouse(WM_LBUTTONUP, At, Held);
    }
    // A press at From and a move; the release is Finish's.
    void Start(const char* What, POINT From) {
        Note(What + (" from " + Where(From)));
        Pressed = From;
        Mouse(WM_LBUTTONDOWN, From);
        Mouse(WM_MOUSEMOVE, Near(From));
    }
    bool Finish() {
        POINT to = Roll(2) ? Anywhere() : Near(Pressed);
        Note("release at " + Where(to));
        Mouse(WM_MOUSEMOVE, to), Mouse(WM_LBUTTONUP, to);
        return Check();
    }
    bool Click() { return ClickAt(Picked(), Roll(3)), Check(); }
    bool Drag() { return Start("drag", Picked()), Finish(); }
    bool Band() { return Start("band", Anywhere()), Finish(); }
    bool Place() {
        Tool();
        return Roll(2) ? (Start("place", Anywhere()), Finish()) : (ClickAt(Anywhere(), 0), Check());
    }
    void Tool() {
        unsigned tool = Roll(Core.Classes.size());
        Menu(FirstTool + static_cast<int>(tool), Core.Classes[tool].c_str());
    }
    // One of the selection frame's handles, pressed and moved; false when none is shown.
    bool Grab() {
        std::vector<HWND> handles;
        for (HWND w = nullptr; (w = FindWindowExA(Surface, w, "VelmoraSelectionPart", nullptr));) {
            RECT r;
            GetWindowRect(w, &r);
            if (IsWindowVisible(w) && r.right - r.left == 7 && r.bottom - r.top == 7)
                handles.push_back(w);
        }
        if (handles.empty()) return false;
        POINT at = {3, 3};
        MapWindowPoints(handles[Roll(handles.size())], Surface, &at, 1);
        Start("resize", at);
        return true;
    }
    bool Resize() { return !Grab() || Finish(); }

    // A command that may come at any time, even between a press and its release.
    bool Anytime() {
        switch (Roll(6)) {
        case 0:
            return Key(Any(Arrows), Roll(2)), Check();
        case 1:
            return Undo(), Check();
        case 2:
            return Redo(), Check();
        case 3:
            return Roll(4) ? (Key(VK_ESCAPE, 0), Check()) : Restart(true);
        default:
            Shortcut command = Any(Shortcuts);
            // The keys with Ctrl are the menu's accelerators, which do nothing while the mouse
            // is captured; the menu command still comes, from a program that drives the designer.
            !(GetCapture() && command.Held) && Roll(2) ? Key(command.Key, command.Held)
                                                       : Menu(command.Id, command.Name);
            return Check();
        }
    }
    bool Arrange() {
        if (Roll(3) == 0) return Key(Any(Arrows), 2), Check();
        if (Roll(4) == 0)
            Menu(Roll(2) ? CommandBringToFront : CommandSendToBack, "reorder");
        else
            Menu(CommandAlignLefts +
                     static_cast<int>(Roll(CommandCentreDown - CommandAlignLefts + 1)),
                 "format");
        return Check();
    }
    void Undo() {
        Undoing = -1;
        !GetCapture() && Roll(2) ? Key('Z', 2) : Menu(CommandUndo, "undo");
    }
    void Redo() {
        Undoing = 1;
        const unsigned keys[] = {0, 2, 3};
        unsigned key = GetCapture() ? 0 : Any(keys);
        key ? Key(key == 2 ? 'Y' : 'Z', key) : Menu(CommandRedo, "redo");
    }

    // Tab-order mode, where each click is an edit of its own.
    bool TabOrder() {
        Key('T', 2);
        if (!NumbersShown()) return Fail("a tab-order number shows no figure");
        for (unsigned i = Roll(4); i > 0; --i)
            if (ClickAt(Picked(), 0), !Check()) return false;
        return Key(VK_ESCAPE, 0), Check();
    }
    // Whether every number of tab-order mode shows its figure, in the highlight's text colour.
    bool NumbersShown() const {
        for (HWND w = nullptr; (w = FindWindowExA(Surface, w, "VelmoraTabNumber", nullptr));) {
            RECT r;
            GetClientRect(w, &r);
            RedrawWindow(w, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
            HDC dc = GetDC(w);
            bool figure = false;
            for (int p = 0; p < r.right * r.bottom && !figure; ++p)
                figure = GetPixel(dc, p % r.right, p / r.right) == GetSysColor(COLOR_HIGHLIGHTTEXT);
            ReleaseDC(w, dc);
            // One the surface or the designer's window cuts off, or another number lies over
            // (components placed at almost one place), shows no pixels to read.
            RECT on = r, client, around, common;
            MapWindowPoints(w, Surface, reinterpret_cast<POINT*>(&on), 2);
            GetClientRect(Surface, &client);
            GetClientRect(Main, &around);
            MapWindowPoints(Main, Surface, reinterpret_cast<POINT*>(&around), 2);
            IntersectRect(&client, &client, &around);
            bool whole = IntersectRect(&common, &on, &client) && EqualRect(&common, &on);
            for (HWND above = w; whole && (above = GetWindow(above, GW_HWNDPREV));) {
                RECT over;
                GetWindowRect(above, &over);
                MapWindowPoints(nullptr, Surface, reinterpret_cast<POINT*>(&over), 2);
                whole = !IsWindowVisible(above) || !IntersectRect(&common, &on, &over);
            }
            if (IsWindowVisible(w) && whole && !figure) return false;
        }
        return true;
    }
    // The property list's row called Label once it shows the selection; null when the list
    // has no such row or nobody can type there now.
    HWND Row(const std::string& Label) {
        PostMessageA(Main, DesignerSync, 0, 0);
        Pump();
        HWND row = PropertyRow(Main, Label);
        Note("row " + Label);
        return row && IsWindowEnabled(row) ? row : nullptr;
    }
    // Types Value into the row called Label and applies it with the menu or Enter.
    bool Type(const std::string& Label, const std::string& Value) {
        if (HWND row = Row(Label)) {
            Note("type \"" + Value + "\"");
            SendMessageA(row, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(Value.c_str()));
            Roll(2) && Label != "Items" && Label != "Text" ? Key(VK_RETURN, 0, row)
                                                           : Menu(CommandApply, "apply");
        }
        return Check();
    }
    bool Rename() { return Type("Name", Any(Names)); }
    bool Property() {
        switch (Roll(7)) {
        case 0:
            return Type(Any(Decimals), std::to_string(Roll(4) ? Between(-20, 600) : Any(Limits)));
        case 6:
            return Roll(2) ? Type("Shortcuts", Any(Keys)) : Type("Font", Any(Fonts));
        case 1:
            return Type(Roll(2) ? "Text" : "Caption", Any(Texts));
        case 2:
            return Type("Items", Any(Items));
        case 3:
            return Type("OnClick", Any(Handlers));
        case 4:
            SendMessageA(Row(Roll(2) ? "Align" : "FocusControl"), CB_SETCURSEL, Roll(6), 0);
            break;
        default:
            SendMessageA(Row(Any(Boxes)), BM_SETCHECK, Roll(2), 0);
        }
        Menu(CommandApply, "apply");
        return Check();
    }

    // A drag with another command between its press and its release.
    bool Midway() {
        switch (Roll(4)) {
        case 0:
            Tool(), Start("place", Anywhere());
            break;
        case 1:
            if (!Grab()) Start("band", Anywhere());
            break;
        case 2:
            Start("band", Anywhere());
            break;
        default:
            Start("drag", Picked());
        }
        if (!(Roll(4) ? Anytime() : Property())) return false;
        Undoing = 0;
        return Finish();
    }

    // New, or opens the form last saved; the stretch of edits starts again.
    bool Restart(bool Fresh) {
        Note(Fresh ? "new" : "open");
        if (!(Fresh ? Text("new") : Text("open " + Path)) || !Text("save " + Path))
            return Fail("the form saved last does not open: " + ReadTestFile(Log));
        States = {ReadTestFile(Path)};
        Done = 0;
        return true;
    }
    // Undoes and redoes the stretch, then opens its last form, which must save as it did.
    bool Reopen() {
        if (!Segment()) return false;
        std::string last = States[Done];
        return Restart(false) && (States[0] == last || Fail("opened, it saves otherwise" +
                                                            FirstDifference(last, States[0])));
    }

    // The form as saved now against what a file holds and against the stretch of edits so far.
    bool Check() {
        if (!Text("save " + Path)) return Fail("not saved");
        std::string saved = ReadTestFile(Path), problem;
        FormModel read;
        if (!ParseFormFile(saved, Core, read, problem)) return Fail("saved, it reads " + problem);
        std::string again = FormatFormFile(Core, read);
        if (again != saved)
            return Fail("read back, it saves otherwise" + FirstDifference(saved, again));
        std::set<std::string> names = {read.Form.Name, read.Form.Name + "Design"};
        if (IsReserved(read.Form.Name)) return Fail("the form is called " + read.Form.Name);
        for (const ComponentRecord& c : read.Components)
            if (IsReserved(c.Name) || !names.insert(c.Name).second)
                return Fail("a component is called " + c.Name);
        return Follow(saved);
    }
    // Undo must give the file before, redo the file after; any other change is a new edit.
    bool Follow(const std::string& Saved) {
        if (Undoing < 0 && Done > 0)
            --Done;
        else if (Undoing > 0 && Done + 1 < States.size())
            ++Done;
        else if (Undoing == 0 && Saved != States[Done]) {
            States.resize(++Done);
            States.push_back(Saved);
        }
        return Saved == States[Done] ||
               Fail((Undoing < 0 ? "undo gives another form than before the edit"
                                 : "redo gives another form than after the edit") +
                    FirstDifference(States[Done], Saved));
    }

    const CoreLibrary& Core;
    DesignerWindow Designer;
    std::mt19937 Dice;
    HWND Main = nullptr, Surface = nullptr;
    std::deque<std::string> Recent;
    std::string Failure;
    // The files of the stretch since the last open, the first one opened, and which shows now.
    std::vector<std::string> States;
    size_t Done = 0;
    int Undoing = 0; // -1 while the step undoes, 1 while it redoes
    POINT Pressed{};
};

// Empties the folder of the last run: Generate writes the user's files only when they are
// missing, and the form's class may have had another name.
void RemoveLastRun() {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((Folder + "/*.*").c_str(), &found);
    for (bool more = search != INVALID_HANDLE_VALUE; more; more = FindNextFileA(search, &found))
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            DeleteFileA((Folder + "/" + found.cFileName).c_str());
    if (search != INVALID_HANDLE_VALUE) FindClose(search);
}

// Where a crash leaves the command stream: printed before the program ends.
const RandomDesigner* Running;
unsigned RunningSeed, RunningStep;
void PrintCrash(int) {
    std::fprintf(stderr, "Crashed with seed %u at step %u after:\n%s", RunningSeed, RunningStep,
                 Running ? Running->Trail().c_str() : "");
    std::fflush(stderr);
    std::_Exit(3);
}

TEST(DesignerRandomTest, EveryStepSavesAFormThatReadsBackAndUndoesToTheFilesBefore) {
    unsigned seed = Setting("VELMORA_RANDOM_SEED", "--seed=", DefaultSeed),
             steps = Setting("VELMORA_RANDOM_STEPS", "--steps=", DefaultSteps);
    std::printf("Seed %u, %u steps.\n", seed, steps);
    std::fflush(stdout);
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_BAR_CLASSES | ICC_TAB_CLASSES};
    InitCommonControlsEx(&controls);
    CoreLibrary core;
    std::string problem;
    ASSERT_EQ(LoadCoreLibrary(CORE_DLL, core, problem), LoadFailure::None) << problem;
    RemoveLastRun();
    WriteTestFile(Path, "Velmora form 2\r\ncore " + core.Version + "\r\n");
    // A seed replays only from the same clipboard.
    OpenClipboard(nullptr), EmptyClipboard(), CloseClipboard();
    ReportToLog(Log);
    RandomDesigner designer(core, seed);
    Running = &designer, RunningSeed = seed;
    std::signal(SIGABRT, PrintCrash), std::signal(SIGSEGV, PrintCrash);
    ASSERT_TRUE(designer.Create()) << designer.Problem();
    bool sound = true;
    for (RunningStep = 1; sound && RunningStep <= steps; ++RunningStep)
        sound = designer.Step();
    sound = sound && designer.Segment() && designer.Generate();
    EXPECT_TRUE(sound) << "Seed " << seed << ", step " << RunningStep - 1 << ": "
                       << designer.Problem() << "\nThe last commands:\n"
                       << designer.Trail();
    Running = nullptr;
}

} // namespace
