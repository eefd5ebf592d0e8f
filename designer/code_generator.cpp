#include "code_generator.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

const char* const ComponentHeaders[] = {
#include "library_headers.inc"
};

// A C++ string literal of Text; octal escapes never run into the following characters. Text in
// UTF-8, which the compiler reads and writes unchanged, stays readable; other bytes above ASCII
// are escaped.
std::string Literal(const std::string& Text) {
    bool utf8 = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, Text.data(),
                                    static_cast<int>(Text.size()), nullptr, 0) > 0;
    std::string literal = "\"";
    for (char c : Text) {
        auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            literal += '\\';
            literal += c;
        } else if (byte < 0x20 || byte == 0x7F || (byte > 0x7F && !utf8)) {
            char octal[5];
            std::snprintf(octal, sizeof octal, "\\%03o", byte);
            literal += octal;
        } else {
            literal += c;
        }
    }
    return literal + "\"";
}

std::string HexLiteral(uint32_t Value) {
    char text[12];
    std::snprintf(text, sizeof text, "0x%08X", static_cast<unsigned>(Value));
    return text;
}

// Generating runs once per command, so the temporaries of the long concatenations below cost
// nothing that matters, and each expression reads like the lines it writes.
// NOLINTBEGIN(performance-inefficient-string-concatenation)

// A handler of the form: its name and its event's parameters.
struct Handler {
    std::string Name;
    EventSignature Signature;
};

// The form's handlers in the order of the components (the form first) and their events.
std::vector<Handler> HandlersOf(const FormModel& Model, const CoreLibrary& Core) {
    std::vector<Handler> handlers;
    auto collect = [&](const ComponentRecord& c, const ClassDesign& design) {
        for (const auto& wired : c.Events) {
            const std::string& name = wired.second;
            bool known = std::any_of(handlers.begin(), handlers.end(),
                                     [&](const Handler& h) { return h.Name == name; });
            if (!known) handlers.push_back({name, ParseEvent(design.EventNamed(wired.first))});
        }
    };
    collect(Model.Form, Core.Form);
    for (const ComponentRecord& c : Model.Components)
        collect(c, Core.DesignOf(c.ClassName));
    return handlers;
}

// "QFrame* /*Sender*/, int& /*Action*/": a handler that does nothing uses no parameter.
std::string UnnamedParameters(const EventSignature& Signature) {
    std::string text;
    for (const auto& [type, name] : Signature.Each)
        text += (text.empty() ? "" : ", ") + type + " /*" + name + "*/";
    return text;
}

std::string ArgumentNames(const EventSignature& Signature) {
    std::string text;
    for (const auto& parameter : Signature.Each)
        text += (text.empty() ? "" : ", ") + parameter.second;
    return text;
}

// The lines that give Member (with its "." or "QForm::" for the form) its class values and wire
// its events to the form's handlers. The library's names are qualified, as a component or a
// handler of the same name would hide them inside the form's class.
std::string ValuesAndEvents(const std::string& Member, const ComponentRecord& C,
                            const ClassDesign& Design, const std::string& FormClass) {
    std::string text;
    for (const auto& [name, value] : C.Values) {
        const ValueDesign* described = Design.ValueNamed(name);
        if (!described) continue;
        std::string choice = described->ChoiceOf(value);
        bool literal = choice == "true" || choice == "false";
        std::string names = described->NamesOf(value, " | ::");
        std::string written = described->Colour      ? HexLiteral(value)
                              : described->Set       ? (names.empty() ? "0" : "::" + names)
                              : literal              ? choice
                              : IsIdentifier(choice) ? "::" + choice
                                                     : std::to_string(value);
        text += "    " + Member + described->Setter + "(" + written + ");\n";
    }
    for (const WrittenDesign& written : Design.Written) {
        auto value = C.Written.find(written.Name);
        if (value != C.Written.end())
            text += "    " + Member + written.Setter + "(::" + written.Reader + "(" +
                    Literal(value->second) + "));\n";
    }
    for (const auto& [event, handler] : C.Events) {
        EventSignature signature = ParseEvent(Design.EventNamed(event));
        text += "    " + Member + event + " = [](" + signature.Parameters + ") {\n        if (" +
                FormClass + "* form = FormOf(Sender)) form->" + handler + "(" +
                ArgumentNames(signature) + ");\n    };\n";
    }
    return text;
}

} // namespace

