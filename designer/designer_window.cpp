#include "designer_window.h"

#include "clipboard.h"
#include "code_generator.h"
#include "commands.h"
#include "component_window.h"
#include "containers/bar_addresses.h"
#include "font_dialog.h"
#include "form_file.h"
#include "report.h"

#include <commdlg.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <sstream>

namespace {

constexpr int Margin = 8;
constexpr int SurfaceWidth = 560; // the narrowest and lowest the surface's room gets
constexpr int SurfaceHeight = 400;
constexpr int PropertyWidth = 246;
constexpr int TreeWidth = 180;
// The Format menu's grid sizes, none first.
constexpr int GridSizes[] = {0, 4, 8, 16};
// How long the selection rests before the property list follows it, in milliseconds.
constexpr UINT SelectionRest = 100;
constexpr UINT_PTR SelectionTimer = 1;

// The Format menu's items, in the order of their commands from CommandAlignLefts; a separator
// goes before each group, and the grid's sizes before the snap lines.
HMENU BuildFormatMenu() {
    const char* const items[] = {
        "Align &lefts\tCtrl+Left",
        "Align &rights\tCtrl+Right",
        "Align &tops\tCtrl+Up",
        "Align &bottoms\tCtrl+Down",
        "Align &centres",
        "Align &middles",
        "Same &width",
        "Same &height",
        "Same &size",
        "Space evenly &across",
        "Space evenly &down",
        "Centre in holder acr&oss",
        "Centre in holder do&wn",
        "Snap to other &components",
        "Bring to &front",
        "Send to bac&k",
        "&Tab order\tCtrl+T",
    };
    HMENU format = CreatePopupMenu();
    for (int i = 0; i < static_cast<int>(std::size(items)); ++i) {
        int id = CommandAlignLefts + i;
        if (id == CommandSameWidth || id == CommandSpaceAcross || id == CommandBringToFront)
            AppendMenuA(format, MF_SEPARATOR, 0, nullptr);
        if (id == CommandSnapLines) {
            HMENU grid = CreatePopupMenu();
            for (int size : GridSizes)
                AppendMenuA(grid, MF_STRING, CommandGrid + size,
                            size ? (std::to_string(size) + " pixels").c_str() : "&None");
            AppendMenuA(format, MF_SEPARATOR, 0, nullptr);
            AppendMenuA(format, MF_POPUP, reinterpret_cast<UINT_PTR>(grid), "&Grid");
        }
        AppendMenuA(format, MF_STRING, id, items[i]);
    }
    return format;
}

HMENU BuildMenu() {
    HMENU file = CreatePopupMenu();
    AppendMenuA(file, MF_STRING, CommandNew, "&New\tCtrl+N");
    AppendMenuA(file, MF_STRING, CommandOpen, "&Open...\tCtrl+O");
    AppendMenuA(file, MF_STRING, CommandSave, "&Save\tCtrl+S");
    AppendMenuA(file, MF_STRING, CommandSaveAs, "Save &as...");
    AppendMenuA(file, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(file, MF_STRING, CommandGenerate, "&Generate C++...");
    AppendMenuA(file, MF_STRING, CommandTest, "&Test form\tCtrl+R");
    AppendMenuA(file, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(file, MF_STRING, CommandExit, "E&xit");
    HMENU edit = CreatePopupMenu();
    AppendMenuA(edit, MF_STRING, CommandUndo, "");
    AppendMenuA(edit, MF_STRING, CommandRedo, "");
    AppendMenuA(edit, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(edit, MF_STRING, CommandCut, "Cu&t\tCtrl+X");
    AppendMenuA(edit, MF_STRING, CommandCopy, "&Copy\tCtrl+C");
    AppendMenuA(edit, MF_STRING, CommandPaste, "&Paste\tCtrl+V");
    AppendMenuA(edit, MF_STRING, CommandDuplicate, "Dupl&icate\tCtrl+D");
    AppendMenuA(edit, MF_STRING, CommandDelete, "&Delete\tDel");
    AppendMenuA(edit, MF_STRING, CommandSelectAll, "Select a&ll\tCtrl+A");
    AppendMenuA(edit, MF_STRING, CommandApply, "&Apply properties\tEnter");
    HMENU bar = CreateMenu();
    AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), "&File");
    AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(edit), "&Edit");
    AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(BuildFormatMenu()), "F&ormat");
    return bar;
}

