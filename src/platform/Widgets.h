// SPDX-License-Identifier: MIT
#pragma once

#include "platform/Dialogs.h"

#include <QAbstractButton>
#include <QAction>

#include <initializer_list>
#include <string>

class QWidget;

// Chores every window does with its widgets.

// A name (UTF-8) as a table shows it: on one line, each control character
// and line or paragraph separator a blank.
QString oneLineText(const std::string &name);

// Gives the widget its font at the given pixel size, the rest of the font kept.
void setPixelSize(QWidget *widget, int pixels);

// Runs a handler of the window, guarded, each time the button is clicked or
// the menu command chosen.
template <typename Window>
void bindHandler(Window *window, QAbstractButton *button, void (Window::*handler)()) {
    QObject::connect(button, &QAbstractButton::clicked, window,
                     guarded([window, handler] { (window->*handler)(); }));
}
template <typename Window>
void bindHandler(Window *window, QAction *action, void (Window::*handler)()) {
    QObject::connect(action, &QAction::triggered, window,
                     guarded([window, handler] { (window->*handler)(); }));
}

// A key that reaches the window unused by the widget with the focus clicks the
// button, as Escape and Enter do in a dialog; an input that uses the key (a
// table cell being edited, say) keeps it.
void clickOnWindowKey(QWidget *window, std::initializer_list<int> keys, QAbstractButton *button);
