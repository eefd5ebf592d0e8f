// The Format menu's work on the records of a selection: lining them up with the primary one,
// giving them its size, spacing them evenly and centring them in their holder.
#pragma once

#include "commands.h"
#include "component_record.h"

#include <windows.h>

#include <vector>

// Applies the Format command Command (CommandAlignLefts to CommandCentreDown) to Records, the
// primary one first, in a holder whose client area is Room; false, changing nothing, when
// there are too few of them for it.
bool Arrange(int Command, const std::vector<ComponentRecord*>& Records, SIZE Room);