HACCEL BuildKeys() {
    ACCEL keys[] = {
        {FCONTROL | FVIRTKEY, 'N', CommandNew},
        {FCONTROL | FVIRTKEY, 'O', CommandOpen},
        {FCONTROL | FVIRTKEY, 'S', CommandSave},
        {FCONTROL | FVIRTKEY, 'Z', CommandUndo},
        {FCONTROL | FVIRTKEY, 'Y', CommandRedo},
        {FCONTROL | FSHIFT | FVIRTKEY, 'Z', CommandRedo},
        {FCONTROL | FVIRTKEY, 'A', CommandSelectAll},
        {FCONTROL | FVIRTKEY, 'X', CommandCut},
        {FCONTROL | FVIRTKEY, 'C', CommandCopy},
        {FCONTROL | FVIRTKEY, 'V', CommandPaste},
        {FCONTROL | FVIRTKEY, 'D', CommandDuplicate},
        {FCONTROL | FVIRTKEY, 'T', CommandTabOrder},
        {FCONTROL | FVIRTKEY, 'R', CommandTest},
        {FCONTROL | FVIRTKEY, VK_LEFT, CommandAlignLefts},
        {FCONTROL | FVIRTKEY, VK_RIGHT, CommandAlignRights},
        {FCONTROL | FVIRTKEY, VK_UP, CommandAlignTops},
        {FCONTROL | FVIRTKEY, VK_DOWN, CommandAlignBottoms},
    };
    return CreateAcceleratorTableA(keys, sizeof keys / sizeof keys[0]);
}

// Ctrl with one of Keys.
bool IsControlKey(const MSG& Message, std::initializer_list<WPARAM> Keys) {
    return Message.message == WM_KEYDOWN &&
           std::find(Keys.begin(), Keys.end(), Message.wParam) != Keys.end() &&
           GetKeyState(VK_CONTROL) < 0;
}

// What the edit made by a menu item is called: its text without the key and the underline.
std::string EditName(HMENU Menu, int Id) {
    char text[64] = "";
    GetMenuStringA(Menu, Id, text, sizeof text, MF_BYCOMMAND);
    std::string name = text;
    name.resize(std::min(name.find('\t'), name.size()));
    name.erase(std::remove(name.begin(), name.end(), '&'), name.end());
    return name;
}

bool ReadWholeFile(const std::string& Path, std::string& Text) {
    std::ifstream in(Path, std::ios::binary);
    if (!in) return false;
    std::ostringstream content;
    content << in.rdbuf();
    Text = content.str();
    return true;
}

bool WriteWholeFile(const std::string& Path, const std::string& Text) {
    std::ofstream out(Path, std::ios::binary | std::ios::trunc);
    out << Text;
    out.close();
    return !out.fail();
}

} // namespace

DesignerWindow::~DesignerWindow() {
    if (Keys) DestroyAcceleratorTable(Keys);
}

bool DesignerWindow::Create(const DesignerSettings& Settings) {
    WNDCLASSEXA main{};
    main.cbSize = sizeof main;
    main.lpfnWndProc = WindowProc;
    // The window procedure keeps this object's address there with SetWindowLongPtrA.
    main.cbWndExtra = sizeof(LONG_PTR);
    main.hInstance = GetModuleHandleA(nullptr);
    main.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    main.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    main.lpszClassName = DesignerWindowClass;
    if (!RegisterClassExA(&main)) return false;
    Main = CreateWindowExA(0, DesignerWindowClass, "", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                           CW_USEDEFAULT, CW_USEDEFAULT, 100, 100, nullptr, BuildMenu(),
                           GetModuleHandleA(nullptr), this);
    if (!Main || !Tools.Create(Main, Core, FirstTool) || !Formats.Create(Tools.Window(), Main))
        return false;
    Status = CreateWindowExA(0, STATUSCLASSNAMEA, "", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, Main,
                             nullptr, GetModuleHandleA(nullptr), nullptr);
    if (Status) GuardBarRecords(Status, StatusBarAddresses);
    int top = Tools.Height() + Margin;
    if (!Surface.Create(Main, Core, {Margin, top, Margin + SurfaceWidth, top + SurfaceHeight},
                        Model) ||
        !Properties.Create(Main, Core, {0, top}, PropertyWidth, FirstPropertyEdit, CommandApply) ||
        !Objects.Create(Main, {0, top, TreeWidth, top + SurfaceHeight}, ObjectTreeId))
        return false;
    Objects.OnSelect = [this](const std::string& Name) { Surface.Select(Name); };
    // The property list and the tree follow once the selection rests: undoing or redoing
    // hundreds of steps in a row makes their rows once, not at every step.
    Surface.OnSelectionChanged = [this] {
        ViewsShown = false;
        SetTimer(Main, SelectionTimer, SelectionRest, nullptr);
    };
    Surface.OnToolUsed = [this] { Tools.ShowChosen(-1); };
    Surface.OnEdit = [this](FormEdit Edit) { Execute(std::move(Edit)); };
    Surface.OnStatus = [this](const std::string& Text) { SetWindowTextA(Status, Text.c_str()); };
    Surface.OnTabOrderingEnded = [this] { SetTabOrdering(false); };
    UseSettings(Settings, false);
    Keys = BuildKeys();
    std::string problem;
    Model = NewModel();
    Surface.ShowModel(problem);
    ShowSelection();
    ShowEditMenu();
    Layout();
    ShowCaption();
    ShowWindow(Main, SW_SHOW);
    return true;
}

