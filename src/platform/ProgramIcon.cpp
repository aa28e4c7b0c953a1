#include "platform/ProgramIcon.h"

#include <QPainter>
#include <QSvgRenderer>

// The resource lives in a static library: naming its initialiser keeps the
// linker from dropping it. Outside any namespace, as the initialiser's
// declaration must be.
static void loadResources() {
    static const bool loaded = [] {
        Q_INIT_RESOURCE(chimeral);
        return true;
    }();
    (void)loaded;
}

QPixmap programPixmap(int size) {
    loadResources();
    QSvgRenderer renderer(QStringLiteral(":/chimeral.svg"));
    if (!renderer.isValid() || size <= 0)
        return {};
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter);
    return pixmap;
}

QIcon programIcon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addPixmap(programPixmap(size));
    return icon;
}
