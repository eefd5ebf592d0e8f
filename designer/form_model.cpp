#include "form_model.h"

#include <algorithm>
#include <cstddef>
#include <iterator>

namespace {

constexpr int FirstId = 1001;

} // namespace

ComponentRecord NewForm() {
    ComponentRecord form;
    form.ClassName = "QForm";
    form.Name = form.Text = "DesignedForm";
    form.Width = 556;
    form.Height = 396;
    // The designer's forms take their keys as dialogs do; a file says so only to turn it off.
    form.Values["DialogKeys"] = 1;
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

bool FormModel::NameTaken(const std::string& Name) const {
    return IndexOf(Name) >= 0 || Name == Form.Name || Name == DesignClass();
}

std::string FormModel::FreeName(const std::string& Base) const {
    for (int n = 1;; ++n) {
        std::string name = Base + std::to_string(n);
        if (!NameTaken(name) && IsValidComponentName(name)) return name;
    }
}

int FormModel::FreeId() const {
    int id = FirstId - 1;
    for (const ComponentRecord& c : Components)
        id = std::max(id, c.Id);
    if (id < MostId) return id + 1;
    // Past the top, a gap is taken, so that the form still saves and opens again.
    std::vector<bool> taken(MostId + 1);
    for (const ComponentRecord& c : Components)
        if (c.Id >= 0 && c.Id <= MostId) taken[static_cast<size_t>(c.Id)] = true;
    for (id = FirstId; id <= MostId; ++id)
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

std::vector<std::string> FormModel::ChildrenOf(const std::string& Holder) const {
    std::vector<std::string> children;
    for (const ComponentRecord& c : Components)
        if (c.Parent == Holder) children.push_back(c.Name);
    return children;
}

void FormModel::MoveAmongSiblings(size_t Index, size_t Place) {
    std::vector<size_t> subtree = Subtree(Index);
    std::vector<ComponentRecord> moving;
    moving.reserve(subtree.size());
    for (size_t i : subtree)
        moving.push_back(Components[i]);
    for (auto i = subtree.rbegin(); i != subtree.rend(); ++i)
        Components.erase(Components.begin() + static_cast<std::ptrdiff_t>(*i));
    // Before the sibling now at Place, or after all of the last one; where it was when it is
    // the only one.
    std::vector<std::string> siblings = ChildrenOf(moving.front().Parent);
    size_t at = Index;
    if (Place < siblings.size()) {
        at = static_cast<size_t>(IndexOf(siblings[Place]));
    } else if (!siblings.empty()) {
        at = Subtree(static_cast<size_t>(IndexOf(siblings.back()))).back() + 1;
    }
    Components.insert(Components.begin() + static_cast<std::ptrdiff_t>(at), moving.begin(),
                      moving.end());
}

void FormModel::ForgetBrokenLinks() {
    for (ComponentRecord& c : Components)
        for (auto link = c.Links.begin(); link != c.Links.end();)
            link = IndexOf(link->second) < 0 ? c.Links.erase(link) : std::next(link);
}

std::string FormModel::HolderFont(const ComponentRecord& Component) const {
    if (&Component == &Form) return "";
    for (const ComponentRecord* holder = Find(Component.Parent);; holder = Find(holder->Parent)) {
        const ComponentRecord& at = holder ? *holder : Form;
        auto font = at.Written.find("Font");
        if (font != at.Written.end()) return font->second;
        if (!holder) return "";
    }
}
