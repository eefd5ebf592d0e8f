// The designer at scale, side by side in one run: opening a form of 500 components against
// making the same windows by class name, and undoing its 500 placements one step at a time
// against opening it; then the seconds redoing them takes. It drives a real designer window
// through its messages, with core.dll loaded from beside the program as the designer loads it.
// Usage: designer_bench [COMPONENTS]
#include "timing.h"

#include "commands.h"
#include "core_library.h"
#include "designer_window.h"
#include "form_file.h"
#include "report.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>

namespace {

constexpr size_t FormComponents = 500; // unless the command line gives another number
// Opening takes about a second a side; each round of undo first places the whole form again,
// some twenty seconds, so it has fewer.
constexpr int OpeningRounds = 5, UndoRounds = 3;
constexpr char HostClass[] = "DesignerBenchHost";

// A form as a person lays one out: cards of six controls in three rows of two, every other card
// a panel or a group box holding them, the others loose on the form. Names and texts are those
// the designer gives placed components.
FormModel LargeForm(const CoreLibrary& Core, size_t Count) {
    const char* const holders[] = {"QPanel", "QGroupBox"};
    const char* const controls[] = {"QLabel",    "QEdit",    "QButton", "QCheckBox", "QRadioButton",
                                    "QComboBox", "QListBox", "QMemo",   "QScrollBar"};
    constexpr int CardWidth = 200, CardHeight = 110, Columns = 9;
    FormModel form;
    std::map<std::string, int> counts;
    auto add = [&](const std::string& ClassName, const std::string& Holder, int Left, int Top,
                   int Width, int Height) {
        const ClassDesign& design = Core.DesignOf(ClassName);
        ComponentRecord record = design.NewComponent(ClassName);
        std::string base = ClassName.substr(1);
        record.Name = record.Text = base + std::to_string(++counts[base]);
        record.Parent = Holder;
        record.Left = Left, record.Top = Top, record.Width = Width, record.Height = Height;
        record.Id = form.FreeId();
        if (design.ItemsMessage) record.Items = {"First", "Second", "Third"};
        form.Components.push_back(record);
        return record.Name;
    };
    int card = 0, control = 0;
    for (; form.Components.size() < Count; ++card) {
        int left = card % Columns * CardWidth, top = card / Columns * CardHeight;
        std::string holder;
        if (card % 2 == 0) {
            holder =
                add(holders[card / 2 % 2], "", left + 4, top + 4, CardWidth - 8, CardHeight - 8);
            left = 0, top = 10;
        }
        for (int i = 0; i < 6 && form.Components.size() < Count; ++i)
            add(controls[control++ % std::size(controls)], holder, left + 6 + i % 2 * 94,
                top + 6 + i / 2 * 28, 88, 24);
    }
    form.Form.Width = Columns * CardWidth;
    form.Form.Height = (card + Columns - 1) / Columns * CardHeight;
    return form;
}

// Handles what is pending, painting included, as the designer's message loop would.
void Pump(DesignerWindow* Designer = nullptr) {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (Designer && Designer->PreTranslate(message)) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

bool WriteText(const std::string& Path, const std::string& Text) {
    std::ofstream out(Path, std::ios::binary | std::ios::trunc);
    out << Text;
    return out.good();
}

// The platform's share of opening: a top-level window holding a "QForm" window like the
// designer's surface, and in it the form's windows made by class name with the same texts,
// bounds, styles, identifiers and items, each in its holder's window.
class PlainForm {
public:
    PlainForm(const FormModel& Model, const CoreLibrary& Core) : Model(Model), Core(Core) {}
    ~PlainForm() { Close(); }
    PlainForm(const PlainForm&) = delete;
    PlainForm& operator=(const PlainForm&) = delete;

    void Prepare() {
        Close();
        RECT outer = {0, 0, Model.Form.Width, Model.Form.Height};
        AdjustWindowRectEx(&outer, WS_CHILD, FALSE, WS_EX_CLIENTEDGE);
        int width = outer.right - outer.left, height = outer.bottom - outer.top;
        Host = CreateWindowExA(0, HostClass, "", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_VISIBLE,
                               0, 0, width + 100, height + 100, nullptr, nullptr,
                               GetModuleHandleA(nullptr), nullptr);
        Form =
            CreateWindowExA(WS_EX_CLIENTEDGE, "QForm", "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN,
                            8, 8, width, height, Host, nullptr, GetModuleHandleA(nullptr), nullptr);
        Pump();
    }

    void Make() {
        std::map<std::string, HWND> made;
        for (const ComponentRecord& c : Model.Components) {
            HWND window = CreateWindowExA(c.ExStyle, c.ClassName.c_str(), c.Text.c_str(),
                                          c.Style | WS_VISIBLE, c.Left, c.Top, c.Width, c.Height,
                                          c.Parent.empty() ? Form : made[c.Parent],
                                          reinterpret_cast<HMENU>(static_cast<INT_PTR>(c.Id)),
                                          GetModuleHandleA(nullptr), nullptr);
            for (const std::string& item : c.Items)
                SendMessageA(window, Core.DesignOf(c.ClassName).ItemsMessage, 0,
                             reinterpret_cast<LPARAM>(item.c_str()));
            made[c.Name] = window;
        }
        Pump();
    }

private:
    void Close() {
        if (Host) DestroyWindow(Host);
        Host = Form = nullptr;
        Pump();
    }

    const FormModel& Model;
    const CoreLibrary& Core;
    HWND Host = nullptr, Form = nullptr;
};

// The designer driven as a person and the tests drive it: text commands, menu commands, and
// mouse messages on its surface taken by its message loop.
class DrivenDesigner {
public:
    explicit DrivenDesigner(const CoreLibrary& Core) : Core(Core), Designer(Core) {}
    bool Create() {
        if (!Designer.Create({0, false})) return false; // placed where drawn
        Surface = FindWindowExA(Designer.Window(), nullptr, "QForm", nullptr);
        return Surface != nullptr;
    }

    bool Text(std::string Line) {
        COPYDATASTRUCT data{DesignerTextCommand, static_cast<DWORD>(Line.size()), &Line[0]};
        bool done =
            SendMessageA(Designer.Window(), WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data)) == 1;
        Pump(&Designer);
        return done;
    }

    void Command(int Id, size_t Times = 1) {
        for (size_t i = 0; i < Times; ++i) {
            SendMessageA(Designer.Window(), WM_COMMAND, static_cast<WPARAM>(Id), 0);
            Pump(&Designer);
        }
    }

    // Places each of Form's components with its palette tool, drawn out over its bounds: one
    // edit each.
    void PlaceAll(const FormModel& Form) {
        Text("new");
        for (const ComponentRecord& c : Form.Components) {
            auto tool = std::find(Core.Classes.begin(), Core.Classes.end(), c.ClassName);
            Command(FirstTool + static_cast<int>(tool - Core.Classes.begin()));
            POINT at = {c.Left, c.Top};
            if (const ComponentRecord* holder = Form.Find(c.Parent)) {
                POINT middle = {holder->Left + holder->Width / 2, holder->Top + holder->Height / 2};
                MapWindowPoints(ChildWindowFromPointEx(Surface, middle, CWP_SKIPINVISIBLE), Surface,
                                &at, 1);
            }
            Mouse(WM_LBUTTONDOWN, at);
            Mouse(WM_LBUTTONUP, {at.x + c.Width, at.y + c.Height});
            Pump(&Designer);
        }
    }

private:
    void Mouse(UINT Message, POINT At) {
        MSG message{};
        message.hwnd = Surface;
        message.message = Message;
        message.wParam = Message == WM_LBUTTONDOWN ? MK_LBUTTON : 0;
        message.lParam = MAKELPARAM(At.x, At.y);
        Designer.PreTranslate(message);
    }

    const CoreLibrary& Core;
    DesignerWindow Designer;
    HWND Surface = nullptr;
};

void RegisterHostClass() {
    WNDCLASSEXA host{};
    host.cbSize = sizeof host;
    host.lpfnWndProc = DefWindowProcA;
    host.hInstance = GetModuleHandleA(nullptr);
    host.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    host.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    host.lpszClassName = HostClass;
    RegisterClassExA(&host);
}

std::string TemporaryPath(const char* Name) {
    char folder[MAX_PATH];
    DWORD length = GetTempPathA(sizeof folder, folder);
    return std::string(folder, length) + Name;
}

void PrintSeconds(const std::string& Name, double Seconds) {
    PrintFigure(Name, Seconds, "s");
}

} // namespace

