#pragma once

#include <QIcon>
#include <QPixmap>

// The program's picture, a clock face drawn as a vector image: the window icon
// and the about box's picture. Rendered here rather than through Qt's image
// plugins so that a missing plugin cannot leave the picture blank.
QPixmap programPixmap(int size);
QIcon programIcon();
