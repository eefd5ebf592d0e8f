// The designed form tried out as its program will show it: a form of its own made from the
// model through core.dll, whose controls take input, whose keys are the library's loop's
// (Tab in the designed order, Enter, Esc, mnemonics, shortcuts) and whose aligned components
// follow a resize. Its own closing ends the test, and so does a click of a button with a
// result, as it ends a modal form of the program.
#pragma once

#include "core_library.h"
#include "form_model.h"

#include <windows.h>

#include <set>
#include <string>

class TestForm {
public:
    // Shows Model's form over Designer, which takes no input until the form closes; false, with
    // Problem naming the component, when a window can't be made.
    bool Show(HWND Designer, const CoreLibrary& Core, const FormModel& Model, std::string& Problem);
    // True for the form and every window in it.
    bool Owns(HWND Window) const;

private:
    static LRESULT CALLBACK WatchClosing(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam,
                                         UINT_PTR Id, DWORD_PTR Self);

    HWND Form = nullptr, Owner = nullptr;
    std::set<HWND> Results; // the buttons with a result
};
