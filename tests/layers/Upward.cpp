// SPDX-License-Identifier: MIT
// A feature's source that reaches up into the window: the layer order
// refuses it.
#include "app/TMainForm.h"
