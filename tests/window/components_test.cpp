// The components on real windows under one form: clicks, edits and memos, panels, the
// demonstration box, and the hosted editor over the mirvane stand-ins.
#include "containers/bars.h"
#include "containers/panel.h"
#include "containers/paths.h"
#include "controls/buttons.h"
#include "controls/edits.h"
#include "controls/lists.h"
#include "designer/demo_components.h"
#include "designer/editor.h"
#include "object/class_registry.h"
#include "support/library_classes.h"
#include "support/test_files.h"
#include "test_forms.h"

#include <commctrl.h>

#include <memory>
#include <utility>

namespace {

using Components = LibraryFormTest;

std::string ClassOf(HWND Window) {
    char name[64];
    return std::string(name, GetClassNameA(Window, name, sizeof name));
}

std::string HostCall; // the program's own editor factory's last call
int Events = 0;       // OnClick and OnPaint raised since the last reset
const QNotifyEvent CountEvent = [](QFrame*) { ++Events; };

// A table row: its name, what it starts from or does, and what is then seen, as one string.
template <class Input> struct Row {
    const char* Name;
    Input Given;
    const char* Expected;
};

// Start first: the other getters read the control's selection into the object as well.
std::string Observe(QEdit& Edit) {
    std::string start = std::to_string(Edit.SelStart());
    return start + "+" + std::to_string(Edit.SelLength()) + " '" + Edit.SelText() + "'";
}

// The lines as Lines reads them, between the empty ones before the first and past the last; the
// selection; the caret; the window's scroll bars (H, V) and horizontal scrolling (A).
std::string Observe(QMemo& Memo) {
    std::string seen;
    for (int line = -1; line <= Memo.LineCount(); ++line)
        seen += Memo.Lines(line) + "/";
    POINT caret = Memo.CaretPos();
    auto style = GetWindowLongA(Memo.Handle(), GWL_STYLE);
    return seen + " " + Observe(static_cast<QEdit&>(Memo)) + " " + std::to_string(caret.x) + "," +
           std::to_string(caret.y) + (style & WS_HSCROLL ? " H" : "") +
           (style & WS_VSCROLL ? " V" : "") + (style & ES_AUTOHSCROLL ? " A" : "");
}

template <class Control, size_t Count>
void ExpectActs(QForm& Form, const char* Text, const Row<void (*)(Control&)> (&Rows)[Count]) {
    for (const auto& row : Rows) {
        SCOPED_TRACE(row.Name);
        Control control;
        control.SetText(Text);
        control.SetParent(&Form);
        row.Given(control);
        EXPECT_EQ(Observe(control), row.Expected);
    }
}

// The smallest rectangle holding the black pixels of Area of Window's client area, as text.
std::string InkOf(HWND Window, RECT Area) {
    RECT ink{};
    HDC dc = GetDC(Window);
    for (int y = Area.top; y < Area.bottom; ++y)
        for (int x = Area.left; x < Area.right; ++x)
            if (RECT dot{x, y, x + 1, y + 1}; GetPixel(dc, x, y) == RGB(0, 0, 0))
                UnionRect(&ink, &ink, &dot);
    ReleaseDC(Window, dc);
    return Join(ink.left, ink.top, ink.right, ink.bottom);
}

// Value's Size low bytes, least significant first as in image files (and in memory on Windows).
std::string Bytes(uint32_t Value, size_t Size = 4) {
    return std::string(reinterpret_cast<const char*>(&Value), Size);
}

// A tiny image file: a 2 x 1 24-bit bitmap (Kind 0), or a 1 x 1 32-bit icon (1) or cursor (2).
std::string TinyImage(int Kind) {
    std::string info = Bytes(40) + Bytes(Kind ? 1 : 2) + Bytes(Kind ? 2 : 1) + Bytes(1, 2) +
                       Bytes(Kind ? 32 : 24, 2) + std::string(24, '\0');
    if (!Kind) return "BM" + Bytes(62) + Bytes(0) + Bytes(54) + info + Bytes(0xFF0000) + Bytes(0);
    return Bytes(Kind << 16) + Bytes(1, 2) + Bytes(0x101) + Bytes(0x200001) + Bytes(48) +
           Bytes(22) + info + Bytes(0xFFFF0000) + Bytes(0);
}

// "bitmap", "icon" or "cursor" while Image is alive; "none" for no image or a freed one.
std::string KindOf(HANDLE Image) {
    BITMAP bitmap{};
    // The bitmap file is 2 pixels wide: loaded at its own size.
    if (GetObjectType(Image) == OBJ_BITMAP && GetObjectA(Image, sizeof bitmap, &bitmap))
        return bitmap.bmWidth == 2 ? "bitmap" : "resized bitmap";
    ICONINFO info{};
    if (!Image || !GetIconInfo(static_cast<HICON>(Image), &info)) return "none";
    DeleteObject(info.hbmMask), DeleteObject(info.hbmColor); // the copies GetIconInfo made
    return info.fIcon ? "icon" : "cursor";
}

} // namespace

