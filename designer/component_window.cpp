#include "component_window.h"

#include "object/frame.h"

namespace {

// The library's description of the window; empty names when the window has no component
// (a "VUdeRedo" window made by name is a plain window).
QWindowInfo AskLibrary(HWND Window) {
    QWindowInfo info;
    SendMessageA(Window, QM_GETWINDOWINFO, 0, reinterpret_cast<LPARAM>(&info));
    return info;
}

std::string ClassNameOf(HWND Window) {
    char name[256];
    return std::string(name, GetClassNameA(Window, name, sizeof name));
}

} // namespace

HWND CreateComponentWindow(HWND Holder, const ComponentRecord& Record, bool Designing) {
    return CreateWindowExA(Record.ExStyle, Record.ClassName.c_str(), Record.Text.c_str(),
                           Record.Style | (Designing ? WS_VISIBLE : 0), Record.Left, Record.Top,
                           Record.Width, Record.Height, Holder,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(Record.Id)),
                           GetModuleHandleA(nullptr), nullptr);
}

std::string CreationProblem(const ComponentRecord& Record) {
    return "Can't create the window of " + Record.Name + " (class " + Record.ClassName + ")";
}

ComponentRecord ReadComponent(HWND Window, const std::string& Name) {
    ComponentRecord record;
    QWindowInfo info = AskLibrary(Window);
    record.ClassName = info.ClassName.empty() ? ClassNameOf(Window) : info.ClassName;
    record.Name = Name;
    int length = GetWindowTextLengthA(Window);
    std::string text(length + 1, '\0');
    text.resize(GetWindowTextA(Window, &text[0], length + 1));
    record.Text = text;
    ReadBounds(Window, record);
    record.Style = static_cast<uint32_t>(GetWindowLongPtrA(Window, GWL_STYLE));
    record.ExStyle = static_cast<uint32_t>(GetWindowLongPtrA(Window, GWL_EXSTYLE));
    if (!info.ClassName.empty()) {
        record.Style = info.Style;
        record.ExStyle = info.ExStyle;
    }
    record.Id = static_cast<int>(GetWindowLongPtrA(Window, GWLP_ID));
    return record;
}

void ReadBounds(HWND Window, ComponentRecord& Record) {
    RECT r;
    GetWindowRect(Window, &r);
    MapWindowPoints(nullptr, GetParent(Window), reinterpret_cast<POINT*>(&r), 2);
    Record.Left = r.left;
    Record.Top = r.top;
    Record.Width = r.right - r.left;
    Record.Height = r.bottom - r.top;
}

void AlignComponent(HWND Window, int Align) {
    SendMessageA(Window, QM_SETALIGN, static_cast<WPARAM>(Align), 0);
}

std::string AncestorOf(HWND Window) {
    return AskLibrary(Window).ClassAncestor;
}

void WriteComponent(HWND Window, const ComponentRecord& Record) {
    QWindowInfo info = AskLibrary(Window);
    if (!info.ClassName.empty()) {
        info.Style = Record.Style | WS_VISIBLE;
        info.ExStyle = Record.ExStyle;
        info.Width = Record.Width;
        info.Height = Record.Height;
        SendMessageA(Window, QM_SETWINDOWINFO, 0, reinterpret_cast<LPARAM>(&info));
    } else {
        SetWindowLongPtrA(Window, GWL_STYLE, static_cast<LONG>(Record.Style | WS_VISIBLE));
        SetWindowLongPtrA(Window, GWL_EXSTYLE, static_cast<LONG>(Record.ExStyle));
        SetWindowPos(Window, nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    }
    SetWindowTextA(Window, Record.Text.c_str());
    MoveWindow(Window, Record.Left, Record.Top, Record.Width, Record.Height, TRUE);
    SetWindowLongPtrA(Window, GWLP_ID, Record.Id);
}

void ShowClassValues(HWND Window, const ComponentRecord& Record, const ClassDesign& Design,
                     bool Made) {
    for (const ValueDesign& value : Design.Values) {
        auto set = Record.Values.find(value.Name);
        if (Made && set == Record.Values.end()) continue;
        SendMessageA(Window, QM_SETVALUE, reinterpret_cast<WPARAM>(value.Name.c_str()),
                     static_cast<LPARAM>(set == Record.Values.end() ? value.Default : set->second));
    }
    for (const WrittenDesign& written : Design.Written) {
        auto set = Record.Written.find(written.Name);
        if (Made && set == Record.Written.end()) continue;
        const char* text = set == Record.Written.end() ? "" : set->second.c_str();
        SendMessageA(Window, QM_SETVALUE, reinterpret_cast<WPARAM>(written.Name.c_str()),
                     reinterpret_cast<LPARAM>(text));
    }
    if (Made && Design.ItemsMessage)
        for (const std::string& item : Record.Items)
            SendMessageA(Window, Design.ItemsMessage, 0, reinterpret_cast<LPARAM>(item.c_str()));
}
