#include "form_edit.h"

#include <algorithm>
#include <utility>

FormEdit::FormEdit(std::string Name, std::vector<Slot> Removed, std::vector<Slot> Added)
    : Title(std::move(Name)), Removed(std::move(Removed)), Added(std::move(Added)) {}

FormEdit FormEdit::Between(std::string Name, const FormModel& Before, const FormModel& After) {
    const std::vector<ComponentRecord>&a = Before.Components, &b = After.Components;
    // The longest common subsequence of the two lists, by a table of its lengths from the back.
    std::vector<std::vector<size_t>> common(a.size() + 1, std::vector<size_t>(b.size() + 1));
    for (size_t i = a.size(); i-- > 0;)
        for (size_t j = b.size(); j-- > 0;)
            common[i][j] = a[i] == b[j] ? common[i + 1][j + 1] + 1
                                        : std::max(common[i + 1][j], common[i][j + 1]);
    std::vector<Slot> removed, added;
    size_t i = 0, j = 0;
    while (i < a.size() || j < b.size()) {
        if (i < a.size() && j < b.size() && a[i] == b[j]) {
            ++i, ++j;
        } else if (j == b.size() || (i < a.size() && common[i + 1][j] >= common[i][j + 1])) {
            removed.push_back({i, a[i]});
            ++i;
        } else {
            added.push_back({j, b[j]});
            ++j;
        }
    }
    FormEdit edit(std::move(Name), removed, added);
    edit.ChangesForm = Before.Form != After.Form;
    edit.FormBefore = Before.Form;
    edit.FormAfter = After.Form;
    return edit;
}

void FormEdit::Apply(FormModel& Model) const {
    Swap(Model, Removed, Added);
    if (ChangesForm) Model.Form = FormAfter;
}

void FormEdit::Revert(FormModel& Model) const {
    Swap(Model, Added, Removed);
    if (ChangesForm) Model.Form = FormBefore;
}

std::string FormEdit::Subject(bool Reverted) const {
    const std::vector<Slot>& in = Reverted ? Removed : Added;
    const std::vector<Slot>& out = Reverted ? Added : Removed;
    return !in.empty() ? in.front().Record.Name : !out.empty() ? out.front().Record.Name : "";
}

bool FormEdit::Empty() const {
    if (ChangesForm || Removed.size() != Added.size()) return false;
    for (size_t i = 0; i < Removed.size(); ++i)
        if (Removed[i].Index != Added[i].Index || Removed[i].Record != Added[i].Record)
            return false;
    return true;
}

void FormEdit::Swap(FormModel& Model, const std::vector<Slot>& Out, const std::vector<Slot>& In) {
    std::vector<ComponentRecord>& list = Model.Components;
    // From the back, so that the indices still to come stay valid; then in ascending order,
    // so that each lands where it was taken from.
    for (auto slot = Out.rbegin(); slot != Out.rend(); ++slot)
        list.erase(list.begin() + static_cast<std::ptrdiff_t>(slot->Index));
    for (const Slot& slot : In)
        list.insert(list.begin() + static_cast<std::ptrdiff_t>(slot.Index), slot.Record);
}

FormEdit PlaceEdit(const FormModel& Model, const ComponentRecord& Placed) {
    return FormEdit("Place", {}, {{Model.Components.size(), Placed}});
}

FormEdit DeleteEdit(const FormModel& Model, const std::string& Name) {
    std::vector<FormEdit::Slot> removed;
    int index = Model.IndexOf(Name);
    if (index >= 0)
        for (size_t i : Model.Subtree(static_cast<size_t>(index)))
            removed.push_back({i, Model.Components[i]});
    return FormEdit("Delete", removed, {});
}

FormEdit ReparentEdit(const FormModel& Model, const std::string& Name,
                      const ComponentRecord& Moved) {
    std::vector<FormEdit::Slot> removed, added;
    int index = Model.IndexOf(Name);
    if (index < 0) return FormEdit("Move", {}, {});
    std::vector<size_t> subtree = Model.Subtree(static_cast<size_t>(index));
    size_t end = Model.Components.size() - subtree.size();
    for (size_t i : subtree) {
        removed.push_back({i, Model.Components[i]});
        added.push_back({end++, i == subtree.front() ? Moved : Model.Components[i]});
    }
    return FormEdit("Move", removed, added);
}

FormEdit ChangeEdit(const FormModel& Model, const std::string& Name, const std::string& Title,
                    const ComponentRecord& Changed) {
    std::vector<FormEdit::Slot> removed, added;
    for (size_t i = 0; i < Model.Components.size(); ++i) {
        const ComponentRecord& c = Model.Components[i];
        bool renamed = Changed.Name != Name, held = c.Parent == Name && renamed;
        bool linking = renamed && std::any_of(c.Links.begin(), c.Links.end(),
                                              [&](const auto& L) { return L.second == Name; });
        if (c.Name != Name && !held && !linking) continue;
        removed.push_back({i, c});
        ComponentRecord& after =
            added.emplace_back(FormEdit::Slot{i, c.Name == Name ? Changed : c}).Record;
        if (held) after.Parent = Changed.Name;
        for (auto& link : after.Links)
            if (renamed && link.second == Name) link.second = Changed.Name;
    }
    return FormEdit(Title, removed, added);
}
