#include "object/form_defaults.h"

const QFormDefaults FormDefaults{350, 250};
