// SPDX-License-Identifier: MIT
#include "platform/ProgramIcon.h"

#include <QImage>

#include <iterator>

namespace {

// The sizes the build renders the picture in as PNG (CMakeLists.txt),
// smallest first.
const int RenderedSizes[] = {16, 24, 32, 48, 64, 128, 256};

QString renderedPicture(int size) {
    return QStringLiteral(":/icons/%1.png").arg(size);
}

QPixmap readyPixels(const IconPixels &entry) {
    // The image only borrows the table; the pixmap takes a copy.
    const QImage image(reinterpret_cast<const uchar *>(entry.pixels), entry.size, entry.size,
                       QImage::Format_ARGB32_Premultiplied);
    return QPixmap::fromImage(image);
}

} // namespace

QPixmap programPixmap(int size) {
    if (size <= 0)
        return {};
    for (const IconPixels *entry = ProgramIconPixels; entry->size; ++entry)
        if (entry->size == size)
            return readyPixels(*entry);
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
// converted when the window is shown, so the large ones are left to the
// desktop's icon theme.
QIcon programIcon() {
    QIcon icon;
    for (const IconPixels *entry = ProgramIconPixels; entry->size; ++entry)
        icon.addPixmap(readyPixels(*entry));
    return icon;
}