std::string HandlerConflict(const FormModel& Model, const CoreLibrary& Core) {
    std::vector<Handler> handlers = HandlersOf(Model, Core);
    std::string problem;
    auto check = [&](const ComponentRecord& c, const ClassDesign& design) {
        for (const auto& [event, name] : c.Events) {
            std::string parameters = ParseEvent(design.EventNamed(event)).Parameters;
            for (const Handler& h : handlers)
                if (problem.empty() && h.Name == name && h.Signature.Parameters != parameters)
                    problem = "the handler \"" + name + "\" of " + c.Name + "." + event +
                              " handles events of other parameters";
            if (problem.empty() && Model.NameTaken(name))
                problem = "the handler \"" + name + "\" of " + c.Name + "." + event +
                          " is named like a component";
        }
    };
    check(Model.Form, Core.Form);
    for (const ComponentRecord& c : Model.Components)
        check(c, Core.DesignOf(c.ClassName));
    return problem;
}

namespace {

// What both generated files of a form need: its class names and wired handlers, and whether
// any list has items.
struct FormParts {
    const FormModel& Model;
    const CoreLibrary& Core;
    std::string Name, Design;
    std::vector<Handler> Handlers;
    bool Items;
};

std::string DesignHeader(const FormParts& Form) {
    const FormModel& Model = Form.Model;
    const std::string &name = Form.Name, &design = Form.Design;
    const std::vector<Handler>& handlers = Form.Handlers;
    const bool items = Form.Items;
    std::string h =
        "// " + design + ": made with the Velmora designer and " + Form.Core.Version +
        ".\n// Generate writes this file again each time: change the form in the designer, and "
        "write\n// your code in " +
        name + ".h and " + name + ".cpp, which Generate never overwrites.\n#pragma once\n\n";
    for (const char* header : ComponentHeaders)
        h += std::string("#include \"") + header + "\"\n";
    h += "\nclass " + design + " : public QForm {\npublic:\n    " + design + "();\n    " + design +
         "* Self() override { return this; }\n";
    if (items) h += "    void CreateHandle() override;\n";
    if (!Model.Components.empty()) h += "\n";
    for (const ComponentRecord& c : Model.Components)
        h += "    ::" + c.ClassName + " " + c.Name + ";\n";
    if (!handlers.empty()) {
        h += "\nprotected:\n    // The handlers of the wired events: override those the form acts "
             "on.\n";
        for (const Handler& handler : handlers)
            h += "    virtual void " + handler.Name + "(" + UnnamedParameters(handler.Signature) +
                 ") {}\n";
        h += "\nprivate:\n    // The form of this class that holds Sender (or is Sender).\n    "
             "static " +
             design + "* FormOf(QFrame* Sender);\n";
    }
    h += "};\n";
    return h;
}

std::string DesignSource(const FormParts& Form) {
    const FormModel& Model = Form.Model;
    const CoreLibrary& Core = Form.Core;
    const std::string &name = Form.Name, &design = Form.Design;
    const std::vector<Handler>& handlers = Form.Handlers;
    const bool items = Form.Items;
    // The form's outer size that gives the designed client area.
    RECT outer = {0, 0, Model.Form.Width, Model.Form.Height};
    AdjustWindowRectEx(&outer, WS_OVERLAPPEDWINDOW, FALSE, 0);
    std::string s =
        "#include \"" + design + ".h\"\n\n" + design + "::" + design + "() {\n    SetName(" +
        Literal(name) + ");\n    SetText(" + Literal(Model.Form.Text) + ");\n    SetBounds(0, 0, " +
        std::to_string(outer.right - outer.left) + ", " + std::to_string(outer.bottom - outer.top) +
        ");\n" + ValuesAndEvents("QForm::", Model.Form, Core.Form, design);
    for (const ComponentRecord& c : Model.Components) {
        const std::string m = "    " + c.Name + ".";
        // The window class is written out: a C++ class may make another class's window than
        // the one placed (QMyFrame is a QForm and makes a "QForm" window).
        s += "\n" + m + "SetClassName(" + Literal(c.ClassName) + ");\n" + m + "SetName(" +
             Literal(c.Name) + ");\n" + m + "SetText(" + Literal(c.Text) + ");\n" + m +
             "SetAlign(" + AlignNames[c.Align] + ");\n" + m + "SetBounds(" +
             std::to_string(c.Left) + ", " + std::to_string(c.Top) + ", " +
             std::to_string(c.Width) + ", " + std::to_string(c.Height) + ");\n" + m + "SetStyle(" +
             HexLiteral(c.Style) + ");\n" + m + "SetExStyle(" + HexLiteral(c.ExStyle) + ");\n" + m +
             "SetID(" + std::to_string(c.Id) + ");\n" +
             // The frame shows and enables its window by these, whatever the style says.
             (c.Style & WS_DISABLED ? m + "SetEnabled(false);\n" : "") +
             (c.Style & WS_VISIBLE ? "" : m + "SetVisible(false);\n") +
             ValuesAndEvents(c.Name + ".", c, Core.DesignOf(c.ClassName), design) + m +
             "SetParent(" + (c.Parent.empty() ? "this" : "&" + c.Parent) + ");\n";
    }
    // Links name components made above or below, so they come once all are there.
    std::string links;
    for (const ComponentRecord& c : Model.Components)
        for (const LinkDesign& link : Core.DesignOf(c.ClassName).Links)
            if (auto linked = c.Links.find(link.Name); linked != c.Links.end())
                links += "    " + c.Name + "." + link.Setter + "(&" + linked->second + ");\n";
    s += (links.empty() ? "" : "\n" + links) + "}\n";
    if (items) {
        s += "\nvoid " + design +
             "::CreateHandle() {\n    QForm::CreateHandle();\n    // The "
             "lists' items go in once their windows exist.\n";
        for (const ComponentRecord& c : Model.Components)
            for (const std::string& item : c.Items)
                s += "    " + c.Name + ".Perform(" + Core.DesignOf(c.ClassName).ItemsMessageName +
                     ", 0, reinterpret_cast<LPARAM>(" + Literal(item) + "));\n";
        s += "}\n";
    }
    if (!handlers.empty())
        s += "\n" + design + "* " + design +
             "::FormOf(QFrame* Sender) {\n    for (QFrame* frame = "
             "Sender; frame; frame = frame->Parent())\n        if (auto* form = dynamic_cast<" +
             design + "*>(frame)) return form;\n    return nullptr;\n}\n";
    return s;
}

void WriteUserFiles(const FormParts& Form, GeneratedFiles& Files) {
    const std::string &name = Form.Name, &design = Form.Design;
    const std::vector<Handler>& handlers = Form.Handlers;
    std::string& uh = Files.UserHeader;
    uh = "// " + name +
         ": the form's own code. Generate wrote this file once and never writes it\n"
         "// again; the designed form is " +
         design + ", in " + design +
         ".h.\n#pragma once\n\n"
         "#include \"" +
         design + ".h\"\n\nclass " + name + " : public " + design + " {\npublic:\n    " + name +
         "* Self() override { return this; }\n";
    std::string& us = Files.UserSource;
    us = "#include \"" + name + ".h\"\n";
    if (!handlers.empty()) {
        uh += "\nprotected:\n    // A handler wired in the designer later needs nothing here until "
              "it has\n    // something to do: override it then.\n";
        for (const Handler& handler : handlers) {
            uh += "    void " + handler.Name + "(" + handler.Signature.Parameters + ") override;\n";
            us += "\nvoid " + name + "::" + handler.Name + "(" +
                  UnnamedParameters(handler.Signature) + ") {\n}\n";
        }
    }
    uh += "};\n";
}

} // namespace

GeneratedFiles GenerateForm(const FormModel& Model, const CoreLibrary& Core) {
    FormParts form{Model,
                   Core,
                   Model.Form.Name,
                   Model.DesignClass(),
                   HandlersOf(Model, Core),
                   std::any_of(Model.Components.begin(), Model.Components.end(),
                               [](const ComponentRecord& c) { return !c.Items.empty(); })};
    GeneratedFiles files;
    files.DesignHeader = DesignHeader(form);
    files.DesignSource = DesignSource(form);
    WriteUserFiles(form, files);
    return files;
}

// NOLINTEND(performance-inefficient-string-concatenation)
