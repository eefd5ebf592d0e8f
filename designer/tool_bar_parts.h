// What the designer's tool bars share: a canvas to draw their pictures on and the answer to
// their tooltips' requests.
#pragma once

#include "containers/bar_addresses.h"

#include <windows.h>

#include <commctrl.h>

#include <string>

// A memory device context with one bitmap selected into it, both given back at the end.
class MemoryCanvas {
public:
    MemoryCanvas(HDC Like, HBITMAP Bitmap)
        : DC(CreateCompatibleDC(Like)), Previous(SelectObject(DC, Bitmap)) {}
    MemoryCanvas(const MemoryCanvas&) = delete;
    MemoryCanvas& operator=(const MemoryCanvas&) = delete;
    ~MemoryCanvas() {
        SelectObject(DC, Previous);
        DeleteDC(DC);
    }
    const HDC DC;

private:
    const HGDIOBJ Previous;
};

// Gives a tooltip's request for text (either character set) Text; false when Notification is
// no such request.
bool AnswerTooltipText(NMHDR* Notification, const std::string& Text);
