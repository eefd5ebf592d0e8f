// The components on real windows under one form: clicks, edits and memos, gadgets, panels and
// the demonstration components.
#include "containers/bars.h"
#include "containers/panel.h"
#include "controls/edits.h"
#include "controls/gadget.h"
#include "controls/lists.h"
#include "designer/demo_components.h"
#include "designer/editor.h"
#include "object/class_registry.h"
#include "support/sent_messages.h"
#include "support/test_files.h"
#include "test_forms.h"

#include <commctrl.h>

#include <memory>

namespace {

class Components : public WindowTest {
protected:
    void SetUp() override {
        // The editor library is the editor test's own business.
        [[maybe_unused]] static bool registered =
            (RegisterLibraryClasses(), FreeEditorLibrary(), true);
        WindowTest::SetUp();
        form.SetParent(nullptr);
    }
    // The form's windows outlive the records the gadget test points WindowInfoPtr at.
    void TearDown() override { WindowInfoPtr = nullptr; }
    QForm form;
};

int Events = 0;
void CountEvent(QFrame*) {
    ++Events;
}

template <class Component> QFrame* Make() {
    return new Component;
}

template <class Control> struct ActRow {
    const char* Name;
    void (*Act)(Control&);
    const char* Expected;
};

std::string Observe(QEdit& Edit) {
    return std::to_string(Edit.SelStart()) + "+" + std::to_string(Edit.SelLength()) + " '" +
           Edit.SelText() + "'";
}

// The lines as Lines reads them, ending with the empty one past the last; the selection; the
// caret; the window's scroll bars (H, V) and horizontal scrolling (A).
std::string Observe(QMemo& Memo) {
    std::string seen;
    for (int line = 0; line <= Memo.LineCount(); ++line)
        seen += Memo.Lines(line) + "/";
    POINT caret = Memo.CaretPos();
    auto style = GetWindowLongA(Memo.Handle(), GWL_STYLE);
    return seen + " " + Observe(static_cast<QEdit&>(Memo)) + " " + std::to_string(caret.x) + "," +
           std::to_string(caret.y) + (style & WS_HSCROLL ? " H" : "") +
           (style & WS_VSCROLL ? " V" : "") + (style & ES_AUTOHSCROLL ? " A" : "");
}

template <class Control, size_t Count>
void ExpectActs(QForm& Form, const char* Text, const ActRow<Control> (&Rows)[Count]) {
    for (const auto& row : Rows) {
        SCOPED_TRACE(row.Name);
        Control control;
        control.SetText(Text);
        control.SetParent(&Form);
        row.Act(control);
        EXPECT_EQ(Observe(control), row.Expected);
    }
}

// The smallest rectangle holding the dark pixels of Area of Window's client area.
RECT InkOf(HWND Window, RECT Area) {
    RECT ink{};
    HDC dc = GetDC(Window);
    for (int y = Area.top; y < Area.bottom; ++y)
        for (int x = Area.left; x < Area.right; ++x) {
            COLORREF color = GetPixel(dc, x, y);
            RECT dot{x, y, x + 1, y + 1};
            if (GetRValue(color) + GetGValue(color) + GetBValue(color) < 200)
                UnionRect(&ink, &ink, &dot);
        }
    ReleaseDC(Window, dc);
    return ink;
}

// After a full repaint: the colour at 5,5, and whether anything dark is at 20,20 to 40,34.
std::string PaintOf(HWND Window) {
    RedrawWindow(Window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    RECT ink = InkOf(Window, {20, 20, 40, 34});
    HDC dc = GetDC(Window);
    std::string seen = std::to_string(GetPixel(dc, 5, 5)) + (IsRectEmpty(&ink) ? " " : " ink ");
    ReleaseDC(Window, dc);
    return seen;
}

// Value's Size low bytes, least significant first, as image files store numbers.
std::string Bytes(uint32_t Value, int Size) {
    std::string bytes;
    for (int i = 0; i < Size; ++i)
        bytes += static_cast<char>(Value >> 8 * i);
    return bytes;
}

// A 1 x 1 image file: a 24-bit bitmap (Kind 0), or a 32-bit icon (1) or cursor (2).
std::string TinyImage(int Kind) {
    std::string info = Bytes(40, 4) + Bytes(1, 4) + Bytes(Kind ? 2 : 1, 4) + Bytes(1, 2) +
                       Bytes(Kind ? 32 : 24, 2) + std::string(24, '\0');
    if (!Kind) return "BM" + Bytes(58, 4) + Bytes(0, 4) + Bytes(54, 4) + info + Bytes(0xFF0000, 4);
    return Bytes(Kind << 16, 4) + Bytes(1, 2) + Bytes(0x101, 4) + Bytes(0x200001, 4) +
           Bytes(48, 4) + Bytes(22, 4) + info + Bytes(0xFFFF0000, 4) + Bytes(0, 4);
}

// "bitmap", "icon" or "cursor" while Image is alive; "none" for no image or a freed one.
std::string KindOf(HANDLE Image) {
    if (GetObjectType(Image) == OBJ_BITMAP) return "bitmap";
    ICONINFO info{};
    if (!Image || !GetIconInfo(static_cast<HICON>(Image), &info)) return "none";
    DeleteObject(info.hbmMask);
    if (info.hbmColor) DeleteObject(info.hbmColor);
    return info.fIcon ? "icon" : "cursor";
}

// Exposes the rectangle the last paint drew the caption into.
class ProbePanel : public QPanel {
public:
    RECT CaptionRect() const { return FClientRect; }
};

} // namespace

// OnClicks from a press, a release, a space key down and up, and a notification (code 7) to
// the parent: the press raises one on every component, a reflected notification one more on
// labels and buttons whose identifier is 0. Only a tool bar's creation tells it the size of a
// button record, which differs between i686 and x86_64.
TEST_F(Components, ClicksFromThePressAndReflectedNotificationsOfIdentifierZero) {
    const struct {
        const char* Name;
        QFrame* (*Make)();
        const char* Expected; // with identifier 0, then 5
    } rows[] = {{"QButton", Make<QButton>, "11011 10000"},
                {"QLabel", Make<QLabel>, "20001 10000"},
                {"QEdit", Make<QEdit>, "10000 10000"},
                {"QListBox", Make<QListBox>, "10000 10000"},
                {"QToolBar", Make<QToolBar>, "10000 sized 10000 sized"}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Name);
        std::string observed;
        for (int id : {0, 5}) {
            SentMessageRecorder sent;
            std::unique_ptr<QFrame> control(row.Make());
            control->OnClick = CountEvent;
            control->SetParent(&form);
            control->SetID(id);
            HWND window = control->Handle();
            auto notification = reinterpret_cast<LPARAM>(window);
            const LoggedMessage inputs[] = {
                {window, WM_LBUTTONDOWN, MK_LBUTTON, 0},
                {window, WM_LBUTTONUP, 0, 0},
                {window, WM_KEYDOWN, VK_SPACE, 0},
                {window, WM_KEYUP, VK_SPACE, 0xC0000001},
                {form.Handle(), WM_COMMAND, MAKEWPARAM(id, 7), notification}};
            observed += id ? " " : "";
            for (const LoggedMessage& input : inputs) {
                Events = 0;
                SendMessageA(input.Window, input.Msg, input.WParam, input.LParam);
                observed += std::to_string(Events);
            }
            for (const SentMessage& size : sent.Of(window, TB_BUTTONSTRUCTSIZE))
                observed += size.WParam == sizeof(TBBUTTON) ? " sized" : " missized";
        }
        EXPECT_EQ(observed, row.Expected);
    }
}

