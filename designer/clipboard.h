// Components on the system clipboard: the selected ones with everything they hold, as the text
// of a form file, in a format of the designer's own and as plain text, so that another
// designer pastes them and an editor shows them.
#pragma once

#include "form_model.h"

#include <windows.h>

#include <string>
#include <vector>

// The components called Names with everything they hold, as a form of their own whose top
// components (those of Names) have no holder.
FormModel CopyOf(const FormModel& Model, const std::vector<std::string>& Names);

// Model with Copied added inside Holder ("" for the form): names taken already get the next
// free one of their base, every component a new identifier, and the tops move down and right
// until none lies on a component of Holder. Tops receives the new names of Copied's tops.
FormModel PasteInto(const FormModel& Model, const FormModel& Copied, const std::string& Holder,
                    std::vector<std::string>& Tops);

// Puts Text on the system clipboard in the designer's format and as plain text; false when the
// clipboard can't be had.
bool WriteClipboard(HWND Owner, const std::string& Text);
// The designer's format from the clipboard, else its plain text; "" when it holds neither.
std::string ReadClipboard(HWND Owner);
