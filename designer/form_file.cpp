#include "form_file.h"

#include <set>

namespace {

const char FormHeader[] = "Velmora form 1";
const char CorePrefix[] = "core ";
constexpr size_t FieldCount = 10;

std::string Escape(const std::string& Text) {
    std::string escaped;
    for (char c : Text) {
        switch (c) {
        case '\\':
            escaped += "\\\\";
            break;
        case '|':
            escaped += "\\|";
            break;
        case '\n':
            escaped += "\\n";
            break;
        case '\r':
            escaped += "\\r";
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

// Splits a component line at its unescaped bars, undoing the escapes; false for an escape
// that the writer never makes.
bool SplitFields(const std::string& Line, std::vector<std::string>& Fields) {
    Fields.assign(1, "");
    for (size_t i = 0; i < Line.size(); ++i) {
        char c = Line[i];
        if (c == '|') {
            Fields.emplace_back();
        } else if (c != '\\') {
            Fields.back() += c;
        } else if (++i < Line.size() && std::string("\\|nr").find(Line[i]) != std::string::npos) {
            Fields.back() += Line[i] == 'n' ? '\n' : Line[i] == 'r' ? '\r' : Line[i];
        } else {
            return false;
        }
    }
    return true;
}

std::vector<std::string> SplitLines(const std::string& Text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < Text.size()) {
        size_t end = Text.find('\n', start);
        if (end == std::string::npos) end = Text.size();
        std::string line = Text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

// Reads one component line into Record; answers what is wrong with it, or "" when nothing is.
std::string ParseComponent(const std::string& Line, const CoreLibrary& Core,
                           ComponentRecord& Record) {
    std::vector<std::string> f;
    if (!SplitFields(Line, f)) return "a \\ that starts no known escape";
    if (f.size() != FieldCount)
        return std::to_string(f.size()) + " fields where " + std::to_string(FieldCount) + " belong";
    Record.ClassName = f[0];
    Record.Name = f[1];
    Record.Text = f[2];
    if (!Core.Offers(Record.ClassName)) return "the library has no class \"" + f[0] + "\"";
    if (!IsIdentifier(Record.Name)) return "\"" + f[1] + "\" is not a name";
    struct DecimalField {
        const char* What;
        const std::string& Text;
        int Min, Max;
        int& Value;
    };
    const DecimalField decimals[] = {
        {"left", f[3], -32768, 32767, Record.Left}, {"top", f[4], -32768, 32767, Record.Top},
        {"width", f[5], 0, 32767, Record.Width},    {"height", f[6], 0, 32767, Record.Height},
        {"identifier", f[9], 0, 65535, Record.Id},
    };
    for (const DecimalField& field : decimals)
        if (!ParseDecimal(field.Text, field.Min, field.Max, field.Value))
            return std::string("bad ") + field.What + " \"" + field.Text + "\"";
    if (!ParseHex(f[7], Record.Style)) return "bad style \"" + f[7] + "\"";
    if (!ParseHex(f[8], Record.ExStyle)) return "bad extended style \"" + f[8] + "\"";
    return "";
}

} // namespace

std::string FormatFormFile(const std::string& CoreVersion,
                           const std::vector<ComponentRecord>& Components) {
    std::string text = std::string(FormHeader) + "\r\n" + CorePrefix + CoreVersion + "\r\n";
    for (const ComponentRecord& c : Components) {
        text += Escape(c.ClassName) + '|' + Escape(c.Name) + '|' + Escape(c.Text);
        for (int number : {c.Left, c.Top, c.Width, c.Height})
            text += '|' + std::to_string(number);
        text += '|' + Hex(c.Style) + '|' + Hex(c.ExStyle) + '|' + std::to_string(c.Id) + "\r\n";
    }
    return text;
}

bool ParseFormFile(const std::string& Text, const CoreLibrary& Core,
                   std::vector<ComponentRecord>& Components, std::string& Problem) {
    std::vector<std::string> lines = SplitLines(Text);
    if (lines.empty() || lines[0] != FormHeader) {
        Problem = "line 1: not a Velmora form file (\"" + std::string(FormHeader) + "\" expected)";
        return false;
    }
    if (lines.size() < 2 || lines[1].compare(0, sizeof CorePrefix - 1, CorePrefix) != 0) {
        Problem = "line 2: the core.dll version line is missing";
        return false;
    }
    std::vector<ComponentRecord> read;
    std::set<std::string> names;
    for (size_t i = 2; i < lines.size(); ++i) {
        ComponentRecord record;
        std::string fault = ParseComponent(lines[i], Core, record);
        if (fault.empty() && !names.insert(record.Name).second)
            fault = "the name \"" + record.Name + "\" is used twice";
        if (!fault.empty()) {
            Problem = "line " + std::to_string(i + 1) + ": " + fault;
            return false;
        }
        read.push_back(record);
    }
    Components = read;
    return true;
}
