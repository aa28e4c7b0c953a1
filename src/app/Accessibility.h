// SPDX-License-Identifier: MIT
#pragma once

namespace Ui {
class TMainForm;
}

// What the main window offers beyond the mouse: names and descriptions for
// screen readers on every input and status label (a blank label is read by
// what it is for, a shown one by its current text), the date labels tied to
// their edits, and Enter in the countdown entry, the alarm entry and the
// project box pressing the button beside it, through that button's own
// handler and guard.
void makeAccessible(Ui::TMainForm &ui);