// OnClicks from a press, a release, a space key down and up, a notification (code 7) to the
// parent, and Click() in code: the press raises one on every component, a reflected
// notification one more on labels and buttons whose identifier is 0.
TEST_F(Components, ClicksFromThePressAndReflectedNotificationsOfIdentifierZero) {
    // Each row makes its component; the counts are with identifier 0, then 5.
    const Row<QFrame* (*)()> rows[] = {
        {"QButton", []() -> QFrame* { return new QButton; }, "110111 100001 "},
        {"QLabel", []() -> QFrame* { return new QLabel; }, "200011 100001 "},
        {"QEdit", []() -> QFrame* { return new QEdit; }, "100001 100001 "}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Name);
        std::string observed;
        Events = 0;
        for (int id : {0, 5}) {
            std::unique_ptr<QFrame> control(row.Given());
            control->OnClick = CountEvent;
            control->SetParent(&form);
            control->SetID(id);
            HWND window = control->Handle();
            auto send = [&](HWND To, UINT Msg, WPARAM WParam, LPARAM LParam) {
                SendMessageA(To, Msg, WParam, LParam);
                observed += std::to_string(std::exchange(Events, 0));
            };
            send(window, WM_LBUTTONDOWN, MK_LBUTTON, 0);
            send(window, WM_LBUTTONUP, 0, 0);
            send(window, WM_KEYDOWN, VK_SPACE, 0);
            send(window, WM_KEYUP, VK_SPACE, 0xC0000001);
            send(form.Handle(), WM_COMMAND, MAKEWPARAM(id, 7), reinterpret_cast<LPARAM>(window));
            control->Click();
            observed += std::to_string(std::exchange(Events, 0)) + " ";
        }
        EXPECT_EQ(observed, row.Expected);
    }
}

