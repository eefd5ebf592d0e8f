/// \file
/// Text in the program's ANSI code page as the controls count it, and as the case-blind rule
/// compares it. In a single-byte code page a byte is a character and one position. In a
/// multi-byte one (UTF-8, which the library's manifest selects, or a double-byte page) a
/// character takes several bytes, and the controls count its UTF-16 units: one, or two for a
/// character beyond the Basic Multilingual Plane. A byte that starts no character of the code
/// page counts as one character of one unit.
#pragma once

#include <string>

/// True when a character of the ANSI code page may take more than one byte.
bool MultiByteCodePage();
/// Room in bytes for text of Units UTF-16 units: Units itself in a single-byte code page.
size_t BytesForUnits(size_t Units);
/// The units that the first Bytes bytes of Text take.
int UnitsOf(const std::string& Text, size_t Bytes);
/// The byte offset of position Units in Text: the start of the character that the position falls
/// in, 0 before the text and Text's size past its end.
size_t BytesAt(const std::string& Text, int Units);
/// Text's bytes without the first bytes of a character cut off at its end.
size_t WholeCharacterBytes(const std::string& Text);
/// Text as UTF-16, converted as the system converts it for the controls and for drawing.
std::wstring WideOf(const std::string& Text);
/// Text in the form the case-blind rule compares, one unit per unit the controls count: in a
/// single-byte code page each byte through the locale's table (LowerCaseTable); in a multi-byte
/// one the ASCII letters through that table and every other character through the system's
/// lower-case mapping of UTF-16 units. A byte that starts no character stays itself, as a unit
/// no character has, so that two different such bytes never compare equal.
std::wstring CaseBlindForm(const std::string& Text);