bool DesignerWindow::PreTranslate(const MSG& Message) {
    // What is typed or clicked outside the surface may be in the property list: it shows the
    // selection first.
    bool input = (Message.message >= WM_KEYFIRST && Message.message <= WM_KEYLAST) ||
                 (Message.message >= WM_MOUSEFIRST && Message.message <= WM_MOUSELAST);
    if (input && Message.hwnd != Surface.Window() && !IsChild(Surface.Window(), Message.hwnd))
        ShowSelection();
    // The form being tried out takes its keys as its program will, through the library's loop.
    if (Test.Owns(Message.hwnd)) return Core.FormKey && Core.FormKey(const_cast<MSG*>(&Message));
    // Ctrl+Z and Ctrl+Y typed into a box of the property list undo the typing, Ctrl+A selects
    // its text, Ctrl+X, C and V cut, copy and paste text and Ctrl+arrows move by words, as in any
    // edit box; in the object tree Ctrl+arrows scroll.
    bool boxKey = Properties.Owns(Message.hwnd)
                      ? IsControlKey(Message, {'Z', 'Y', 'A', 'X', 'C', 'V', VK_LEFT, VK_RIGHT,
                                               VK_UP, VK_DOWN})
                      : Message.hwnd == Objects.Window() &&
                            IsControlKey(Message, {VK_LEFT, VK_RIGHT, VK_UP, VK_DOWN});
    if (!boxKey && TranslateAcceleratorA(Main, Keys, const_cast<MSG*>(&Message))) return true;
    if (Surface.TakeInput(Message)) return true;
    if ((Message.message == WM_KEYDOWN && Message.wParam == VK_RETURN &&
         Properties.AppliesOnReturn(Message.hwnd)) ||
        Properties.Take(Message)) {
        Apply();
        return true;
    }
    return false;
}