// An edit's selection is found ignoring case and read from the control; a memo's rows name the
// lines they touch or what they set, on a memo that starts with two lines.
TEST_F(Components, EditSelectionAndMemoLines) {
    const Row<void (*)(QEdit&)> edits[] = {
        {"found", [](QEdit& E) { E.SetSelText("World"); }, "6+5 'World'"},
        {"found ignoring case, read exactly", [](QEdit& E) { E.SetSelText("world"); }, "6+5 ''"},
        {"absent after a selection on the control",
         [](QEdit& E) { SendMessageA(E.Handle(), EM_SETSEL, 3, 5), E.SetSelText("xyz"); },
         "3+0 ''"},
        {"found in text typed on the control",
         [](QEdit& E) {
             SendMessageA(E.Handle(), EM_REPLACESEL, 0, reinterpret_cast<LPARAM>("xx"));
             E.SetSelText("World");
         },
         "8+5 'World'"},
        {"on the control", [](QEdit& E) { SendMessageA(E.Handle(), EM_SETSEL, 3, 7); }, "3+4 ''"},
        {"length, then start", [](QEdit& E) { E.SetSelLength(4), E.SetSelStart(1); }, "1+4 ''"},
    };
    ExpectActs(form, "Hello World", edits);
    QEdit unmade;
    unmade.SetSelStart(4), unmade.SetSelLength(2), unmade.SetSelText("x");
    EXPECT_EQ(Observe(unmade), "4+0 'x'") << "without a window the values are kept";
    QMemo unmadeMemo;
    unmadeMemo.SetScrollBars(2);
    EXPECT_EQ(Observe(unmadeMemo) + " " + std::to_string(unmadeMemo.ScrollBars()),
              "// 0+0 '' 0,0 2");
    const Row<void (*)(QMemo&)> memos[] = {
        {"delete 0", [](QMemo& M) { M.DeleteLine(0); }, "/ab// 0+0 '' 0,0"},
        {"add above the last", [](QMemo& M) { M.AddLine("x"); }, "/0123/x/ab// 9+0 '' 0,2"},
        {"insert 0", [](QMemo& M) { M.InsertLine(0, "z"); }, "/z/0123/ab// 3+0 '' 0,1"},
        {"insert 2", [](QMemo& M) { M.InsertLine(2, "z"); }, "/0123/ab/z// 11+0 '' 1,2"},
        {"negative or past the end, the caret on line 1",
         [](QMemo& M) {
             M.SetSelStart(6), M.DeleteLine(-1), M.DeleteLine(9), M.InsertLine(-1, "z");
             M.InsertLine(3, "z");
         },
         "/0123/ab// 6+0 '' 0,1"},
        {"2, empty", [](QMemo& M) { M.DeleteLine(1), M.InsertLine(2, "z"); },
         "/0123/// 6+0 '' 0,1"},
        {"clear", [](QMemo& M) { M.Clear(); }, "/// 0+0 '' 0,0"},
        {"typed, then recreated",
         [](QMemo& M) {
             SendMessageA(M.Handle(), EM_REPLACESEL, 0, reinterpret_cast<LPARAM>("!"));
             M.RecreateHandle();
         },
         "/!0123/ab// 0+0 '' 0,0"},
        {"select", [](QMemo& M) { M.SetSelStart(1), M.SetSelLength(2); },
         "/0123/ab// 1+2 '12' 3,0"},
        {"replace", [](QMemo& M) { M.SetSelStart(1), M.SetSelText("X"); },
         "/0X123/ab// 2+0 '' 2,0"},
        {"scroll bars", [](QMemo& M) { M.SetScrollBars(3); }, "/0123/ab// 0+0 '' 0,0 H V"},
        {"scroll bars kept by a value past both",
         [](QMemo& M) { M.SetScrollBars(3), M.SetScrollBars(4); }, "/0123/ab// 0+0 '' 0,0 H V"},
        {"no word wrap", [](QMemo& M) { M.SetWordWrap(0); }, "/0123/ab// 0+0 '' 0,0 A"},
    };
    ExpectActs(form, "0123\r\nab", memos);
}

// The rows run on one panel in turn. A border write repaints the panel, and that paint brings
// the client edge in line with the border. Then a part of the panel is repainted: the paint
// raises OnPaint before and after the panel's own drawing, and the caption goes into that part,
// grown by 2 for the borders the panel draws itself, placed by the alignment.
TEST_F(Components, PanelBorderAndCaption) {
    // Each row sets a border and an alignment, and expects them read back, the client edge, the
    // paints, and the caption's ink in the part (from 10, 10 to 80, 40), where a caption grown past
    // the part is cut off.
    const Row<std::pair<int, int>> rows[] = {
        {"none, one line left", {0, 0}, "0 0 0 2 11 19 62 33 "},
        {"client edge, one line centred", {1, 1}, "1 1 1 2 19 19 70 33 "},
        {"sunken, one line right", {2, 2}, "2 2 0 2 29 19 80 33 "},
        {"raised, wrapped left", {3, 3}, "3 3 0 2 10 10 60 24 "},
        {"client edge, wrapped centred", {1, 4}, "1 4 1 2 19 12 70 26 "},
        {"bump, wrapped right", {4, 5}, "4 5 0 2 29 10 80 24 "},
        {"5 is none and 6 is 0", {5, 6}, "0 0 0 2 11 19 62 33 "},
        {"negative: kept, no wrap at the top left", {-3, -1}, "-3 -1 0 2 11 12 62 26 "},
    };
    QPanel panel;
    panel.SetText("caption");
    panel.SetBounds(10, 10, 100, 60);
    panel.SetParent(&form);
    panel.OnPaint = CountEvent;
    RECT part{10, 10, 80, 40};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Name);
        panel.SetAlignment(row.Given.second);
        panel.SetBorderStyle(row.Given.first);
        PumpMessages();
        bool edge = GetWindowLongA(panel.Handle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE;
        std::string seen = Join(panel.BorderStyle(), panel.Alignment(), edge);
        Events = 0;
        RedrawWindow(panel.Handle(), &part, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        EXPECT_EQ(seen + Join(Events) + InkOf(panel.Handle(), part), row.Expected);
    }
}

