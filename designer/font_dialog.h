// Fonts as the designer picks them, each as the text the library reads ("Tahoma,8,Bold"): the
// system's message font, which new forms start with, and the system's font dialog.
#pragma once

#include "core_library.h"

#include <windows.h>

#include <string>

// The system's message font as the library writes it; "" when the library reads no font.
std::string MessageFontText(const CoreLibrary& Core);

// Shows the system's font dialog over Owner, starting at the font Text; true, with the chosen
// font in Text, when one was chosen.
bool ChooseFontText(HWND Owner, const CoreLibrary& Core, std::string& Text);