LRESULT CALLBACK DesignerWindow::WindowProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam) {
    if (Msg == WM_NCCREATE) {
        auto* self =
            static_cast<DesignerWindow*>(reinterpret_cast<CREATESTRUCTA*>(LParam)->lpCreateParams);
        self->Main = Window;
        SetWindowLongPtrA(Window, 0, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<DesignerWindow*>(GetWindowLongPtrA(Window, 0));
    if (self && self->Main == Window) return self->HandleMessage(Msg, WParam, LParam);
    return DefWindowProcA(Window, Msg, WParam, LParam);
}

LRESULT DesignerWindow::HandleMessage(UINT Msg, WPARAM WParam, LPARAM LParam) {
    switch (Msg) {
    case WM_COMMAND:
        Command(LOWORD(WParam));
        return 0;
    case WM_NOTIFY:
        // The platform copies no notification between threads: another's address is not ours.
        if (!InSendMessage() && (Objects.Notify(*reinterpret_cast<NMHDR*>(LParam)) ||
                                 Properties.Notify(*reinterpret_cast<NMHDR*>(LParam)) ||
                                 Tools.AnswerTooltip(reinterpret_cast<NMHDR*>(LParam)) ||
                                 Formats.AnswerTooltip(reinterpret_cast<NMHDR*>(LParam))))
            return 0;
        break;
    case WM_COPYDATA: {
        auto* data = reinterpret_cast<const COPYDATASTRUCT*>(LParam);
        if (data->dwData != DesignerTextCommand) return 0;
        return TextCommand(std::string(static_cast<const char*>(data->lpData), data->cbData));
    }
    case WM_TIMER:
        if (WParam == SelectionTimer) ShowSelection();
        return 0;
    case DesignerSync:
        ShowSelection();
        SetWindowLongPtrA(Main, GWLP_USERDATA, WParam);
        return 0;
    case WM_SIZE:
        SendMessageA(Tools.Window(), TB_AUTOSIZE, 0, 0);
        SendMessageA(Status, WM_SIZE, 0, 0);
        break;
    case WM_CLOSE:
        if (MayDiscardChanges()) DestroyWindow(Main);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(Main, Msg, WParam, LParam);
}

void DesignerWindow::Command(int Id) {
    if (Id >= FirstTool && Id < FirstTool + static_cast<int>(Core.Classes.size())) {
        ChooseTool(Id - FirstTool);
        return;
    }
    if (Id > FirstPropertyEdit && Id < FirstTool) Properties.Command(Id);
    if (Id >= CommandAlignLefts && Id <= CommandCentreDown)
        Surface.ArrangeSelection(Id, EditName(GetMenu(Main), Id));
    DesignerSettings settings = Surface.Snapping();
    if (std::find(std::begin(GridSizes), std::end(GridSizes), Id - CommandGrid) !=
        std::end(GridSizes)) {
        settings.Grid = Id - CommandGrid;
        UseSettings(settings, true);
    }
    if (Id == CommandSnapLines) {
        settings.SnapLines = !settings.SnapLines;
        UseSettings(settings, true);
    }
    std::string path;
    switch (Id) {
    case CommandNew:
        if (MayDiscardChanges()) New();
        break;
    case CommandOpen:
        if (MayDiscardChanges()) path = AskFileName(false);
        if (!path.empty()) Open(path);
        break;
    case CommandSave:
    case CommandSaveAs:
        SaveToFormFile(Id == CommandSaveAs);
        break;
    case CommandGenerate:
        path = AskFileName(true);
        if (!path.empty()) Generate(path.substr(0, path.find_last_of("\\/") + 1));
        break;
    case CommandExit:
        if (MayDiscardChanges()) DestroyWindow(Main);
        break;
    case CommandUndo:
        Undo();
        break;
    case CommandRedo:
        Redo();
        break;
    case CommandCut:
        Cut();
        break;
    case CommandCopy:
        Copy();
        break;
    case CommandPaste:
        Paste();
        break;
    case CommandDuplicate:
        Duplicate();
        break;
    case CommandDelete:
        Surface.DeleteSelection();
        break;
    case CommandSelectAll:
        Surface.SelectAll();
        break;
    case CommandBringToFront:
    case CommandSendToBack:
        Reorder(Id == CommandBringToFront);
        break;
    case CommandTabOrder:
        SetTabOrdering(!Surface.TabOrdering());
        break;
    case CommandTest: {
        std::string problem;
        if (!Test.Show(Main, Core, Model, problem)) Report(Main, problem + ".");
        break;
    }
    case CommandApply:
        Apply();
        break;
    }
}

bool DesignerWindow::TextCommand(const std::string& Line) {
    size_t space = Line.find(' ');
    std::string verb = Line.substr(0, space);
    std::string argument = space == std::string::npos ? "" : Line.substr(space + 1);
    if (verb == "new") return New();
    if (verb == "open") return Open(argument);
    if (verb == "save") return Save(argument);
    if (verb == "generate") return Generate(argument);
    Report(Main, "Unknown command \"" + verb + "\".");
    return false;
}

void DesignerWindow::ChooseTool(int Index) {
    const std::string& name = Core.Classes[Index];
    bool again = Surface.CurrentTool() == name;
    Surface.SetTool(again ? "" : name);
    Tools.ShowChosen(again ? -1 : Index);
}

void DesignerWindow::Apply() {
    ShowSelection(); // the rows read are the selection's
    std::vector<const ComponentRecord*> current = SelectedRecords();
    bool form = current.empty();
    if (form) current.push_back(&Model.Form);
    std::vector<ComponentRecord> changed;
    std::string problem;
    FormModel after = Model;
    if (Properties.Read(current, Model, changed, problem)) {
        for (size_t i = 0; i < changed.size(); ++i)
            if (form)
                after.Form = changed[i];
            else
                ChangeEdit(after, current[i]->Name, "", changed[i]).Apply(after);
        problem = HandlerConflict(after, Core);
        if (!problem.empty()) problem = "Events: " + problem + ".";
    }
    if (!problem.empty()) {
        Report(Main, problem + " Nothing was changed.");
        return;
    }
    Execute(FormEdit::Between(form ? "Set form properties" : "Set properties", Model, after));
}

std::vector<const ComponentRecord*> DesignerWindow::SelectedRecords() const {
    std::vector<const ComponentRecord*> records;
    for (const std::string& name : Surface.AllSelected())
        if (const ComponentRecord* record = Model.Find(name)) records.push_back(record);
    return records;
}

void DesignerWindow::Execute(FormEdit Edit) {
    if (Edit.Empty()) return;
    FormModel before = Model;
    Edit.Apply(Model);
    std::string subject = Edit.Subject();
    std::string problem;
    if (!Surface.ShowModel(problem)) Report(Main, problem + ".");
    // Where the library placed aligned components is part of the edit: a drag of an aligned
    // child that it puts back changes nothing.
    if (TakeLayout()) Edit = FormEdit::Between(Edit.Name(), before, Model);
    if (!Edit.Empty()) History.Push(std::move(Edit));
    FollowModel(subject);
}

bool DesignerWindow::TakeLayout() {
    std::vector<ComponentRecord> laidOut = Surface.LaidOut();
    for (const ComponentRecord& record : laidOut)
        Model.Components[static_cast<size_t>(Model.IndexOf(record.Name))] = record;
    std::string problem;
    if (!laidOut.empty()) Surface.ShowModel(problem);
    return !laidOut.empty();
}

void DesignerWindow::Undo() {
    if (const FormEdit* edit = History.NextUndo()) {
        edit->Revert(Model);
        History.StepBack();
        ShowChange(edit->Subject(true));
    }
}

void DesignerWindow::Redo() {
    if (const FormEdit* edit = History.NextRedo()) {
        edit->Apply(Model);
        History.StepForward();
        ShowChange(edit->Subject());
    }
}

bool DesignerWindow::Copy() {
    if (Surface.AllSelected().empty()) return false;
    std::string text = FormatFormFile(Core, CopyOf(Model, Surface.AllSelected()));
    if (WriteClipboard(Main, text)) return true;
    Report(Main, "Can't write to the clipboard.");
    return false;
}

void DesignerWindow::Cut() {
    if (Copy()) Surface.DeleteSelection("Cut");
}

void DesignerWindow::Paste() {
    FormModel copied;
    std::string problem;
    if (!ParseFormFile(ReadClipboard(Main), Core, copied, problem) || copied.Components.empty()) {
        Report(Main, "The clipboard holds no components" + (problem.empty() ? "" : ": " + problem) +
                         ". Nothing was pasted.");
        return;
    }
    // Into the selected holder, else beside the selection.
    const ComponentRecord* selected = Model.Find(Surface.Selection());
    std::string holder = !selected                                  ? ""
                         : Core.DesignOf(selected->ClassName).Holds ? selected->Name
                                                                    : selected->Parent;
    AddCopy(copied, holder, "Paste");
}

void DesignerWindow::Duplicate() {
    if (const ComponentRecord* selected = Model.Find(Surface.Selection()))
        AddCopy(CopyOf(Model, Surface.AllSelected()), selected->Parent, "Duplicate");
}

void DesignerWindow::AddCopy(const FormModel& Copied, const std::string& Holder,
                             const std::string& Title) {
    std::vector<std::string> tops;
    FormModel after = PasteInto(Model, Copied, Holder, tops);
    std::string conflict = HandlerConflict(after, Core);
    if (!conflict.empty()) {
        Report(Main, "Events: " + conflict + ". Nothing was pasted.");
        return;
    }
    Execute(FormEdit::Between(Title, Model, after));
    Surface.SetSelection(tops);
}

void DesignerWindow::Reorder(bool ToFront) {
    std::vector<std::string> names = Surface.AllSelected();
    // Taken in model order, so that they keep theirs among themselves.
    std::sort(names.begin(), names.end(), [&](const std::string& A, const std::string& B) {
        return Model.IndexOf(A) < Model.IndexOf(B);
    });
    FormModel after = Model;
    for (size_t i = 0; i < names.size(); ++i)
        after.MoveAmongSiblings(static_cast<size_t>(after.IndexOf(names[i])),
                                ToFront ? i : after.Components.size());
    Execute(FormEdit::Between(ToFront ? "Bring to front" : "Send to back", Model, after));
}

void DesignerWindow::SetTabOrdering(bool On) {
    Surface.SetTabOrdering(On);
    CheckMenuItem(GetMenu(Main), CommandTabOrder, MF_BYCOMMAND | (On ? MF_CHECKED : MF_UNCHECKED));
}

void DesignerWindow::ShowChange(const std::string& Subject) {
    std::string problem;
    if (!Surface.ShowModel(problem)) Report(Main, problem + ".");
    FollowModel(Subject);
}

void DesignerWindow::FollowModel(const std::string& Subject) {
    TreeShown = false;
    Surface.Follow(Subject);
    Layout();
    ShowCaption();
    ShowEditMenu();
}

void DesignerWindow::ShowSelection() {
    KillTimer(Main, SelectionTimer);
    if (ViewsShown) return;
    ViewsShown = true;
    // With nothing selected the list shows the form's own properties.
    std::vector<const ComponentRecord*> shown = SelectedRecords();
    if (shown.empty()) {
        Properties.Show({&Model.Form}, Model, Core.Form, "", true);
    } else {
        ClassDesign shared = Core.DesignOf(shown.front()->ClassName);
        for (const ComponentRecord* record : shown)
            shared = shared.SharedWith(Core.DesignOf(record->ClassName));
        HWND window = shown.size() == 1 ? Surface.SelectedWindow() : nullptr;
        Properties.Show(shown, Model, shared, window ? AncestorOf(window) : "", false);
    }
    if (TreeShown) {
        Objects.Select(Surface.Selection());
    } else {
        Objects.Show(Model, Surface.Selection());
        TreeShown = true;
    }
}

void DesignerWindow::UseSettings(const DesignerSettings& Settings, bool Keep) {
    Surface.SetSnapping(Settings);
    HMENU menu = GetMenu(Main);
    for (int size : GridSizes)
        CheckMenuItem(menu, CommandGrid + size,
                      MF_BYCOMMAND | (size == Settings.Grid ? MF_CHECKED : MF_UNCHECKED));
    CheckMenuItem(menu, CommandSnapLines,
                  MF_BYCOMMAND | (Settings.SnapLines ? MF_CHECKED : MF_UNCHECKED));
    if (Keep && !WriteSettings(Settings)) Report(Main, "Can't keep the settings for the next run.");
}

void DesignerWindow::Layout() {
    RECT surface;
    GetWindowRect(Surface.Window(), &surface);
    MapWindowPoints(nullptr, Main, reinterpret_cast<POINT*>(&surface), 2);
    if (EqualRect(&surface, &LaidOutAround)) return; // the form kept its size
    LaidOutAround = surface;
    int right = std::max<int>(surface.right, Margin + SurfaceWidth) + Margin;
    int top = surface.top;
    Properties.MoveTo({right, top});
    int treeLeft = right + PropertyWidth + Margin;
    int bottom = std::max<int>({surface.bottom, top + SurfaceHeight, Properties.Bottom()});
    MoveWindow(Objects.Window(), treeLeft, top, TreeWidth, bottom - top, TRUE);
    RECT status;
    GetWindowRect(Status, &status);
    RECT outer = {0, 0, treeLeft + TreeWidth + Margin,
                  bottom + Margin + status.bottom - status.top};
    AdjustWindowRectEx(&outer, WS_OVERLAPPEDWINDOW, TRUE, 0);
    SetWindowPos(Main, nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool DesignerWindow::Replace(const FormModel& Read, std::string& Problem) {
    FormModel previous = Model;
    Model = Read;
    if (!Surface.ShowModel(Problem)) {
        Model = previous;
        std::string again;
        Surface.ShowModel(again);
        return false;
    }
    History.Clear();
    TakeLayout();
    FollowModel("");
    return true;
}

FormModel DesignerWindow::NewModel() const {
    // A file without the form's font keeps the platform's, as forms made before fonts had it:
    // only what New makes starts with one.
    FormModel made;
    std::string font = MessageFontText(Core);
    if (!font.empty()) made.Form.Written["Font"] = font;
    return made;
}

bool DesignerWindow::New() {
    std::string problem;
    Replace(NewModel(), problem);
    FormPath.clear();
    ShowCaption();
    return true;
}

bool DesignerWindow::Open(const std::string& Path) {
    std::string text, problem;
    FormModel read;
    if (!ReadWholeFile(Path, text)) {
        Report(Main, "Can't read \"" + Path + "\".");
        return false;
    }
    if (!ParseFormFile(text, Core, read, problem) || !Replace(read, problem)) {
        Report(Main, "\"" + Path + "\" was not opened, " + problem + ".");
        return false;
    }
    FormPath = Path;
    ShowCaption();
    return true;
}

bool DesignerWindow::Save(const std::string& Path) {
    if (!WriteWholeFile(Path, FormatFormFile(Core, Model))) {
        Report(Main, "Can't write \"" + Path + "\".");
        return false;
    }
    FormPath = Path;
    History.MarkSaved();
    ShowCaption();
    return true;
}

bool DesignerWindow::SaveToFormFile(bool AskAlways) {
    std::string path = AskAlways || FormPath.empty() ? AskFileName(true) : FormPath;
    return !path.empty() && Save(path);
}

bool DesignerWindow::MayDiscardChanges() {
    if (!History.Modified()) return true;
    std::string question = "Save the changes to " + FormName() + "?";
    switch (
        MessageBoxA(Main, question.c_str(), "Velmora designer", MB_YESNOCANCEL | MB_ICONWARNING)) {
    case IDYES:
        return SaveToFormFile(false);
    case IDNO:
        return true;
    default:
        return false;
    }
}

bool DesignerWindow::Generate(const std::string& Folder) {
    std::string conflict = HandlerConflict(Model, Core);
    if (!conflict.empty()) {
        Report(Main, "Nothing was generated: " + conflict + ".");
        return false;
    }
    GeneratedFiles files = GenerateForm(Model, Core);
    std::string base = Folder;
    if (!base.empty() && base.back() != '\\' && base.back() != '/') base += '\\';
    std::string design = base + Model.DesignClass(), user = base + Model.Form.Name;
    // The user's files are theirs once written: only missing ones are made.
    auto missing = [](const std::string& Path) {
        return GetFileAttributesA(Path.c_str()) == INVALID_FILE_ATTRIBUTES;
    };
    if (!WriteWholeFile(design + ".h", files.DesignHeader) ||
        !WriteWholeFile(design + ".cpp", files.DesignSource) ||
        (missing(user + ".h") && !WriteWholeFile(user + ".h", files.UserHeader)) ||
        (missing(user + ".cpp") && !WriteWholeFile(user + ".cpp", files.UserSource))) {
        Report(Main, "Can't write the C++ files in \"" + Folder + "\".");
        return false;
    }
    return true;
}

std::string DesignerWindow::FormName() const {
    return FormPath.empty() ? "untitled" : FormPath.substr(FormPath.find_last_of("\\/") + 1);
}

void DesignerWindow::ShowCaption() {
    // A star after the name marks changes not saved yet.
    std::string name = FormName() + (History.Modified() ? "*" : "");
    SetWindowTextA(Main, ("Velmora designer - " + name + " - " + Core.Version).c_str());
}

void DesignerWindow::ShowEditMenu() {
    HMENU edit = GetSubMenu(GetMenu(Main), 1);
    const struct {
        int Id;
        const char* Verb;
        const FormEdit* Next;
        const char* Key;
    } rows[] = {{CommandUndo, "&Undo", History.NextUndo(), "\tCtrl+Z"},
                {CommandRedo, "&Redo", History.NextRedo(), "\tCtrl+Y"}};
    for (const auto& row : rows) {
        std::string text = row.Verb + (row.Next ? " " + row.Next->Name() : "") + row.Key;
        ModifyMenuA(edit, row.Id, MF_BYCOMMAND | MF_STRING | (row.Next ? 0 : MF_GRAYED), row.Id,
                    text.c_str());
    }
}

std::string DesignerWindow::AskFileName(bool Saving) {
    char path[MAX_PATH] = "";
    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = Main;
    dialog.lpstrFilter = "Velmora forms (*.vform)\0*.vform\0All files\0*.*\0";
    dialog.lpstrFile = path;
    dialog.nMaxFile = sizeof path;
    dialog.lpstrDefExt = "vform";
    dialog.Flags = Saving ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST;
    BOOL chosen = Saving ? GetSaveFileNameA(&dialog) : GetOpenFileNameA(&dialog);
    return chosen ? path : "";
}