// "dialog " for a window with a dialog's frame: no sizing border, no boxes but the close box.
std::string FrameOf(HWND Window) {
    LONG style = GetWindowLongA(Window, GWL_STYLE), ex = GetWindowLongA(Window, GWL_EXSTYLE);
    bool dialog = !(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX)) &&
                  (style & WS_SYSMENU) && (ex & WS_EX_DLGMODALFRAME);
    return dialog ? "dialog " : "window ";
}

// A designer's windows made by class name take the values DESIGNCLASS lists through
// QM_SETVALUE, set as a program's setter sets them; a name the class lacks, an address posted
// from anywhere and a window of another kind change nothing.
TEST_F(Components, WindowsMadeByNameTakeTheirClassValues) {
    struct ValueRow {
        const char* Class;
        const char* Value;
        LPARAM Given;
        LRESULT Answer;
        // colour, text colour, border, alignment, form style (and a form's keys), a button's
        // result and cancel
        const char* Expected;
    };
    const ValueRow rows[] = {
        {"QPanel", "Color", 0x123456, 1, "1193046 0 0 4 -"},
        {"QPanel", "TextColor", 0xFF, 1, "default 255 0 4 -"},
        {"QPanel", "BorderStyle", bsRaised, 1, "default 0 3 4 -"},
        {"QPanel", "Alignment", 1, 1, "default 0 0 1 -"},
        {"QPanel", "FormStyle", fsStayOnTop, 0, "default 0 0 4 -"},
        {"QPanel", "Colour", 5, 0, "default 0 0 4 -"},
        {"QForm", "FormStyle", fsStayOnTop, 1, "default 0 - - 3 0 "},
        {"QForm", "DialogKeys", 1, 1, "default 0 - - 0 1 "},
        {"QForm", "FormKind", fkDialog, 1, "default 0 - - 0 0 window "}, // a child keeps it
        {"QForm", "BorderStyle", bsRaised, 0, "default 0 - - 0 0 "},
        {"QLabel", "Color", 0xFF00, 1, "65280 0 - - -"},
        {"QButton", "Color", 0xFF00, 0, "default 0 - - - 0 0 "}, // a themed button draws no face
        {"QButton", "ModalResult", mrYes, 1, "default 0 - - - 6 0 "},
        {"QButton", "Cancel", 1, 1, "default 0 - - - 0 1 "},
        {"QCheckBox", "Cancel", 1, 0, "default 0 - - - 0 0 "},
    };
    for (const ValueRow& row : rows) {
        SCOPED_TRACE(std::string(row.Class) + " " + row.Value);
        HWND window = CreateWindowExA(0, row.Class, "", WS_CHILD | WS_VISIBLE, 0, 0, 50, 50,
                                      form.Handle(), nullptr, GetModuleHandleA(nullptr), nullptr);
        QFrame* frame = FrameOfWindow(window);
        ASSERT_TRUE(frame);
        uint32_t before = frame->Canvas.Color();
        PostMessageA(window, QM_SETVALUE, reinterpret_cast<WPARAM>(row.Value), row.Given);
        PumpMessages();
        EXPECT_EQ(frame->Canvas.Color(), before); // the posted one was dropped
        EXPECT_EQ(SendMessageA(window, QM_SETVALUE, reinterpret_cast<WPARAM>(row.Value), row.Given),
                  row.Answer);
        auto* panel = dynamic_cast<QCustomPanel*>(frame);
        auto* shown = dynamic_cast<QCustomForm*>(frame);
        auto* button = dynamic_cast<QCustomButton*>(frame);
        std::string colour =
            frame->Canvas.Color() == before ? "default" : std::to_string(frame->Canvas.Color());
        EXPECT_EQ(colour + " " + std::to_string(frame->Canvas.TextColor()) + " " +
                      (panel ? Join(panel->BorderStyle(), panel->Alignment()) : "- - ") +
                      (shown ? Join(shown->FormStyle(), shown->DialogKeys()) : "-") +
                      (button ? " " + Join(button->ModalResult(), button->Cancel()) : "") +
                      (shown && shown->FormKind() ? FrameOf(window) : ""),
                  row.Expected);
        DestroyWindow(window);
    }
    EXPECT_EQ(SendMessageA(form.Handle(), QM_SETVALUE, 0, 1), 0); // no name
    // A link takes a component's window or none, not a window of no component (the desktop's);
    // the form's shortcuts take their text, whole or not at all.
    QLabel label;
    QEdit edit;
    label.SetParent(&form), edit.SetParent(&form);
    auto set = [](QFrame& To, const char* Name, const void* Value) {
        return SendMessageA(To.Handle(), QM_SETVALUE, reinterpret_cast<WPARAM>(Name),
                            reinterpret_cast<LPARAM>(Value));
    };
    std::string seen;
    const std::pair<HWND, QFrame*> links[] = {
        {edit.Handle(), &edit}, {GetDesktopWindow(), &edit}, {nullptr, nullptr}};
    for (auto [window, linked] : links) {
        seen += Join(set(label, "FocusControl", window));
        seen += Join(label.FocusControl() == linked);
    }
    seen += Join(set(edit, "FocusControl", label.Handle()));
    // Anchors are any component's but a form's.
    seen += Join(set(edit, "Anchors", reinterpret_cast<void*>(akRight | akBottom)));
    seen += Join(edit.Anchors(), set(form, "Anchors", reinterpret_cast<void*>(akRight)));
    seen += Join(form.Anchors());
    for (const char* keys : {"ctrl+s=7, F5=8", "Ctrl+S=0", "", static_cast<const char*>(nullptr)}) {
        seen += Join(set(form, "Shortcuts", keys));
        seen += ShortcutListText(form.Shortcuts()) + "| ";
    }
    EXPECT_EQ(seen, "1 1 0 1 1 1 0 1 12 0 3 1 Ctrl+S=7,F5=8| 0 Ctrl+S=7,F5=8| 1 | 0 | ");
}

