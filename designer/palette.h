// The tool palette: one check button per class core.dll offers, in its order, showing the
// library's palette bitmap of that class, with the class name as tooltip.
#pragma once

#include "core_library.h"

#include <windows.h>

#include <commctrl.h>

class Palette {
public:
    // Button Index sends WM_COMMAND FirstCommand + Index to Host.
    bool Create(HWND Host, const CoreLibrary& Core, int FirstCommand);
    ~Palette();
    HWND Window() const { return Bar; }
    int Height() const;
    // Shows the tool of class Index as chosen (-1: none).
    void ShowChosen(int Index);
    // Answers the tooltip's request for a button's text; false for other notifications.
    bool AnswerTooltip(NMHDR* Notification);

private:
    void AddPicture(const std::string& ClassName);

    HWND Bar = nullptr;
    HIMAGELIST Images = nullptr;
    const CoreLibrary* Library = nullptr;
    int First = 0;
};
