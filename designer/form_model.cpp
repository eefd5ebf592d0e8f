#include "form_model.h"

#include <algorithm>

namespace {

constexpr int FirstId = 1001;
constexpr int LastId = 65535; // the most a form file takes

} // namespace

ComponentRecord NewForm() {
    ComponentRecord form;
    form.ClassName = "QForm";
    form.Name = form.Text = "DesignedForm";
    form.Width = 556;
    form.Height = 396;
    return form;
}

int FormModel::IndexOf(const std::string& Name) const {
    for (size_t i = 0; i < Components.size(); ++i)
        if (Components[i].Name == Name) return static_cast<int>(i);
    return -1;
}

const ComponentRecord* FormModel::Find(const std::string& Name) const {
    int index = IndexOf(Name);
    return index < 0 ? nullptr : &Components[index];
}

std::string FormModel::FreeName(const std::string& Base) const {
    for (int n = 1;; ++n)
        if (!NameTaken(Base + std::to_string(n))) return Base + std::to_string(n);
}

int FormModel::FreeId() const {
    int id = FirstId - 1;
    for (const ComponentRecord& c : Components)
        id = std::max(id, c.Id);
    if (id < LastId) return id + 1;
    // Past the top, a gap is taken, so that the form still saves and opens again.
    std::vector<bool> taken(LastId + 1);
    for (const ComponentRecord& c : Components)
        if (c.Id >= 0 && c.Id <= LastId) taken[static_cast<size_t>(c.Id)] = true;
    for (id = FirstId; id <= LastId; ++id)
        if (!taken[static_cast<size_t>(id)]) return id;
    return 0;
}

std::vector<size_t> FormModel::Subtree(size_t Index) const {
    std::vector<size_t> taken = {Index};
    // Holders come before what they hold, so one pass forward finds every depth.
    for (size_t i = Index + 1; i < Components.size(); ++i)
        for (size_t holder : taken)
            if (Components[i].Parent == Components[holder].Name) {
                taken.push_back(i);
                break;
            }
    return taken;
}
