// A placed component's window: created by class name, described and changed through the
// library's designer messages and the plain window calls.
#pragma once

#include "component_record.h"
#include "core_library.h"

#include <windows.h>

// Creates the window of Record in Holder by its class name; null when that fails. While
// Designing, a component the program hides is shown.
HWND CreateComponentWindow(HWND Holder, const ComponentRecord& Record, bool Designing = true);
// What to say when that failed.
std::string CreationProblem(const ComponentRecord& Record);
// The component's class, text, bounds in the surface, styles and identifier; Name is kept.
ComponentRecord ReadComponent(HWND Window, const std::string& Name);
// The system class the component's class is built on ("" for a class of its own).
std::string AncestorOf(HWND Window);
// Writes styles and size through QM_SETWINDOWINFO (read, change, write back), then the text,
// the position and the identifier.
void WriteComponent(HWND Window, const ComponentRecord& Record);
// Gives the component each of its class's values, the record's or else the class's own
// (QM_SETVALUE, which draws the window again). A window just Made has the class's own already
// and gets only the record's, and the record's items added to its list.
void ShowClassValues(HWND Window, const ComponentRecord& Record, const ClassDesign& Design,
                     bool Made);
// Gives the component its alignment and makes it the last child of its holder's component,
// which lays it out (QM_SETALIGN).
void AlignComponent(HWND Window, int Align);
// The bounds of Window in its holder's client area, into Record.
void ReadBounds(HWND Window, ComponentRecord& Record);
