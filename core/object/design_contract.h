/// \file
/// What a form designer asks core.dll about a class beyond its name: the values a new component
/// of it is placed with, whether it holds other components, its events, and the properties and
/// style bits a designer edits; and how a designer's window takes one of those values.
#pragma once

#include <cstdint>
#include <string>

class QFrame;

/// The description of ClassName as lines of "Name=Value", each ending in a line feed:
/// \verbatim
///   Style=<hex>, ExStyle=<hex>   the styles a new one gets besides WS_CHILD and WS_VISIBLE
///   Width=<n>, Height=<n>        the size it is placed at
///   Holds=0|1                    whether components may be placed inside it
///   Event=<name>(<parameters>)   one line per event, with the handler's parameters
///   Text=Lines                   its text is edited as lines (a memo)
///   Items=<name>:<hex>           the message, by name and number, that adds one item
///                                (WParam 0, LParam the item's text)
///   Value=<name>:<setter>:<default>:<choices>
///                                a numeric property set in code by calling <setter>(value);
///                                <default> (decimal) is a new component's; <choices> is
///                                "colour" (a COLORREF) or choice names, each optionally
///                                "=<number>" (else its position); names that are C++
///                                identifiers are the library's enumerators
///   Set=<name>:<setter>:<default>:<choices>
///                                the same for a set of bits, any of the choices together
///                                (each "<name>=<bit>"), set in code by <setter>(bits)
///   Link=<name>:<setter>         a property naming another component of the form, set in
///                                code by calling <setter>(&component)
///   Written=<name>:<setter>:<reader>:<kind>:<hint>
///                                a property written as text the library reads (a font
///                                "Tahoma,8,Bold", the form's shortcuts "Ctrl+S=101"), set in
///                                code by calling <setter>(<reader>(text)); <kind> is "font"
///                                for a font, "text" for others; <hint> says what a text must
///                                be, for a designer's message
///   Flag=<name>:<hex>            a style bit a designer shows as a check box
///   ExFlag=<name>:<hex>          the same for the extended style
/// \endverbatim
/// The lines come in that order; only the first five kinds were there at first, so a designer
/// skips names it does not know. Null for a class the library has no component of. The text
/// lives as long as the library.
const char* DesignClassText(const char* ClassName);

/// QM_SETVALUE's work: sets the value Name (as in the "Value=", "Set=", "Link=" and
/// "Written=" lines) of Frame as the line's setter does; a link's Value is the linked
/// component's window (0 for none), a written value's the address of its text (an empty font
/// is the holder's). False, changing nothing, for a null Name, a name Frame's class has no
/// such line for, a frame that is not of the kind the setter belongs to, a window of no
/// component or a text the property's reader does not read.
bool SetDesignValue(QFrame& Frame, const char* Name, intptr_t Value);

/// A designer's check of a written value: true, with Text as the library writes it in Normal,
/// when the property Name ("Font", "Shortcuts") reads Text.
bool DesignText(const char* Name, const char* Text, std::string& Normal);
