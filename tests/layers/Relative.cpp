// SPDX-License-Identifier: MIT
// A feature's source that reaches sideways by a path relative to its own
// folder: the include check refuses it.
#include "../projects/ProjectSql.h"