TEST_F(Components, EditSelectionFindsTheTextIgnoringCaseAndReadsTheControl) {
    const ActRow<QEdit> rows[] = {
        {"found", [](QEdit& E) { E.SetSelText("World"); }, "6+5 'World'"},
        {"found ignoring case, read exactly", [](QEdit& E) { E.SetSelText("world"); }, "6+5 ''"},
        {"absent", [](QEdit& E) { E.SetSelStart(2), E.SetSelText("absent"); }, "2+0 ''"},
        {"on the control", [](QEdit& E) { SendMessageA(E.Handle(), EM_SETSEL, 3, 7); }, "3+4 ''"},
        {"length, then start", [](QEdit& E) { E.SetSelLength(4), E.SetSelStart(1); }, "1+4 ''"},
    };
    ExpectActs(form, "Hello World", rows);
    QEdit unmade;
    unmade.SetSelStart(4), unmade.SetSelLength(2), unmade.SetSelText("x");
    EXPECT_EQ(Observe(unmade), "4+0 'x'") << "without a window the values are kept";
}

TEST_F(Components, MemoLinesSelectionAndStyles) {
    const ActRow<QMemo> rows[] = {
        {"as made", [](QMemo&) {}, "0123/ab// 0+0 '' 0,0"},
        {"delete 0", [](QMemo& M) { M.DeleteLine(0); }, "ab// 0+0 '' 0,0"},
        {"delete the last: emptied", [](QMemo& M) { M.DeleteLine(1); }, "0123/// 6+0 '' 0,1"},
        {"delete 9", [](QMemo& M) { M.DeleteLine(9); }, "0123/ab// 0+0 '' 0,0"},
        {"add above a last line", [](QMemo& M) { M.AddLine("x"); }, "0123/x/ab// 9+0 '' 0,2"},
        {"add after", [](QMemo& M) { M.DeleteLine(1), M.AddLine("x"); }, "0123/x/// 9+0 '' 0,2"},
        {"insert 1", [](QMemo& M) { M.InsertLine(1, "z"); }, "0123/z/ab// 9+0 '' 0,2"},
        {"insert 2", [](QMemo& M) { M.InsertLine(2, "z"); }, "0123/ab/z// 11+0 '' 1,2"},
        {"insert -1", [](QMemo& M) { M.InsertLine(-1, "z"); }, "0123/ab// 0+0 '' 0,0"},
        {"insert 2 after", [](QMemo& M) { M.DeleteLine(1), M.InsertLine(2, "z"); },
         "0123/// 6+0 '' 0,1"},
        {"clear", [](QMemo& M) { M.Clear(); }, "// 0+0 '' 0,0"},
        {"select", [](QMemo& M) { M.SetSelStart(1), M.SetSelLength(2); }, "0123/ab// 1+2 '12' 3,0"},
        {"replace", [](QMemo& M) { M.SetSelStart(1), M.SetSelLength(2), M.SetSelText("X"); },
         "0X3/ab// 2+0 '' 2,0"},
        {"caret", [](QMemo& M) { M.SetSelStart(7); }, "0123/ab// 7+0 '' 1,1"},
        {"scroll bars", [](QMemo& M) { M.SetScrollBars(3); }, "0123/ab// 0+0 '' 0,0 H V"},
        {"7 is stored only", [](QMemo& M) { M.SetScrollBars(2), M.SetScrollBars(7); },
         "0123/ab// 0+0 '' 0,0 H"},
        {"no word wrap", [](QMemo& M) { M.SetWordWrap(0); }, "0123/ab// 0+0 '' 0,0 A"},
    };
    ExpectActs(form, "0123\r\nab", rows);
}

