// Runs the C++ the designer generated and writes the form it makes as a form file, read the
// way the designer reads its own, to be compared with the file the form was designed in; then
// clicks every button and prints what the user's handlers print, and where Tab takes the focus. The
// hosted editor is left out: its window comes from the editor library, when that is installed. Only
// the components of classes that hold others are looked into: the others' children (the
// demonstration frame's own label and button) are not designed.
#include "DesignedForm.h"
#include "component_window.h"
#include "form_file.h"
#include "object/design_contract.h"
#include "object/library_start.h"

#include <cstdio>
#include <fstream>

namespace {

// What the program's components say of their class's values, as the designer records them:
// only those that differ from a new component's.
void ReadValues(QFrame& Frame, const ClassDesign& Design, ComponentRecord& Record) {
    for (const ValueDesign& value : Design.Values) {
        uint32_t now = value.Default;
        auto* panel = dynamic_cast<QCustomPanel*>(&Frame);
        auto* form = dynamic_cast<QCustomForm*>(&Frame);
        if (value.Name == "Color") now = Frame.Canvas.Color();
        if (value.Name == "TextColor") now = Frame.Canvas.TextColor();
        if (panel && value.Name == "BorderStyle") now = static_cast<uint32_t>(panel->BorderStyle());
        if (panel && value.Name == "Alignment") now = static_cast<uint32_t>(panel->Alignment());
        if (form && value.Name == "FormStyle") now = static_cast<uint32_t>(form->FormStyle());
        if (value.Name == "Anchors") now = static_cast<uint32_t>(Frame.Anchors());
        if (now != value.Default) Record.Values[value.Name] = now;
    }
    auto* label = dynamic_cast<QCustomLabel*>(&Frame);
    if (label && label->FocusControl())
        Record.Links["FocusControl"] = label->FocusControl()->Name();
    auto* form = dynamic_cast<QCustomForm*>(&Frame);
    if (form && !form->Shortcuts().empty())
        Record.Written["Shortcuts"] = ShortcutListText(form->Shortcuts());
    if (!Frame.ParentFont()) Record.Written["Font"] = FontText(Frame.Font());
}

void ReadItems(QFrame& Frame, ComponentRecord& Record) {
    bool list = Record.ClassName == "QListBox", combo = Record.ClassName == "QComboBox";
    if (!list && !combo) return;
    auto count = static_cast<int>(Frame.Perform(list ? LB_GETCOUNT : CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        char item[256] = "";
        Frame.Perform(list ? LB_GETTEXT : CB_GETLBTEXT, static_cast<WPARAM>(i),
                      reinterpret_cast<LPARAM>(item));
        Record.Items.emplace_back(item);
    }
}

void Collect(QFrame& Holder, const std::string& HolderName, CoreLibrary& Core, FormModel& Made) {
    for (int i = 0; i < Holder.ControlCount(); ++i) {
        QFrame& c = *Holder.Controls(i);
        if (c.ClassName() == "VUdeRedo") continue;
        if (!Core.Offers(c.ClassName())) {
            Core.Classes.push_back(c.ClassName());
            Core.Designs.push_back(ParseClassDesign(DesignClassText(c.ClassName().c_str())));
        }
        ComponentRecord record = ReadComponent(c.Handle(), c.Name());
        record.Parent = HolderName;
        record.Align = c.Align();
        ReadValues(c, Core.DesignOf(record.ClassName), record);
        ReadItems(c, record);
        Made.Components.push_back(record);
        if (Core.DesignOf(record.ClassName).Holds) Collect(c, c.Name(), Core, Made);
    }
}

// Clicks every push button the way the user does, through the message queue.
void ClickButtons(QFrame& Holder) {
    for (int i = 0; i < Holder.ControlCount(); ++i) {
        QFrame& c = *Holder.Controls(i);
        if (c.ClassName() == "QButton") PostMessageA(c.Handle(), BM_CLICK, 0, 0);
        if (c.ClassName() != "QMyFrame") ClickButtons(c);
    }
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

// Steps with Tab from the form's first component as the user does, printing where the focus
// goes: the order the designer gave the components.
void WalkTabs(QFrame& Form) {
    ShowWindow(Form.Handle(), SW_SHOW);
    SetFocus(Form.Controls(0)->Handle());
    std::printf("Tab:");
    for (int step = 0; step < 4; ++step) {
        HWND focused = GetFocus();
        for (int i = 0; i < Form.ControlCount(); ++i)
            if (Form.Controls(i)->Handle() == focused)
                std::printf(" %s", Form.Controls(i)->Name().c_str());
        SendMessageA(focused, WM_KEYDOWN, VK_TAB, 1);
    }
    std::printf("\n");
}

} // namespace

int main(int, char** argv) {
    StartLibrary();
    DesignedForm form;
    form.SetParent(nullptr);
    CoreLibrary core;
    core.Form = ParseClassDesign(DesignClassText("QForm"));
    FormModel made;
    made.Form.Name = form.Name();
    made.Form.Text = form.Text();
    made.Form.Width = form.ClientWidth();
    made.Form.Height = form.ClientHeight();
    ReadValues(form, core.Form, made.Form);
    Collect(form, "", core, made);
    std::ofstream(argv[1], std::ios::binary) << FormatFormFile(core, made);
    ClickButtons(form);
    WalkTabs(form);
    std::fflush(stdout);
}
