#include "form_file.h"

#include <algorithm>
#include <iterator>
#include <set>

namespace {

const char FormHeader1[] = "Velmora form 1";
const char FormHeader2[] = "Velmora form 2";
const char CorePrefix[] = "core ";
constexpr size_t FieldCount = 1 + 9; // version 1: class and nine more

// Writes Text with the escapes of version 1 ("|" among them) or of a quoted value ('"').
std::string Escape(const std::string& Text, char Delimiter) {
    std::string escaped;
    for (char c : Text) {
        if (c == '\\' || c == Delimiter)
            escaped += std::string("\\") + c;
        else if (c == '\n')
            escaped += "\\n";
        else if (c == '\r')
            escaped += "\\r";
        else
            escaped += c;
    }
    return escaped;
}

// Undoes the escape at Line[I] (just after a "\"); false for one the writer never makes.
bool Unescape(const std::string& Line, size_t& I, char Delimiter, std::string& Into) {
    if (++I >= Line.size()) return false;
    char c = Line[I];
    if (c == 'n' || c == 'r')
        Into += c == 'n' ? '\n' : '\r';
    else if (c == '\\' || c == Delimiter)
        Into += c;
    else
        return false;
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

const char UnknownEscape[] = "a \\ that starts no known escape";

std::string Bad(const std::string& Name, const std::string& Value) {
    std::string fault = "bad ";
    fault += Name;
    fault += " \"";
    fault += Value;
    return fault + "\"";
}

// Values with spaces, quotes or nothing in them are quoted.
std::string Quoted(const std::string& Value) {
    return IsIdentifier(Value) ? Value : "\"" + Escape(Value, '"') + "\"";
}

// A list without items has no Items at all, so "" is one empty item.
std::vector<std::string> SplitItems(const std::string& Value) {
    std::vector<std::string> items;
    for (size_t start = 0; start <= Value.size();) {
        size_t end = std::min(Value.find('\n', start), Value.size());
        items.push_back(Value.substr(start, end - start));
        start = end + 1;
    }
    return items;
}

// The class's numbered value or event called Name, read into Record; answers what is wrong, or
// "". Found is false when the class has neither.
std::string ReadClassProperty(const std::string& Name, const std::string& Value,
                              const ClassDesign& Design, ComponentRecord& Record, bool& Found) {
    Found = true;
    if (const ValueDesign* described = Design.ValueNamed(Name)) {
        uint32_t number = 0;
        bool read = described->Colour ? ParseHex(Value, number)
                    : described->Set  ? described->ReadNames(Value, number)
                                      : false;
        for (const auto& [choice, value] : described->Choices)
            if (choice == Value) read = true, number = value;
        if (!read) return Bad(Name, Value);
        Record.Values[Name] = number;
        return "";
    }
    if (!Design.EventNamed(Name).empty()) {
        Record.Events[Name] = Value;
        return IsValidComponentName(Value) ? "" : Bad(Name, Value);
    }
    if (Name == "Items" && Design.ItemsMessage) {
        Record.Items = SplitItems(Value);
        return "";
    }
    for (const LinkDesign& link : Design.Links)
        if (link.Name == Name) {
            Record.Links[Name] = Value;
            return IsValidComponentName(Value) ? "" : "\"" + Value + "\" is not a name";
        }
    Found = false;
    return "";
}

// The named values of a record and how each is read; answers what is wrong, or "".
std::string ReadProperty(const std::string& Name, const std::string& Value,
                         const ClassDesign& Design, ComponentRecord& Record) {
    bool found = false;
    std::string fault = ReadClassProperty(Name, Value, Design, Record, found);
    if (found) return fault;
    struct Decimal {
        const char* Name;
        int Min, Max;
        int& Value;
    };
    const Decimal decimals[] = {
        {"Left", LeastPlace, MostPlace, Record.Left},
        {"Top", LeastPlace, MostPlace, Record.Top},
        {"Width", 0, MostSize, Record.Width},
        {"Height", 0, MostSize, Record.Height},
        {"ID", 0, MostId, Record.Id},
    };
    for (const Decimal& field : decimals)
        if (Name == field.Name)
            return ParseDecimal(Value, field.Min, field.Max, field.Value) ? "" : Bad(Name, Value);
    if (Name == "Style" || Name == "ExStyle")
        return ParseHex(Value, Name == "Style" ? Record.Style : Record.ExStyle) ? ""
                                                                                : Bad(Name, Value);
    if (Name == "Text") {
        Record.Text = Value;
        return "";
    }
    if (Name == "Align") return ParseAlign(Value, Record.Align) ? "" : Bad(Name, Value);
    if (Name == "Parent") {
        Record.Parent = Value;
        return IsValidComponentName(Value) ? "" : "\"" + Value + "\" is not a name";
    }
    return "no property is called \"" + Name + "\"";
}

// Reads "Name=Value" or "Name="quoted value"" at Line[I], leaving I after it.
std::string ReadNamedValue(const std::string& Line, size_t& I, std::string& Name,
                           std::string& Value) {
    size_t equals = Line.find('=', I);
    size_t space = Line.find(' ', I);
    if (equals == std::string::npos || equals > space)
        return "\"" + Line.substr(I, space - I) + "\" is not Name=Value";
    Name = Line.substr(I, equals - I);
    Value.clear();
    I = equals + 1;
    if (I < Line.size() && Line[I] == '"') {
        for (++I; I < Line.size() && Line[I] != '"'; ++I)
            if (Line[I] != '\\')
                Value += Line[I];
            else if (!Unescape(Line, I, '"', Value))
                return UnknownEscape;
        if (I++ >= Line.size()) return "the value of " + Name + " has no closing quote";
    } else {
        space = Line.find(' ', I);
        Value = Line.substr(I, space - I);
        I = space == std::string::npos ? Line.size() : space;
    }
    if (I < Line.size() && Line[I++] != ' ') return "no space after the value of " + Name;
    return "";
}

// A value written as text, as the library writes it; none for an empty one.
std::string ReadWritten(const CoreLibrary& Core, const std::string& Name, const std::string& Value,
                        ComponentRecord& Record) {
    std::string written;
    if (!Core.NormalText(Name, Value, written)) return Bad(Name, Value);
    if (written.empty())
        Record.Written.erase(Name);
    else
        Record.Written[Name] = written;
    return "";
}

// What the form line may not give: the form has no holder, place, styles or identifier.
const char* const NotOfTheForm[] = {"Parent", "Left", "Top", "Style", "ExStyle", "ID", "Align"};

// Reads one version 2 line (a component's, or with IsForm the form's own) into Record; answers
// what is wrong with it, or "". A property left out has the value a newly placed component of
// the class (or a new form) gets.
std::string ParseComponent2(const std::string& Line, const CoreLibrary& Core, bool IsForm,
                            ComponentRecord& Record) {
    size_t first = Line.find(' '), second = Line.find(' ', first + 1);
    if (first == std::string::npos) return "no name after the class";
    std::string className = Line.substr(0, first);
    const ClassDesign& design = IsForm ? Core.Form : Core.DesignOf(className);
    Record = IsForm ? NewForm() : design.NewComponent(className);
    Record.Name = Line.substr(first + 1, second - first - 1);
    std::set<std::string> seen;
    for (size_t i = second == std::string::npos ? Line.size() : second + 1; i < Line.size();) {
        std::string name, value;
        std::string fault = ReadNamedValue(Line, i, name, value);
        if (fault.empty() && !seen.insert(name).second) fault = name + " is given twice";
        if (fault.empty() && IsForm &&
            std::find(std::begin(NotOfTheForm), std::end(NotOfTheForm), name) !=
                std::end(NotOfTheForm))
            fault = "the form has no " + name;
        auto written = std::find_if(design.Written.begin(), design.Written.end(),
                                    [&](const WrittenDesign& W) { return W.Name == name; });
        if (fault.empty() && written != design.Written.end())
            fault = ReadWritten(Core, name, value, Record);
        else if (fault.empty())
            fault = ReadProperty(name, value, design, Record);
        if (!fault.empty()) return fault;
    }
    return "";
}

// Reads one version 1 component line into Record; answers what is wrong with it, or "".
std::string ParseComponent1(const std::string& Line, ComponentRecord& Record) {
    std::vector<std::string> f(1);
    for (size_t i = 0; i < Line.size(); ++i)
        if (Line[i] == '|')
            f.emplace_back();
        else if (Line[i] != '\\')
            f.back() += Line[i];
        else if (!Unescape(Line, i, '|', f.back()))
            return UnknownEscape;
    if (f.size() != FieldCount)
        return std::to_string(f.size()) + " fields where " + std::to_string(FieldCount) + " belong";
    Record.ClassName = f[0];
    Record.Name = f[1];
    const char* const names[] = {"Text",   "Left",  "Top",     "Width",
                                 "Height", "Style", "ExStyle", "ID"};
    for (size_t i = 0; i < std::size(names); ++i) {
        std::string fault = ReadProperty(names[i], f[i + 2], ClassDesign(), Record);
        if (!fault.empty()) return fault;
    }
    return "";
}

// What is wrong with the holders of the components and the components their links name, naming
// the line, or "".
std::string CheckReferences(const std::vector<ComponentRecord>& Read,
                            const std::vector<size_t>& Lines, const CoreLibrary& Core) {
    auto find = [&](const std::string& Name) -> const ComponentRecord* {
        for (const ComponentRecord& c : Read)
            if (c.Name == Name) return &c;
        return nullptr;
    };
    for (size_t i = 0; i < Read.size(); ++i) {
        const ComponentRecord& c = Read[i];
        std::string at = "line " + std::to_string(Lines[i]) + ": ";
        for (const auto& [link, linked] : c.Links)
            if (!find(linked))
                return at.append(link).append(" names no component \"").append(linked) + "\"";
        if (c.Parent.empty()) continue;
        const ComponentRecord* holder = find(c.Parent);
        if (!holder) return at + "the parent \"" + c.Parent + "\" is no component of the form";
        if (!Core.DesignOf(holder->ClassName).Holds)
            return at + "\"" + c.Parent + "\" (" + holder->ClassName + ") holds no components";
        for (size_t steps = 0; holder; holder = find(holder->Parent))
            if (holder == &c || ++steps > Read.size())
                return at + "the parents of \"" + c.Name + "\" lead back to it";
    }
    return "";
}

// The components with every holder before what it holds, otherwise in the file's order.
std::vector<ComponentRecord> HoldersFirst(const std::vector<ComponentRecord>& Read) {
    std::vector<ComponentRecord> ordered;
    std::set<std::string> placed;
    std::vector<bool> done(Read.size());
    while (ordered.size() < Read.size())
        for (size_t i = 0; i < Read.size(); ++i)
            if (!done[i] && (Read[i].Parent.empty() || placed.count(Read[i].Parent))) {
                done[i] = true;
                placed.insert(Read[i].Name);
                ordered.push_back(Read[i]);
            }
    return ordered;
}

} // namespace

std::string FormatFormFile(const CoreLibrary& Core, const FormModel& Model) {
    std::string text = std::string(FormHeader2) + "\r\n" + CorePrefix + Core.Version + "\r\n";
    auto classProperties = [&](const ComponentRecord& c, const ClassDesign& design) {
        for (const auto& [name, value] : c.Values) {
            const ValueDesign* described = design.ValueNamed(name);
            if (!described) continue;
            text += ' ' + name + '=' +
                    (described->Colour ? Hex(value)
                     : described->Set  ? Quoted(described->NamesOf(value, "|"))
                                       : Quoted(described->ChoiceOf(value)));
        }
        if (!c.Items.empty()) {
            std::string items;
            for (size_t i = 0; i < c.Items.size(); ++i)
                items += (i ? "\n" : "") + c.Items[i];
            text += " Items=\"" + Escape(items, '"') + '"';
        }
        for (const auto& [event, handler] : c.Events)
            text.append(1, ' ').append(event).append(1, '=').append(handler);
        for (const auto& [link, linked] : c.Links)
            text.append(1, ' ').append(link).append(1, '=').append(linked);
        for (const auto& [name, value] : c.Written)
            text.append(1, ' ').append(name).append(1, '=').append(Quoted(value));
        text += "\r\n";
    };
    // A form as new as the one New makes needs no line: a reader makes it so.
    const ComponentRecord& form = Model.Form;
    if (form != NewForm()) {
        text += "Form " + form.Name + " Text=\"" + Escape(form.Text, '"') +
                "\" Width=" + std::to_string(form.Width) + " Height=" + std::to_string(form.Height);
        classProperties(form, Core.Form);
    }
    for (const ComponentRecord& c : Model.Components) {
        text += c.ClassName + ' ' + c.Name;
        if (!c.Parent.empty()) text += " Parent=" + c.Parent;
        text += " Text=\"" + Escape(c.Text, '"') + "\" Left=" + std::to_string(c.Left) +
                " Top=" + std::to_string(c.Top) + " Width=" + std::to_string(c.Width) +
                " Height=" + std::to_string(c.Height) + " Style=" + Hex(c.Style) +
                " ExStyle=" + Hex(c.ExStyle) + " ID=" + std::to_string(c.Id);
        if (c.Align) text += std::string(" Align=") + AlignNames[c.Align];
        classProperties(c, Core.DesignOf(c.ClassName));
    }
    return text;
}

bool ParseFormFile(const std::string& Text, const CoreLibrary& Core, FormModel& Model,
                   std::string& Problem) {
    std::vector<std::string> lines = SplitLines(Text);
    bool second = !lines.empty() && lines[0] == FormHeader2;
    if (lines.empty() || (!second && lines[0] != FormHeader1)) {
        Problem = "line 1: not a Velmora form file (\"" + std::string(FormHeader1) + "\" or \"" +
                  FormHeader2 + "\" expected)";
        return false;
    }
    if (lines.size() < 2 || lines[1].compare(0, sizeof CorePrefix - 1, CorePrefix) != 0) {
        Problem = "line 2: the core.dll version line is missing";
        return false;
    }
    FormModel read;
    std::vector<size_t> numbers;
    for (size_t i = 2; i < lines.size(); ++i) {
        ComponentRecord record;
        bool isForm = second && i == 2 && lines[i].compare(0, 5, "Form ") == 0;
        std::string fault = !second ? ParseComponent1(lines[i], record)
                                    : ParseComponent2(lines[i], Core, isForm, record);
        if (fault.empty() && !isForm && !Core.Offers(record.ClassName))
            fault = "the library has no class \"" + record.ClassName + "\"";
        if (fault.empty() && !IsValidComponentName(record.Name))
            fault = "\"" + record.Name + "\" is not a name";
        // The form's line comes first, so its class and design class are known here.
        if (fault.empty() && !isForm && read.NameTaken(record.Name))
            fault = "the name \"" + record.Name + "\" is used twice";
        if (!fault.empty()) {
            Problem = "line " + std::to_string(i + 1) + ": " + fault;
            return false;
        }
        if (isForm) {
            read.Form = record;
            continue;
        }
        read.Components.push_back(record);
        numbers.push_back(i + 1);
    }
    Problem = CheckReferences(read.Components, numbers, Core);
    if (!Problem.empty()) return false;
    read.Components = HoldersFirst(read.Components);
    Model = read;
    return true;
}
