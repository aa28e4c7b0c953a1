#include "platform/SystemMetrics.h"

#include <QMainWindow>
#include <QMenuBar>
#include <QWidget>

int systemMetric(int index, const QWidget *window) {
    const QRect outer = window->frameGeometry();
    const QRect inner = window->geometry();
    const int side = (outer.width() - inner.width()) / 2;
    const int bottom = outer.bottom() - inner.bottom();
    const int caption = inner.top() - outer.top() - bottom;
    switch (index) {
    case SM_CYCAPTION:
        return caption;
    case SM_CXDLGFRAME:
        return 0;
    case SM_CYMENU: {
        const auto *main = qobject_cast<const QMainWindow *>(window);
        return main && main->menuWidget() ? main->menuWidget()->height() : 0;
    }
    case SM_CYMIN:
        return outer.height() - inner.height() - 1;
    case SM_CXFRAME:
        return side;
    case SM_CYFRAME:
        return bottom;
    default:
        return 0;
    }
}
