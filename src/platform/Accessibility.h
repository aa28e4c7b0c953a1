// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class QLabel;
class QPushButton;
class QWidget;

// What a page offers beyond the mouse, for screen readers and the keyboard.
// Each page names its own inputs and status labels with these.

// A name and a description for an input; an editable combo box keeps its
// name whatever it holds, and gives its text as its value.
void describeInput(QWidget *input, const QString &name, const QString &description);

// A status label is read by its text without the blanks around it, or by
// `blankName` while it shows nothing; the name follows every change of the
// text.
void describeStatus(QLabel *label, const QString &blankName, const QString &description);

// Enter (Return or the keypad's Enter) in the entry (a line edit, or an
// editable combo box and its edit) clicks the button once,
// through the button's own handler and guard. The key is taken there, so an
// editable combo box does not see it a second time from its edit.
void pressOnEnter(QWidget *entry, QPushButton *button);
