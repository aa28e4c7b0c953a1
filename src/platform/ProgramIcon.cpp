// SPDX-License-Identifier: MIT
#include "platform/ProgramIcon.h"

#include <iterator>

namespace {

// The sizes the build renders the picture in (CMakeLists.txt), smallest first.
const int RenderedSizes[] = {16, 24, 32, 48, 64, 128, 256};

QString renderedPicture(int size) {
    return QStringLiteral(":/icons/%1.png").arg(size);
}

} // namespace

QPixmap programPixmap(int size) {
    if (size <= 0)
        return {};
    // The smallest rendering that is large enough, scaled down smoothly.
    int chosen = RenderedSizes[std::size(RenderedSizes) - 1];
    for (int rendered : RenderedSizes) {
        if (rendered >= size) {
            chosen = rendered;
            break;
        }
    }
    const QPixmap pixmap(renderedPicture(chosen));
    if (pixmap.isNull() || chosen == size)
        return pixmap;
    return pixmap.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// The sizes a window manager draws a window's icon at; each one given is
// decoded when the window is shown, so the large ones are left to the
// desktop's icon theme.
QIcon programIcon() {
    QIcon icon;
    for (int size : RenderedSizes)
        if (size <= 64)
            icon.addFile(renderedPicture(size), QSize(size, size));
    return icon;
}
