// parvex: drives the component classes end to end with fixed values. It registers the control
// classes, builds a main form and a scratch window with windows of the library's classes,
// exercises the string list, the canvas and the path utilities, and runs the message loop.
#include "containers/paths.h"
#include "containers/string_list.h"
#include "controls/buttons.h"
#include "controls/edits.h"
#include "controls/gadget.h"
#include "controls/lists.h"
#include "object/diagnostics.h"
#include "object/forms.h"
#include "object/window_class.h"

#include <cstdint>
#include <string>

#define QUOTE_(X) #X
#define QUOTE(X) QUOTE_(X)

// gcc writes an assembler name out as it stands, so one with spaces and colons is quoted for
// the assembler; clang takes it as the symbol's name itself and would keep the quotes in it.
#ifdef __clang__
#define SYMBOL_QUOTE
#else
#define SYMBOL_QUOTE "\""
#endif

// The canvas Color setter, exported under the name designers know it by (parvex.def); the
// assembler name carries the platform's symbol prefix so that the .def entry finds it.
extern "C" void SetCanvasColor(QCanvas* Canvas, unsigned int Color) __asm__(
    SYMBOL_QUOTE QUOTE(__USER_LABEL_PREFIX__) "QCANVAS::COLOR__set__(unsigned int)" SYMBOL_QUOTE);

void SetCanvasColor(QCanvas* Canvas, unsigned int Color) {
    Canvas->SetColor(Color);
}

namespace {

constexpr char CompilerPath[] = "c:\\programs files\\oxvell\\qmx.exe";

// The record GadgetWndProc builds gadgets from; it outlives every window of the program.
QWindowInfo GadgetRecord;

// It and ClassesRegistered below are made before main by design. They throw only for want of
// memory, when ending the program, which is what such an exception does, is the only answer.
QForm MainForm; // NOLINT(cert-err58-cpp)

// Console lines are printed like a comma-separated BASIC print: every item but the last is
// padded with spaces to the start of the next 14-column print zone.
class ConsoleLine {
public:
    void Item(const std::string& Text) {
        FColumn += Text.size();
        size_t padding = ZoneWidth - FColumn % ZoneWidth;
        FColumn += padding;
        WriteStandardOutput(Text + std::string(padding, ' '));
    }
    void Last(const std::string& Text) { WriteDiagnosticLine(Text); }

private:
    static constexpr size_t ZoneWidth = 14;
    size_t FColumn = 0;
};

// Non-negative signed numbers print with a leading space where a minus sign would stand.
std::string Signed(long long Value) {
    return Value < 0 ? std::to_string(Value) : " " + std::to_string(Value);
}

template <class Registration>
void PrintRegistration(const std::string& Label, Registration Register) {
    ConsoleLine line;
    line.Item(Label);
    ATOM atom = Register();
    line.Item(Signed(atom));
    line.Item("last error=");
    line.Last(std::to_string(GetLastError()));
}

struct ControlClass {
    const char* Name;
    const char* Ancestor;
    WNDPROC WndProc;
};

const ControlClass ControlClasses[] = {
    {"QLabel", "Static", LabelWndProc},
    {"QButton", "Button", ButtonWndProc},
    {"QCheckBox", "Button", ButtonWndProc},
    {"QRadioButton", "Button", ButtonWndProc},
    {"QGroupBox", "Button", ButtonWndProc},
    {"QEdit", "Edit", EditWndProc},
    // Built on the class just registered, not on the system edit class.
    {"QMemo", "QEdit", EditWndProc},
    {"QListBox", "ListBox", ListBoxWndProc},
    {"QComboBox", "ComboBox", ComboBoxWndProc},
    {"QScrollBar", "ScrollBar", ScrollBarWndProc},
};

// Runs before main, after MainForm has been constructed.
const bool ClassesRegistered = [] { // NOLINT(cert-err58-cpp)
    PrintRegistration("QForm register=", RegisterFormClass);
    for (const ControlClass& control : ControlClasses)
        PrintRegistration(std::string(control.Name) + " register=", [&control] {
            return RegisterSuperclass(control.Name, control.Ancestor, control.WndProc);
        });
    return true;
}();

void ShowOk(QFrame*) {
    AlertBox("ok", "ok", MB_ICONQUESTION);
}

void PaintMark(QFrame* Sender) {
    Sender->Canvas.TextOut(1, 1, "fuck");
}

HWND CreateDirectWindow(DWORD ExStyle, const char* ClassName, DWORD Style, int X, int Y, int Width,
                        int Height, HWND Parent) {
    return CreateWindowExA(ExStyle, ClassName, "coming from scratch", Style, X, Y, Width, Height,
                           Parent, nullptr, GetModuleHandleA(nullptr), nullptr);
}

void DescribeGadget(const char* ClassName, const char* Ancestor, DWORD Style, int Width,
                    int Height) {
    GadgetRecord.ClassName = ClassName;
    GadgetRecord.ClassAncestor = Ancestor;
    GadgetRecord.ExStyle = 0;
    GadgetRecord.Style = Style;
    GadgetRecord.Width = Width;
    GadgetRecord.Height = Height;
}

} // namespace

