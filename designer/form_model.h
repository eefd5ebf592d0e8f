// The open form as the designer knows it: its components in creation order, each holder before
// what it holds. The windows on the surface, the saved file and the generated code are made
// from it.
#pragma once

#include "component_record.h"

#include <string>
#include <vector>

// The form itself as a record: Name is the class the generated code makes, Text its caption,
// Width and Height its client size; Values and Events are the form's own.
ComponentRecord NewForm();

class FormModel {
public:
    ComponentRecord Form = NewForm();
    std::vector<ComponentRecord> Components;

    // The index of the component called Name; -1 when there is none.
    int IndexOf(const std::string& Name) const;
    const ComponentRecord* Find(const std::string& Name) const;
    // The class the generated code makes for the form's design: the form's class and "Design".
    std::string DesignClass() const { return Form.Name + "Design"; }
    // True when a component, the form's class or its design class is called Name: the generated
    // code declares them all in one scope.
    bool NameTaken(const std::string& Name) const;
    // The first of Base1, Base2, ... that is not taken and is a valid name (Base1 may be a
    // macro).
    std::string FreeName(const std::string& Base) const;
    // One above the highest identifier, at least 1001; above the file's 65535 the lowest free one
    // from 1001 (0 when there is none).
    int FreeId() const;
    // The indices of the component at Index and of everything it holds, directly or deeper,
    // ascending.
    std::vector<size_t> Subtree(size_t Index) const;
    // The components Holder ("" for the form) holds directly, in order: the order Tab takes
    // them in, the first on top.
    std::vector<std::string> ChildrenOf(const std::string& Holder) const;
    // Moves the component at Index, with what it holds, to Place among its holder's components
    // (the last place when Place is past them).
    void MoveAmongSiblings(size_t Index, size_t Place);
    // The font the holder of Component shows: the first of its holders, out to the form, with a
    // font of its own; "" for none.
    std::string HolderFont(const ComponentRecord& Component) const;
    // Forgets every link to a component the form no longer has, as deleting it must.
    void ForgetBrokenLinks();
};
