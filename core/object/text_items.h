/// \file
/// Lists written as text ("Ctrl+S=101,F5=102", "Tahoma,8,Bold"): the items between separators.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

/// The items of Text between Separator, with the spaces around each left out; an empty text has
/// none. False for a list with an empty item.
inline bool SplitItems(const std::string& Text, char Separator, std::vector<std::string>& Items) {
    std::vector<std::string> read;
    for (size_t start = 0, end; start < Text.size(); start = end + 1) {
        end = std::min(Text.find(Separator, start), Text.size());
        size_t first = Text.find_first_not_of(' ', start),
               last = Text.find_last_not_of(' ', end - 1);
        if (first >= end || last < first) return false;
        read.push_back(Text.substr(first, last + 1 - first));
    }
    if (!Text.empty() && Text.back() == Separator) return false;
    Items = read;
    return true;
}
