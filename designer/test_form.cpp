#include "test_form.h"

#include "component_window.h"
#include "object/frame.h"

#include <commctrl.h>

#include <map>

bool TestForm::Show(HWND Designer, const CoreLibrary& Core, const FormModel& Model,
                    std::string& Problem) {
    if (Form) return true; // shown already
    Owner = Designer;
    Form =
        CreateWindowExA(0, "QForm", Model.Form.Text.c_str(), WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                        0, 0, 0, 0, Owner, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (!Form) {
        Problem = "Can't create the form's window";
        return false;
    }
    ShowClassValues(Form, Model.Form, Core.Form, true);
    // Sized for the frame its values gave it (a dialog's is thinner): the client area is the
    // designed one.
    RECT outer = {0, 0, Model.Form.Width, Model.Form.Height}, owner;
    AdjustWindowRectEx(&outer, static_cast<DWORD>(GetWindowLongA(Form, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongA(Form, GWL_EXSTYLE)));
    GetWindowRect(Owner, &owner);
    SetWindowPos(Form, nullptr, owner.left + 40, owner.top + 40, outer.right - outer.left,
                 outer.bottom - outer.top, SWP_NOZORDER | SWP_NOACTIVATE);
    std::map<std::string, HWND> windows = {{"", Form}};
    for (const ComponentRecord& record : Model.Components) {
        HWND window = CreateComponentWindow(windows[record.Parent], record, false);
        if (!window) {
            Problem = CreationProblem(record);
            DestroyWindow(Form);
            Form = nullptr;
            return false;
        }
        ShowClassValues(window, record, Core.DesignOf(record.ClassName), true);
        AlignComponent(window, record.Align);
        windows[record.Name] = window;
        auto result = record.Values.find("ModalResult");
        if (result != record.Values.end() && result->second) {
            Results.insert(window);
            // Its click is told to its holder.
            SetWindowSubclass(GetParent(window), WatchClosing, 0,
                              reinterpret_cast<DWORD_PTR>(this));
        }
    }
    // Each link names its component's window, made by now.
    for (const ComponentRecord& record : Model.Components)
        for (const auto& [link, linked] : record.Links)
            SendMessageA(windows[record.Name], QM_SETVALUE, reinterpret_cast<WPARAM>(link.c_str()),
                         reinterpret_cast<LPARAM>(windows[linked]));
    SetWindowSubclass(Form, WatchClosing, 0, reinterpret_cast<DWORD_PTR>(this));
    EnableWindow(Owner, FALSE);
    ShowWindow(Form, SW_SHOW);
    // A form with the dialog keys passes the focus on to its first stop, as the program's
    // does; any other gets it in its first child.
    SetFocus(Form);
    HWND first = GetWindow(Form, GW_CHILD);
    if (GetFocus() == Form && first) SetFocus(first);
    return true;
}

bool TestForm::Owns(HWND Window) const {
    return Form && Window && (Window == Form || IsChild(Form, Window));
}

LRESULT CALLBACK TestForm::WatchClosing(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam,
                                        UINT_PTR, DWORD_PTR Self) {
    auto* test = reinterpret_cast<TestForm*>(Self);
    if (Msg == WM_COMMAND && HIWORD(WParam) == BN_CLICKED &&
        test->Results.count(reinterpret_cast<HWND>(LParam)))
        PostMessageA(test->Form, WM_CLOSE, 0, 0);
    if (Msg == WM_NCDESTROY) RemoveWindowSubclass(Window, WatchClosing, 0);
    if (Window != test->Form) return DefSubclassProc(Window, Msg, WParam, LParam);
    // The designer takes input again before the form goes, so that it is the one activated.
    if (Msg == WM_CLOSE || Msg == WM_DESTROY) EnableWindow(test->Owner, TRUE);
    if (Msg == WM_NCDESTROY) {
        test->Form = nullptr;
        test->Results.clear();
    }
    return DefSubclassProc(Window, Msg, WParam, LParam);
}
