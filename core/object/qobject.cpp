#include "object/qobject.h"

#include <unordered_map>
#include <unordered_set>

namespace {

// The registries are never destroyed: a static component (a program's main form) may be
// destroyed after every other static, and its destructor still walks them.
std::unordered_set<QObject**>& HolderFields() {
    static auto* fields = new std::unordered_set<QObject**>;
    return *fields;
}

// For each object, the objects whose object list names it.
std::unordered_multimap<const QObject*, QObject*>& ListHolders() {
    static auto* holders = new std::unordered_multimap<const QObject*, QObject*>;
    return *holders;
}

void ForgetHolder(const QObject* Item, const QObject* Holder) {
    auto range = ListHolders().equal_range(Item);
    for (auto it = range.first; it != range.second; ++it)
        if (it->second == Holder) {
            ListHolders().erase(it);
            return;
        }
}

} // namespace

QObject::~QObject() {
    for (QObject** field : HolderFields())
        if (*field == this) *field = nullptr;
    // No object list may keep naming this object, and this one's list holds nothing now.
    auto range = ListHolders().equal_range(this);
    for (auto it = range.first; it != range.second; ++it)
        it->second->FObjects.Remove(this);
    ListHolders().erase(range.first, range.second);
    for (int i = 0; i < ObjectCount(); ++i)
        ForgetHolder(Objects(i), this);
}

void QObject::AddObject(QObject* P) {
    if (!P || IndexOfObject(P) >= 0) return;
    FObjects.Add(P);
    ListHolders().emplace(P, this);
}

void QObject::RemoveObject(QObject* P) {
    if (IndexOfObject(P) < 0) return;
    FObjects.Remove(P);
    ForgetHolder(P, this);
}

void QObject::WatchHolder(QObject** Field) {
    HolderFields().insert(Field);
}

void QObject::UnwatchHolder(QObject** Field) {
    HolderFields().erase(Field);
}

void QObject::SetName(const std::string& Value) {
    FName = Value;
    if (OnNameChange) OnNameChange(this);
}
