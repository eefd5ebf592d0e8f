#include "object/shortcuts.h"

#include "object/text_items.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>

namespace {

struct NamedKey {
    const char* Name;
    uint16_t Key;
};
// The first name of a key is the one written.
const NamedKey NamedKeys[] = {
    {"Del", VK_DELETE}, {"Delete", VK_DELETE}, {"Ins", VK_INSERT},     {"Insert", VK_INSERT},
    {"Home", VK_HOME},  {"End", VK_END},       {"PgUp", VK_PRIOR},     {"PageUp", VK_PRIOR},
    {"PgDn", VK_NEXT},  {"PageDown", VK_NEXT}, {"Up", VK_UP},          {"Down", VK_DOWN},
    {"Left", VK_LEFT},  {"Right", VK_RIGHT},   {"Esc", VK_ESCAPE},     {"Enter", VK_RETURN},
    {"Tab", VK_TAB},    {"Space", VK_SPACE},   {"Backspace", VK_BACK},
};
const NamedKey Modifiers[] = {{"Ctrl", FCONTROL}, {"Shift", FSHIFT}, {"Alt", FALT}};

bool SameName(const std::string& Text, const char* Name) {
    return Text.size() == std::strlen(Name) && !lstrcmpiA(Text.c_str(), Name);
}

// The key one name stands for, 0 for none.
uint16_t KeyNamed(const std::string& Name) {
    if (Name.size() == 1 && std::isalnum(static_cast<unsigned char>(Name[0])))
        return static_cast<uint16_t>(std::toupper(static_cast<unsigned char>(Name[0])));
    if (Name.size() >= 2 && Name.size() <= 3 && std::toupper(Name[0]) == 'F' &&
        Name.find_first_not_of("0123456789", 1) == std::string::npos) {
        int number = std::stoi(Name.substr(1));
        if (number >= 1 && number <= 24 && Name[1] != '0')
            return static_cast<uint16_t>(VK_F1 + number - 1);
    }
    for (const NamedKey& named : NamedKeys)
        if (SameName(Name, named.Name)) return named.Key;
    return 0;
}

} // namespace

bool ParseShortcut(const std::string& Text, QShortcut& Shortcut) {
    uint8_t modifiers = 0;
    size_t start = 0;
    for (size_t plus; (plus = Text.find('+', start)) != std::string::npos; start = plus + 1) {
        std::string part = Text.substr(start, plus - start);
        uint8_t bit = 0;
        for (const NamedKey& modifier : Modifiers)
            if (SameName(part, modifier.Name)) bit = static_cast<uint8_t>(modifier.Key);
        if (!bit || (modifiers & bit)) return false;
        modifiers |= bit;
    }
    uint16_t key = KeyNamed(Text.substr(start));
    if (!key) return false;
    Shortcut.Key = key;
    Shortcut.Modifiers = modifiers;
    return true;
}

std::string ShortcutText(const QShortcut& Shortcut) {
    std::string text;
    for (const NamedKey& modifier : Modifiers)
        if (Shortcut.Modifiers & modifier.Key) text += std::string(modifier.Name) + "+";
    uint16_t key = Shortcut.Key;
    if ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9')) return text + char(key);
    if (key >= VK_F1 && key <= VK_F24) return text + "F" + std::to_string(key - VK_F1 + 1);
    for (const NamedKey& named : NamedKeys)
        if (named.Key == key) return text + named.Name;
    return "";
}

bool ParseShortcutList(const std::string& Text, std::vector<QShortcut>& List) {
    std::vector<std::string> items;
    if (!SplitItems(Text, ',', items)) return false;
    std::vector<QShortcut> read;
    for (const std::string& item : items) {
        size_t equals = item.rfind('=');
        QShortcut shortcut;
        char* stop = nullptr;
        const char* number = equals == std::string::npos ? "" : item.c_str() + equals + 1;
        unsigned long command = std::strtoul(number, &stop, 10);
        if (!std::isdigit(static_cast<unsigned char>(*number)) || *stop || command < 1 ||
            command > 65535 || !ParseShortcut(item.substr(0, equals), shortcut))
            return false;
        shortcut.Command = static_cast<uint16_t>(command);
        for (const QShortcut& other : read)
            if (other.Key == shortcut.Key && other.Modifiers == shortcut.Modifiers) return false;
        read.push_back(shortcut);
    }
    List = read;
    return true;
}

std::string ShortcutListText(const std::vector<QShortcut>& List) {
    std::string text;
    for (const QShortcut& shortcut : List)
        text += (text.empty() ? "" : ",") + ShortcutText(shortcut) + "=" +
                std::to_string(shortcut.Command);
    return text;
}

std::vector<QShortcut> ShortcutList(const std::string& Text) {
    std::vector<QShortcut> list;
    ParseShortcutList(Text, list);
    return list;
}

void QShortcutTable::Set(const std::vector<QShortcut>& Shortcuts) {
    List = Shortcuts;
    std::vector<ACCEL> keys;
    keys.reserve(Shortcuts.size());
    for (const QShortcut& shortcut : Shortcuts)
        keys.push_back(
            {static_cast<BYTE>(FVIRTKEY | shortcut.Modifiers), shortcut.Key, shortcut.Command});
    Table.reset(keys.empty() ? nullptr
                             : CreateAcceleratorTableA(keys.data(), static_cast<int>(keys.size())));
}

bool QShortcutTable::Translate(HWND Form, MSG& Message) const {
    return Table && TranslateAcceleratorA(Form, Table.get(), &Message);
}
