// SPDX-License-Identifier: MIT
#pragma once

#include <QIcon>
#include <QPixmap>

// The program's picture, a clock face drawn as a vector image: the window icon
// and the about box's picture. The build renders it to PNG in the icon theme's
// sizes and bakes those in, so the SVG module is never needed to show it; the
// window icon's small sizes are baked in as ready pixels, so a start decodes
// nothing and looks for no image plugin.
QPixmap programPixmap(int size);
QIcon programIcon();

// One square size of the picture, premultiplied ARGB values row by row. The
// build writes the table, closed by a size of 0.
struct IconPixels {
    int size;
    const unsigned int *pixels;
};
extern const IconPixels ProgramIconPixels[];
