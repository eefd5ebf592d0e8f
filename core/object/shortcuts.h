/// \file
/// A form's shortcuts: keys with Ctrl, Shift or Alt held, each standing for a command
/// identifier that the form's OnAccelCommand gets, and their text ("Ctrl+Shift+N", "F5").
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <type_traits>
#include <vector>

struct QShortcut {
    uint16_t Key = 0;      ///< a virtual-key code
    uint8_t Modifiers = 0; ///< FCONTROL, FSHIFT and FALT
    uint16_t Command = 0;  ///< the identifier OnAccelCommand gets
};

/// Reads "Ctrl+Shift+N", "Alt+F4", "Del": modifiers (Ctrl, Shift, Alt, in any order and case),
/// then one key: a letter, a digit, F1 to F24, or a named key. Leaves Command alone; false for
/// text that names no key.
bool ParseShortcut(const std::string& Text, QShortcut& Shortcut);
/// The shortcut's keys as ParseShortcut reads them, modifiers in the order Ctrl, Shift, Alt;
/// empty for a key without a name.
std::string ShortcutText(const QShortcut& Shortcut);

/// Reads a list of shortcuts with their commands, "Ctrl+S=101,F5=102" (spaces around an item are
/// left out; an empty text is an empty list). False, changing nothing, for a key ParseShortcut
/// does not read, a command outside 1 to 65535 or a key given twice, which the platform's table
/// would answer with one of its commands only.
bool ParseShortcutList(const std::string& Text, std::vector<QShortcut>& List);
/// The list as ParseShortcutList reads it, written as ShortcutText writes each key.
std::string ShortcutListText(const std::vector<QShortcut>& List);
/// The shortcuts of Text, none where it is no list: designed forms take theirs from it.
std::vector<QShortcut> ShortcutList(const std::string& Text);

/// The platform's accelerator table of a list of shortcuts, destroyed with its holder.
class QShortcutTable {
public:
    void Set(const std::vector<QShortcut>& Shortcuts);
    const std::vector<QShortcut>& Shortcuts() const { return List; }
    /// Turns a key message for a window of the form Form into its command: true when it was one.
    bool Translate(HWND Form, MSG& Message) const;

private:
    std::vector<QShortcut> List;
    std::unique_ptr<std::remove_pointer_t<HACCEL>, decltype(&DestroyAcceleratorTable)> Table{
        nullptr, &DestroyAcceleratorTable};
};