// Gadgets erase in their canvas colour, a second one of a class too (registering the class
// again fails harmlessly); a window made by class name builds its gadget from a copy of the
// record asked last, which the asker may free; without a record there is no class to use.
TEST_F(Components, GadgetsEraseInTheirColourAndFollowTheLastRecord) {
    const QWindowInfo toolBar{
        "QToolBarGadget", "toolbarwindow32", 0, WS_CHILD | WS_VISIBLE, 200, 30, GetGadgetWndProc()};
    const QWindowInfo own{"QOwnGadget", "", 0, WS_CHILD, 30, 30, GetGadgetWndProc()};
    BoxRecorder boxes;
    std::string observed;
    for (const QWindowInfo* record : {&toolBar, &own, &toolBar}) {
        QGadget gadget(record);
        gadget.Canvas.SetColor(RGB(255, 0, 0));
        gadget.SetParent(&form);
        observed += PaintOf(gadget.Handle());
    }
    QGadget asked(&own);
    asked.SetParent(&form);
    auto record = std::make_unique<QWindowInfo>(toolBar);
    SendMessageA(asked.Handle(), QM_GETWINDOWINFO, 0, reinterpret_cast<LPARAM>(record.get()));
    record->ClassName = "freed";
    record.reset();
    HWND made = CreateWindowExA(0, "QOwnGadget", "", WS_CHILD, 0, 0, 9, 9, form.Handle(), nullptr,
                                nullptr, nullptr);
    observed += FrameOfWindow(made)->ClassName() + " ";
    QGadget none(nullptr);
    none.SetParent(&form);
    for (const CaughtBox& box : boxes.Boxes())
        observed += box.Text;
    EXPECT_EQ(observed, "255 255 255 QOwnGadget Can''t find the class.");
}

