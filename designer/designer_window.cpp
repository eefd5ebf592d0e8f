#include "designer_window.h"

#include "code_generator.h"
#include "commands.h"
#include "form_file.h"
#include "report.h"

#include <commdlg.h>

#include <algorithm>

#include <fstream>
#include <sstream>

namespace {

constexpr int Margin = 8;
constexpr int SurfaceWidth = 560;
constexpr int SurfaceHeight = 400;
constexpr int PropertyWidth = 230;
// The class of the generated form, and its files' names.
const char GeneratedClass[] = "DesignedForm";

HMENU BuildMenu() {
    HMENU file = CreatePopupMenu();
    AppendMenuA(file, MF_STRING, CommandNew, "&New");
    AppendMenuA(file, MF_STRING, CommandOpen, "&Open...");
    AppendMenuA(file, MF_STRING, CommandSave, "&Save");
    AppendMenuA(file, MF_STRING, CommandSaveAs, "Save &as...");
    AppendMenuA(file, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(file, MF_STRING, CommandGenerate, "&Generate C++...");
    AppendMenuA(file, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(file, MF_STRING, CommandExit, "E&xit");
    HMENU edit = CreatePopupMenu();
    AppendMenuA(edit, MF_STRING, CommandDelete, "&Delete\tDel");
    AppendMenuA(edit, MF_STRING, CommandApply, "&Apply properties\tEnter");
    HMENU bar = CreateMenu();
    AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), "&File");
    AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(edit), "&Edit");
    return bar;
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

bool DesignerWindow::Create() {
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
    if (!Main || !Tools.Create(Main, Core, FirstTool)) return false;
    int top = Tools.Height() + Margin;
    if (!Surface.Create(Main, Core, {Margin, top, Margin + SurfaceWidth, top + SurfaceHeight}))
        return false;
    POINT at = {2 * Margin + SurfaceWidth, top};
    if (!Properties.Create(Main, at, PropertyWidth, FirstPropertyEdit, CommandApply)) return false;
    Surface.OnSelectionChanged = [this] { Properties.ShowSelection(Surface); };
    Surface.OnToolUsed = [this] { Tools.ShowChosen(-1); };
    Properties.ShowSelection(Surface);
    RECT outer = {0, 0, at.x + PropertyWidth + Margin,
                  std::max(top + SurfaceHeight, Properties.Bottom()) + Margin};
    AdjustWindowRectEx(&outer, WS_OVERLAPPEDWINDOW, TRUE, 0);
    SetWindowPos(Main, nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
                 SWP_NOMOVE | SWP_NOZORDER);
    ShowCaption();
    ShowWindow(Main, SW_SHOW);
    return true;
}

bool DesignerWindow::PreTranslate(const MSG& Message) {
    if (Surface.TakeInput(Message)) return true;
    if (Message.message == WM_KEYDOWN && Message.wParam == VK_RETURN &&
        Properties.Owns(Message.hwnd)) {
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
        if (!InSendMessage() && Tools.AnswerTooltip(reinterpret_cast<NMHDR*>(LParam))) return 0;
        break;
    case WM_COPYDATA: {
        auto* data = reinterpret_cast<const COPYDATASTRUCT*>(LParam);
        if (data->dwData != DesignerTextCommand) return 0;
        return TextCommand(std::string(static_cast<const char*>(data->lpData), data->cbData));
    }
    case DesignerSync:
        SetWindowLongPtrA(Main, GWLP_USERDATA, WParam);
        return 0;
    case WM_SIZE:
        SendMessageA(Tools.Window(), TB_AUTOSIZE, 0, 0);
        break;
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
    std::string path;
    switch (Id) {
    case CommandNew:
        New();
        break;
    case CommandOpen:
        path = AskFileName(false);
        if (!path.empty()) Open(path);
        break;
    case CommandSave:
    case CommandSaveAs:
        path = Id == CommandSave && !FormPath.empty() ? FormPath : AskFileName(true);
        if (!path.empty()) Save(path);
        break;
    case CommandGenerate:
        path = AskFileName(true);
        if (!path.empty()) Generate(path.substr(0, path.find_last_of("\\/") + 1));
        break;
    case CommandExit:
        DestroyWindow(Main);
        break;
    case CommandDelete:
        Surface.DeleteSelection();
        break;
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
    std::string problem;
    if (!Properties.Apply(Surface, problem)) Report(Main, problem + " Nothing was changed.");
}

bool DesignerWindow::New() {
    std::string problem;
    Surface.Replace({}, problem);
    FormPath.clear();
    ShowCaption();
    return true;
}

bool DesignerWindow::Open(const std::string& Path) {
    std::string text, problem;
    std::vector<ComponentRecord> records;
    if (!ReadWholeFile(Path, text)) {
        Report(Main, "Can't read \"" + Path + "\".");
        return false;
    }
    if (!ParseFormFile(text, Core, records, problem) || !Surface.Replace(records, problem)) {
        Report(Main, "\"" + Path + "\" was not opened, " + problem + ".");
        return false;
    }
    FormPath = Path;
    ShowCaption();
    return true;
}

bool DesignerWindow::Save(const std::string& Path) {
    if (!WriteWholeFile(Path, FormatFormFile(Core.Version, Surface.Records()))) {
        Report(Main, "Can't write \"" + Path + "\".");
        return false;
    }
    FormPath = Path;
    ShowCaption();
    return true;
}

bool DesignerWindow::Generate(const std::string& Folder) {
    GeneratedForm form;
    form.ClassName = GeneratedClass;
    form.CoreVersion = Core.Version;
    RECT client;
    GetClientRect(Surface.Window(), &client);
    form.ClientWidth = client.right;
    form.ClientHeight = client.bottom;
    form.Components = Surface.Records();
    std::string base = Folder;
    if (!base.empty() && base.back() != '\\' && base.back() != '/') base += '\\';
    base += GeneratedClass;
    if (!WriteWholeFile(base + ".h", GenerateHeader(form)) ||
        !WriteWholeFile(base + ".cpp", GenerateSource(form))) {
        Report(Main, "Can't write the C++ files in \"" + Folder + "\".");
        return false;
    }
    return true;
}

void DesignerWindow::ShowCaption() {
    std::string name =
        FormPath.empty() ? "untitled" : FormPath.substr(FormPath.find_last_of("\\/") + 1);
    SetWindowTextA(Main, ("Velmora designer - " + name + " - " + Core.Version).c_str());
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
