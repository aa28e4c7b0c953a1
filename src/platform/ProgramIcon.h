// SPDX-License-Identifier: MIT
#pragma once

#include <QIcon>
#include <QPixmap>

// The program's picture, a clock face drawn as a vector image: the window icon
// and the about box's picture. The build renders it to PNG in several sizes
// and bakes those in, so neither the SVG module nor an image plugin is needed
// to show it (Qt reads PNG itself).
QPixmap programPixmap(int size);
QIcon programIcon();