int main(int Count, char** Arguments) {
    size_t components = Count > 1 ? std::strtoul(Arguments[1], nullptr, 10) : FormComponents;
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_BAR_CLASSES | ICC_TAB_CLASSES};
    InitCommonControlsEx(&controls);
    CoreLibrary core;
    std::string problem;
    if (LoadCoreLibrary(CoreBesideProgram(), core, problem) != LoadFailure::None) {
        std::printf("%s\n", problem.c_str());
        return 1;
    }
    // What the designer would show in a box goes to a file, where no click is awaited.
    ReportToLog("designer-bench-report.txt");
    RegisterHostClass();
    FormModel form = LargeForm(core, components);
    std::string generated = TemporaryPath("designer-bench.vform");
    std::string placed = TemporaryPath("designer-bench-placed.vform");
    DrivenDesigner designer(core);
    PlainForm plain(form, core);
    SideBySide opening{}, undoing{};
    double redoing = 0;
    {
        QuietOutput quiet;
        if (!WriteText(generated, FormatFormFile(core, form)) || !designer.Create()) return 1;
        auto openGenerated = [&] { designer.Text("open " + generated); };
        opening =
            CompareSideBySide({[&] { designer.Text("new"); }, openGenerated},
                              {[&] { plain.Prepare(); }, [&] { plain.Make(); }}, OpeningRounds);
        // Undo is measured against opening the form it takes apart, as placed and saved.
        designer.PlaceAll(form);
        designer.Text("save " + placed);
        PreparedWork openPlaced = {[&] { designer.Text("new"); },
                                   [&] { designer.Text("open " + placed); }};
        auto undoAll = [&] { designer.Command(CommandUndo, components); };
        undoing =
            CompareSideBySide({[&] { designer.PlaceAll(form); }, undoAll}, openPlaced, UndoRounds);
        designer.PlaceAll(form);
        undoAll();
        redoing = MedianSeconds([&] { designer.Command(CommandRedo, components); }, 1);
    }
    DeleteFileA(generated.c_str());
    DeleteFileA(placed.c_str());
    std::string count = std::to_string(components);
    PrintSeconds("designer open " + count, opening.Library);
    PrintSeconds("designer plain creation " + count, opening.Baseline);
    PrintRatio("designer open", opening.Ratio, 1.5, opening.Spread);
    PrintSeconds("designer undo " + count + " steps", undoing.Library);
    PrintRatio("designer undo", undoing.Ratio, 1.5, undoing.Spread);
    PrintSeconds("designer redo " + count + " steps", redoing);
    return 0;
}
