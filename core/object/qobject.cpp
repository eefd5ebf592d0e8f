#include "object/qobject.h"

#include <unordered_set>

namespace {

std::unordered_set<QObject**>& HolderFields() {
    static std::unordered_set<QObject**> fields;
    return fields;
}

} // namespace

QObject::~QObject() {
    for (QObject** field : HolderFields())
        if (*field == this) *field = nullptr;
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
