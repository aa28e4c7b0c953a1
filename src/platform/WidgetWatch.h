// SPDX-License-Identifier: MIT
#pragma once

#include <functional>

class QWidget;

// Two widget events the clock tab reacts to that Qt offers only as event
// filters or application-wide signals. The actions run through the handler
// guard; what they do is left to the window.

// Runs the action whenever a mouse button goes down on the target, the second
// press of a double click included. The press still reaches the target.
void onMousePress(QWidget *target, std::function<void()> action);

// Runs the action whenever the input focus moves into the area (the area
// itself or any widget inside it) from outside it or from nowhere.
void onFocusEntering(QWidget *area, std::function<void()> action);