// A panel holding a bitmap is given another file: whether it holds the same image, the kind
// of what it holds, of the bitmap it held, whether it repainted, and the kind of its image once
// the panel is gone.
TEST_F(Components, PanelImagesLoadByExtensionAndReplacedOnesAreFreed) {
    // Each row names a file and the kind of image it holds; no file: one that does not exist.
    const Row<std::pair<const char*, int>> rows[] = {
        {"bitmap", {"image.BMP", 0}, "0 bitmap none 1 none "},
        {"icon", {"image.ico", 1}, "0 icon none 1 none "},
        {"cursor", {"image.cur", 2}, "0 cursor none 1 none "},
        {"a failed load", {"image.png", 0}, "0 none none 1 none "},
        {"missing: no repaint", {nullptr, 0}, "1 bitmap bitmap 0 none "},
    };
    std::string old = WriteTestFile(TempFolder() + "old.bmp", TinyImage(0));
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Name);
        auto panel = std::make_unique<QPanel>();
        panel->SetParent(&form);
        panel->SetImage(old);
        HANDLE before = panel->ImageHandle;
        PumpMessages();
        Events = 0;
        panel->OnPaint = CountEvent;
        auto [file, kind] = row.Given;
        std::string path = file ? WriteTestFile(TempFolder() + file, TinyImage(kind)) : old + "~";
        panel->SetImage(path);
        PumpMessages();
        HANDLE loaded = panel->ImageHandle;
        std::string observed = Join(loaded == before, KindOf(loaded), KindOf(before), Events > 0);
        panel.reset();
        EXPECT_EQ(observed + KindOf(loaded) + " ", row.Expected);
        DeleteFileA(path.c_str());
    }
    DeleteFileA(old.c_str());
}

