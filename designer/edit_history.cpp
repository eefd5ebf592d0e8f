#include "edit_history.h"

#include <utility>

void EditHistory::Push(FormEdit Edit) {
    if (SavedAt > static_cast<long>(Done)) SavedAt = -1;
    Edits.erase(Edits.begin() + static_cast<std::ptrdiff_t>(Done), Edits.end());
    Edits.push_back(std::move(Edit));
    ++Done;
}

void EditHistory::Clear() {
    Edits.clear();
    Done = 0;
    SavedAt = 0;
}
