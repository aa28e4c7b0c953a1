// SPDX-License-Identifier: MIT
#include "platform/Widgets.h"

#include <QWidget>

void setPixelSize(QWidget *widget, int pixels) {
    QFont font = widget->font();
    font.setPixelSize(pixels);
    widget->setFont(font);
}