// The rows run on one panel in turn. A border write repaints the panel, and that paint brings
// the client edge in line with the border. Each paint raises OnPaint before and after the
// panel's own drawing; the caption goes into the part being painted, grown by 2 for the
// borders the panel draws itself, and is placed by the alignment (checked by thirds of the
// client area).
TEST_F(Components, PanelBorderAndCaption) {
    const struct {
        const char* Name;
        int Border, Alignment;
        const char* Expected; // border, alignment, client edge, paints, caption rectangle, place
    } rows[] = {
        {"none, one line left", 0, 0, "0 0 - 2 10,10,40,30 11"},
        {"client edge, one line centred", 1, 1, "1 1 edge 2 10,10,40,30 12"},
        {"sunken, one line right", 2, 2, "2 2 - 2 8,8,42,32 13"},
        {"raised, wrapped left", 3, 3, "3 3 - 2 8,8,42,32 01"},
        {"client edge, wrapped centred", 1, 4, "1 4 edge 2 10,10,40,30 02"},
        {"bump, wrapped right", 4, 5, "4 5 - 2 8,8,42,32 03"},
        {"5 is none and 6 is 0", 5, 6, "0 0 - 2 10,10,40,30 11"},
        {"negative: kept, no wrap at the top left", -3, -1, "-3 -1 - 2 10,10,40,30 01"},
    };
    ProbePanel panel;
    panel.SetText("caption");
    panel.SetBounds(10, 10, 100, 60);
    panel.SetParent(&form);
    panel.OnPaint = CountEvent;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Name);
        panel.SetAlignment(row.Alignment);
        panel.SetBorderStyle(row.Border);
        PumpMessages();
        bool edge = GetWindowLongA(panel.Handle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE;
        Events = 0;
        PaintOf(panel.Handle());
        RECT client, part{10, 10, 40, 30};
        GetClientRect(panel.Handle(), &client);
        RECT ink = InkOf(panel.Handle(), {2, 2, client.right - 2, client.bottom - 2});
        std::string observed = std::to_string(panel.BorderStyle()) + " " +
                               std::to_string(panel.Alignment()) + (edge ? " edge " : " - ") +
                               std::to_string(Events) + " ";
        InvalidateRect(panel.Handle(), &part, TRUE);
        UpdateWindow(panel.Handle());
        RECT caption = panel.CaptionRect();
        for (LONG side : {caption.left, caption.top, caption.right, caption.bottom})
            observed += std::to_string(side) + (side == caption.bottom ? " " : ",");
        observed += std::to_string((ink.top + ink.bottom) * 3 / 2 / client.bottom) +
                    std::to_string((ink.left + ink.right) * 3 / 2 / client.right + 1);
        EXPECT_EQ(observed, row.Expected);
    }
}