// The test program's own factory, which VUdeRedo asks when no editor library is loaded (on
// i686 the export is "Create@28"). It records its call (the class, the parent's class, the place
// and size) and, like a factory that fails, writes no window back.
extern "C" __declspec(dllexport) BOOL
    __stdcall Create(const char* Class, HWND* Window, int X, int Y, int Cx, int Cy, int32_t*) {
    HostCall = Join(Class, ClassOf(*Window), X, Y, Cx, Cy);
    return FALSE;
}

// The editor's window comes from the library's factory, else from the program's; a factory
// that makes none leaves the editor without a window (not its parent's), and shows no box. The
// unload step leaves neither the library nor the class behind.
TEST_F(Components, EditorWindowComesFromTheLibrarysFactoryOrTheProgramsOrNone) {
    // Each row names the library copied where core loads mirvane from, and expects the window's
    // class and its parent's, the host's call, and whether the unload left nothing.
    const Row<const char*> rows[] = {
        {"stand-in", MIRVANE_DLL, "TSynEdit QForm | | 1 "},
        {"decorated name only", MIRVANE_DECORATED_DLL, "TSynEdit QForm | | 1 "},
        {"no library", nullptr, "none | TSynEdit QForm 5 6 70 80 | 1 "},
    };
    CreateDirectoryA(FolderOf(MIRVANE_INSTALLED).c_str(), nullptr);
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Name);
        if (row.Given) CopyFileA(row.Given, MIRVANE_INSTALLED, FALSE);
        LoadEditorLibrary();
        HostCall.clear();
        VUdeRedo editor;
        editor.SetClassAncestor("Edit"); // the factory is asked for TSynEdit whatever this holds
        editor.SetBounds(5, 6, 70, 80);
        editor.SetParent(&form);
        HWND window = editor.Handle();
        std::string observed = window ? Join(ClassOf(window), ClassOf(GetParent(window))) : "none ";
        // The editor's window runs the library's code: it goes before the library does.
        form.DestroyHandle();
        FreeEditorLibrary();
        bool gone =
            !EditorLibrary && !GetModuleHandleA(MIRVANE_INSTALLED) && !IsRegistered("VUdeRedo");
        EXPECT_EQ(observed + "| " + HostCall + "| " + Join(gone), row.Expected);
        DeleteFileA(MIRVANE_INSTALLED);
        form.SetParent(nullptr);
    }
}

// After a paint a component still answers with the colour it was given and its canvas holds a
// context it can draw on; a combo box gives its colours to its own edit field and list.
TEST_F(Components, PaintedComponentsKeepTheirColourAndAContextToDrawOn) {
    // Each row makes its component; it expects the colour read and whether the canvas draws,
    // then for each part of a combo box whether it gets the brush, and its background colour.
    const Row<QFrame* (*)()> rows[] = {
        {"QBlue, without its own context", []() -> QFrame* { return new QBlue; }, "197121 1 "},
        {"QRed, red once made whatever it was given", []() -> QFrame* { return new QRed; },
         "255 1 "},
        {"QComboBox", []() -> QFrame* { return new QComboBox; }, "197121 1 1 197121 1 197121 "},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Name);
        std::unique_ptr<QFrame> control(row.Given());
        control->Canvas.SetColor(RGB(1, 2, 3));
        control->SetBounds(0, 0, 40, 30);
        control->SetParent(&form);
        HWND window = control->Handle();
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        std::string seen = Join(control->Canvas.Color(), control->Canvas.Rectangle(0, 0, 1, 1));
        COMBOBOXINFO parts{};
        parts.cbSize = sizeof parts;
        if (GetComboBoxInfo(window, &parts))
            for (auto [part, request] : {std::pair{parts.hwndItem, WM_CTLCOLOREDIT},
                                         std::pair{parts.hwndList, WM_CTLCOLORLISTBOX}}) {
                HDC dc = GetDC(part);
                auto brush = SendMessageA(window, request, reinterpret_cast<WPARAM>(dc),
                                          reinterpret_cast<LPARAM>(part));
                seen += Join(brush == reinterpret_cast<LRESULT>(control->Canvas.Brush()),
                             GetBkColor(dc));
                ReleaseDC(part, dc);
            }
        EXPECT_EQ(seen, row.Expected);
    }
}

