// The Format menu's work on the records of a selection: lining them up with the primary one,
// giving them its size, and spacing them evenly.
#pragma once

#include "commands.h"
#include "component_record.h"

#include <vector>

// Applies the Format command Command (CommandAlignLefts to CommandSpaceDown) to Records, the
// primary one first; false, changing nothing, when there are too few of them for it.
bool Arrange(int Command, const std::vector<ComponentRecord*>& Records);
