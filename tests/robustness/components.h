// Every component class of the library, for the tests that run them all.
#pragma once

#include "object/frame.h"

#include <functional>
#include <memory>
#include <vector>

struct ComponentKind {
    const char* Name;
    std::function<std::unique_ptr<QFrame>()> Make;
};

// The components that get a window of their own class, in no particular order.
const std::vector<ComponentKind>& AllComponents();
// Registers every class those components need, once per process.
void RegisterAllClasses();
