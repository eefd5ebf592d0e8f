// The Format menu's commands as a small tool bar beside the palette, with pictures drawn here
// and the menu's texts as tooltips.
#pragma once

#include <windows.h>

#include <commctrl.h>

class FormatBar {
public:
    // Made inside the palette's bar Palette, after its buttons; its commands go to Host.
    bool Create(HWND Palette, HWND Host);
    ~FormatBar();
    // Answers the tooltip's request for a button's text from Host's menu; false for other
    // notifications.
    bool AnswerTooltip(NMHDR* Notification) const;

private:
    HWND Bar = nullptr;
    HWND Host = nullptr;
    HIMAGELIST Images = nullptr;
};
