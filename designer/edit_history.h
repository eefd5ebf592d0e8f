// The edits made to the open form, for undo and redo, and which of them was saved last.
#pragma once

#include "form_edit.h"

#include <vector>

class EditHistory {
public:
    // Records Edit, already applied; the edits undone before it can no longer be redone.
    void Push(FormEdit Edit);
    const FormEdit* NextUndo() const { return Done ? &Edits[Done - 1] : nullptr; }
    const FormEdit* NextRedo() const { return Done < Edits.size() ? &Edits[Done] : nullptr; }
    // Moves past the edit NextUndo or NextRedo answered, once the caller reverted or applied it.
    void StepBack() { --Done; }
    void StepForward() { ++Done; }

    void Clear();
    void MarkSaved() { SavedAt = static_cast<long>(Done); }
    // True when the form differs from the one last saved, opened or made new.
    bool Modified() const { return SavedAt != static_cast<long>(Done); }

private:
    std::vector<FormEdit> Edits;
    size_t Done = 0;
    // How many edits were done when the form was saved; -1 once those edits are gone.
    long SavedAt = 0;
};
