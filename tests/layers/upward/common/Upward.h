// SPDX-License-Identifier: MIT
// A header out of order, for the check of the layer check: common/ reaches up.
#include "app/TMainForm.h"
