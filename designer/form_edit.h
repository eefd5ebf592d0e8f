// One change of the form as a command that can be undone: the components it takes out of the
// model and the ones it puts in, each with its index in the creation order. Placing puts one
// in, deleting takes a subtree out, a move or a property change replaces records where they
// are, and a change of holder replaces them at a new place.
#pragma once

#include "form_model.h"

#include <string>
#include <vector>

class FormEdit {
public:
    struct Slot {
        size_t Index;
        ComponentRecord Record;
    };
    // Removed holds indices in the model before the edit, Added in the model after it; both
    // ascending.
    FormEdit(std::string Name, std::vector<Slot> Removed, std::vector<Slot> Added);
    // The edit that makes After of Before: what the two share in the same order stays, the rest
    // is taken out and put in.
    static FormEdit Between(std::string Name, const FormModel& Before, const FormModel& After);

    // What the Edit menu calls it: "Move" makes "Undo Move".
    const std::string& Name() const { return Title; }
    // True when applying would change nothing (a click that moved nothing).
    bool Empty() const;
    void Apply(FormModel& Model) const;
    void Revert(FormModel& Model) const;
    // The component the edit is about once applied (or reverted): the first one it puts in
    // (or takes out), else the first it takes out (or puts in), which is gone then; "" (the
    // form) for an edit of the form's own properties.
    std::string Subject(bool Reverted = false) const;

private:
    static void Swap(FormModel& Model, const std::vector<Slot>& Out, const std::vector<Slot>& In);

    std::string Title;
    std::vector<Slot> Removed, Added;
    // The form's own record before and after, when the edit changes it.
    bool ChangesForm = false;
    ComponentRecord FormBefore, FormAfter;
};

FormEdit PlaceEdit(const FormModel& Model, const ComponentRecord& Placed);
// Deletes the component called Name with everything it holds.
FormEdit DeleteEdit(const FormModel& Model, const std::string& Name);
// Makes Moved (the component called Name, with its new holder and place) and what it holds the
// last components of the form.
FormEdit ReparentEdit(const FormModel& Model, const std::string& Name,
                      const ComponentRecord& Moved);
// Replaces the component called Name by Changed, in place; a rename renames the holder of what
// it holds and the links naming it too.
FormEdit ChangeEdit(const FormModel& Model, const std::string& Name, const std::string& Title,
                    const ComponentRecord& Changed);
