// parvex compiles in an older state of the library, whose forms start wider and lower.
#include "object/form_defaults.h"

const QFormDefaults FormDefaults{450, 150};
