// The designer's property list as a user finds its rows: by the label beside each box.
#pragma once

#include <windows.h>

#include <cstring>
#include <string>

// The box of the property list's row called Label (its label's text, the flag's or the
// event's name) among Main's children, on either page; null when the list shows no such row.
inline HWND PropertyRow(HWND Main, const std::string& Label) {
    for (HWND w = GetWindow(Main, GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT)) {
        char text[64] = "", kind[16] = "";
        GetWindowTextA(w, text, sizeof text);
        GetClassNameA(w, kind, sizeof kind);
        if (Label != text || (strcmp(kind, "Static") && strcmp(kind, "Button"))) continue;
        if (!strcmp(kind, "Button")) return w; // a flag's check box
        RECT label, box;
        GetWindowRect(w, &label);
        // The two pages' rows lie over each other; only one page is shown.
        for (HWND b = GetWindow(Main, GW_CHILD); b; b = GetWindow(b, GW_HWNDNEXT))
            if (GetWindowRect(b, &box), box.top == label.top && box.left == label.right &&
                                            IsWindowVisible(b) == IsWindowVisible(w))
                return b;
    }
    return nullptr;
}
