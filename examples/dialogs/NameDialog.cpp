#include "NameDialog.h"