// QBox writes its class name at 20, 20 of its red client area: where its ink is, and the red.
// The demonstration frame is made with its place, size, names and children, before any window.
TEST_F(Components, DemonstrationFrameIsBuiltWithItsBoundsAndChildren) {
    QMyFrame frame;
    EXPECT_EQ(Join(frame.Left(), frame.Top(), frame.Width(), frame.Height(), frame.Name(),
                   frame.Text(), frame.Align(), frame.ControlCount(), frame.Handle() == nullptr),
              "627 210 742 409 Form1 Form1 5 2 1 ");
}

TEST_F(Components, BoxWritesItsClassNameAtTwentyTwenty) {
    QBox box;
    box.SetParent(&form);
    UpdateWindow(box.Handle());
    HDC dc = GetDC(box.Handle());
    EXPECT_EQ(InkOf(box.Handle(), {0, 0, 120, 60}) + Join(GetPixel(dc, 1, 1)), "21 23 57 35 255 ");
    ReleaseDC(box.Handle(), dc);
}

// Recreation takes what the window is to show, not what the screen shows now: a control of a
// hidden form shows with the form, a drop-down combo box keeps the height its list drops to,
// and a minimised or maximised form comes back so, over the normal rectangle it had.
TEST_F(Components, RecreationKeepsVisibilityTheDroppedListAndTheNormalPlacement) {
    QComboBox combo;
    combo.SetHeight(200);
    form.SetVisible(false);
    combo.SetParent(&form);
    auto dropped = [&] {
        RECT list{};
        combo.Perform(CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&list));
        return list.bottom - list.top;
    };
    std::string seen = Join(dropped());
    combo.RecreateHandle();
    form.SetVisible(true);
    seen += Join(dropped(), combo.Visible()) + "| ";
    for (int state : {SW_MINIMIZE, SW_MAXIMIZE}) {
        ShowWindow(form.Handle(), SW_RESTORE);
        form.SetBounds(10, 20, 300, 200);
        ShowWindow(form.Handle(), state);
        form.RecreateHandle();
        WINDOWPLACEMENT placement{};
        placement.length = sizeof placement;
        GetWindowPlacement(form.Handle(), &placement);
        const RECT& normal = placement.rcNormalPosition;
        seen += Join(IsIconic(form.Handle()), IsZoomed(form.Handle()), normal.left, normal.top,
                     normal.right, normal.bottom) +
                "| ";
    }
    EXPECT_EQ(seen, "177 177 1 | 1 0 10 20 310 220 | 0 1 10 20 310 220 | ");
}

// A worker thread of this process still drives the bars with its own records.
TEST_F(Components, BarsServeRecordsOfThisProcessFromAnotherThread) {
    QToolBar tools;
    QStatusBar status;
    tools.SetParent(&form);
    status.SetParent(&form);
    std::string seen;
    RunOnOtherThread([&] {
        TBBUTTON button{};
        button.idCommand = 7;
        button.fsState = TBSTATE_ENABLED;
        button.iString = reinterpret_cast<INT_PTR>("Tool");
        RECT place{};
        char text[16] = "";
        auto send = [](QFrame& To, UINT Msg, WPARAM WParam, const void* LParam) {
            return SendMessageA(To.Handle(), Msg, WParam, reinterpret_cast<LPARAM>(LParam));
        };
        seen = Join(send(tools, TB_ADDBUTTONSA, 1, &button));
        seen += Join(send(tools, TB_GETITEMRECT, 0, &place));
        seen += Join(place.right > place.left);
        seen += Join(send(tools, TB_GETBUTTONTEXTA, 7, text), text);
        seen += Join(send(status, SB_SETTEXTA, 0, "worker"));
        seen += Join(send(status, SB_GETTEXTA, 0, text), text);
    });
    EXPECT_EQ(seen, "1 1 1 4 Tool 1 6 worker ");
}
