#include "code_generator.h"

#include <windows.h>

#include <cstdio>

namespace {

// Every header of the library's components: a member's type is its window class's name.
const char* const ComponentHeaders[] = {
    "containers/bars.h", "containers/panel.h",         "controls/buttons.h", "controls/edits.h",
    "controls/lists.h",  "designer/demo_components.h", "designer/editor.h",  "object/forms.h"};

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

} // namespace

std::string GenerateHeader(const GeneratedForm& Form) {
    std::string text = "// " + Form.ClassName + ": made with the Velmora designer and " +
                       Form.CoreVersion +
                       ".\n// Change the form in the designer and generate "
                       "it again rather than editing this file.\n#pragma once\n\n";
    for (const char* header : ComponentHeaders)
        text += std::string("#include \"") + header + "\"\n";
    text += "\nclass " + Form.ClassName + " : public QForm {\npublic:\n    " + Form.ClassName +
            "();\n    " + Form.ClassName + "* Self() override { return this; }\n";
    if (!Form.Components.empty()) text += "\n";
    for (const ComponentRecord& c : Form.Components)
        text += "    " + c.ClassName + " " + c.Name + ";\n";
    return text + "};\n";
}

std::string GenerateSource(const GeneratedForm& Form) {
    // The form's outer size that gives the designed client area.
    RECT outer = {0, 0, Form.ClientWidth, Form.ClientHeight};
    AdjustWindowRectEx(&outer, WS_OVERLAPPEDWINDOW, FALSE, 0);
    std::string text = "#include \"" + Form.ClassName + ".h\"\n\n" + Form.ClassName +
                       "::" + Form.ClassName + "() {\n";
    text += "    SetName(" + Literal(Form.ClassName) + ");\n    SetText(" +
            Literal(Form.ClassName) + ");\n    SetBounds(0, 0, " +
            std::to_string(outer.right - outer.left) + ", " +
            std::to_string(outer.bottom - outer.top) + ");\n";
    for (const ComponentRecord& c : Form.Components) {
        const std::string m = "    " + c.Name + ".";
        // The window class is written out: a C++ class may make another class's window than
        // the one placed (QMyFrame is a QForm and makes a "QForm" window). Generating runs once
        // per command, so the temporaries cost nothing that matters, and the one expression
        // reads like the lines it writes.
        // NOLINTBEGIN(performance-inefficient-string-concatenation)
        text += "\n" + m + "SetClassName(" + Literal(c.ClassName) + ");\n" + m + "SetName(" +
                Literal(c.Name) + ");\n" + m + "SetText(" + Literal(c.Text) + ");\n" + m +
                "SetAlign(" + AlignNames[c.Align] + ");\n" + m + "SetBounds(" +
                std::to_string(c.Left) + ", " + std::to_string(c.Top) + ", " +
                std::to_string(c.Width) + ", " + std::to_string(c.Height) + ");\n" + m +
                "SetStyle(" + HexLiteral(c.Style) + ");\n" + m + "SetExStyle(" +
                HexLiteral(c.ExStyle) + ");\n" + m + "SetID(" + std::to_string(c.Id) + ");\n" + m +
                "SetParent(" + (c.Parent.empty() ? "this" : "&" + c.Parent) + ");\n";
        // NOLINTEND(performance-inefficient-string-concatenation)
    }
    return text + "}\n";
}
