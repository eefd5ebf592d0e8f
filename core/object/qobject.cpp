#include "object/qobject.h"

void QObject::SetName(const std::string& Value) {
    FName = Value;
    if (OnNameChange) OnNameChange(this);
}