int main(int, char**) {
    // Lives as long as the process, as core.dll's does while it is loaded.
    Application = new QApplication;
    MainForm.SetParent(nullptr);
    HWND scratchWindow = CreateWindowExA(
        WS_EX_APPWINDOW, "QForm", "coming from scratch", WS_VISIBLE | WS_OVERLAPPEDWINDOW, 100, 300,
        450, 250, MainForm.Handle(), nullptr, GetModuleHandleA(nullptr), nullptr);

    WindowInfoPtr = &GadgetRecord;
    DescribeGadget("QToolBarGadget", "toolbarwindow32", WS_CHILD, 50, 50);
    GadgetRecord.WndProc = GetGadgetWndProc();
    QGadget stripGadget(&GadgetRecord);
    stripGadget.SetParent(&MainForm);
    CreateDirectWindow(WS_EX_CLIENTEDGE, "QToolBarGadget", WS_CHILD | WS_VISIBLE, 20, 92, 150, 25,
                       scratchWindow);

    DescribeGadget("QmyFrame", "", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, 550,
                   250);
    QGadget frameGadget(&GadgetRecord);
    frameGadget.OnCreate = ShowOk;
    frameGadget.SetBounds(100, 100, 550, 240);
    frameGadget.SetParent(&MainForm);
    frameGadget.Canvas.TextOut(10, 10, "buci");
    frameGadget.OnPaint = PaintMark;

    HWND frameChild = CreateDirectWindow(WS_EX_CLIENTEDGE, "QmyFrame",
                                         WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN,
                                         10, 22, 150, 125, frameGadget.Handle());
    // The object sits in the window's binding slot; a window that failed or has no object
    // is left alone.
    if (QFrame* child = FrameOfWindow(frameChild)) {
        child->OnPaint = PaintMark;
        SetCanvasColor(&child->Canvas, 0x0000FF00);
    }

    QButton testButton;
    testButton.SetBounds(14, 22, 75, 35);
    testButton.SetParent(&MainForm);
    CreateDirectWindow(0, "qbutton", WS_CHILD | WS_VISIBLE, 10, 22, 150, 25, scratchWindow);

    QEdit testEdit;
    testEdit.SetParent(&MainForm);
    testEdit.SetBounds(100, 22, 221, 21);
    CreateDirectWindow(WS_EX_CLIENTEDGE, "QEdit", WS_CHILD | WS_VISIBLE, 200, 22, 150, 25,
                       scratchWindow);

    ConsoleLine owner;
    owner.Item("mainwindow=");
    owner.Last(std::to_string(reinterpret_cast<uintptr_t>(OwnerWindow())));

    QStrings testLines;
    testLines.SetCommaText("fuck\nfuck\nfuck\n");
    WriteDiagnosticLine(testLines.CommaText());
    testLines.LoadFromFile("parvex.cpp");
    testLines.SaveToFile("buci.txt");

    WriteDiagnosticLine(FolderOf(CompilerPath));
    WriteDiagnosticLine(ExtensionOf(CompilerPath));
    WriteDiagnosticLine(FileNameOf(CompilerPath));
    WriteDiagnosticLine(ReplaceExtension(CompilerPath, ".dll"));
    WriteDiagnosticLine(ReplaceFolder(CompilerPath, "c:\\"));

    Application->Run();
    // The components go in the reverse of their construction: the list, the edit, the button,
    // then the two gadgets.
    return 0;
}
