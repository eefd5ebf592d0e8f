#include "tool_bar_parts.h"

bool AnswerTooltipText(NMHDR* Notification, const std::string& Text) {
    if (Notification->code == TTN_GETDISPINFOA) {
        auto* info = reinterpret_cast<NMTTDISPINFOA*>(Notification);
        lstrcpynA(info->szText, Text.c_str(), sizeof info->szText);
        return true;
    }
    if (Notification->code == TTN_GETDISPINFOW) {
        auto* info = reinterpret_cast<NMTTDISPINFOW*>(Notification);
        MultiByteToWideChar(CP_UTF8, 0, Text.c_str(), -1, info->szText,
                            sizeof info->szText / sizeof info->szText[0]);
        return true;
    }
    return false;
}