// A panel holding a bitmap is given another file: what it then holds, what became of the
// bitmap, whether it repainted, and what became of the new image with the panel.
TEST_F(Components, PanelImagesLoadByExtensionAndReplacedOnesAreFreed) {
    const struct {
        const char* Name;
        const char* File; // null: a file that does not exist
        int Kind;
        const char* Expected;
    } rows[] = {
        {"bitmap", "image.BMP", 0, "bitmap, before none, repainted; none"},
        {"icon", "image.ico", 1, "icon, before none, repainted; none"},
        {"cursor", "image.cur", 2, "cursor, before none, repainted; none"},
        {"mixed case: nothing", "image.Bmp", 0, "same bitmap, before bitmap, repainted; none"},
        {"a failed load", "image.png", 0, "none, before none, repainted; none"},
        {"missing: no repaint", nullptr, 0, "same bitmap, before bitmap; none"},
    };
    std::string first = WriteTestFile(TempFolder() + "first.bmp", TinyImage(0));
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Name);
        auto panel = std::make_unique<QPanel>();
        panel->SetParent(&form);
        panel->SetImage(first);
        HANDLE before = panel->ImageHandle;
        PumpMessages();
        Events = 0;
        panel->OnPaint = CountEvent;
        std::string path = row.File ? WriteTestFile(TempFolder() + row.File, TinyImage(row.Kind))
                                    : first + ".gone";
        panel->SetImage(path);
        PumpMessages();
        HANDLE loaded = panel->ImageHandle;
        std::string observed = (loaded == before ? "same " : "") + KindOf(loaded) + ", before " +
                               KindOf(before) + (Events ? ", repainted" : "");
        panel.reset();
        EXPECT_EQ(observed + "; " + KindOf(loaded), row.Expected);
        DeleteFileA(path.c_str());
    }
    DeleteFileA(first.c_str());
}

// The demonstration classes come and go together: the program's own plain, the designer's
// frame with the library's class style, the box global. The box writes its class name on red
// in a client edge; the red form is red again once its window exists, whatever its colour was
// before; a blue window made by name paints blue.
TEST_F(Components, DemoComponentsRegisterAndPaint) {
    std::string observed;
    for (int pass = 0; pass < 2; ++pass, UnregisterDemoClasses())
        for (const char* name : {"QBlue", "QGreen", "QRed", "QDummy", "QMyFrame", "QBox"}) {
            WNDCLASSEXA info{};
            info.cbSize = sizeof info;
            bool found = GetClassInfoExA(GetModuleHandleA(nullptr), name, &info);
            observed += (found ? std::to_string(info.style) : "-") + " ";
        }
    RegisterDemoClasses();
    QBox box;
    box.SetBounds(0, 0, 120, 60);
    box.SetParent(&form);
    QRed red;
    red.Canvas.SetColor(RGB(0, 0, 255));
    red.SetBounds(130, 0, 40, 40);
    red.SetParent(&form);
    HWND blue = CreateWindowExA(0, "QBlue", "", WS_CHILD | WS_VISIBLE, 180, 0, 50, 50,
                                form.Handle(), nullptr, GetModuleHandleA(nullptr), nullptr);
    bool edge = GetWindowLongA(box.Handle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE;
    EXPECT_EQ(observed + PaintOf(box.Handle()) + PaintOf(box.Handle()) + PaintOf(red.Handle()) +
                  PaintOf(blue) + (edge ? "edge" : ""),
              "0 0 0 0 16424 16384 - - - - - - 255 ink 255 ink 255 16711680 edge");
    DestroyWindow(blue);
}
