// SPDX-License-Identifier: MIT
#include "platform/SystemMetrics.h"

#include <QEvent>
#include <QMainWindow>
#include <QMenuBar>
#include <QWidget>
#include <QWindow>

namespace {

// Watches the widget for its first showing, then its native window for the
// exposure and moves that follow the window manager's framing.
class FrameWatcher : public QObject {
public:
    FrameWatcher(QWidget *window, std::function<void()> relayout)
        : QObject(window), m_window(window), m_relayout(std::move(relayout)) {
        window->installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override {
        switch (event->type()) {
        case QEvent::Show:
            if (watched == m_window && m_window->windowHandle() && !m_watchingHandle) {
                m_window->windowHandle()->installEventFilter(this);
                m_watchingHandle = true;
            }
            check();
            break;
        case QEvent::Expose:
        case QEvent::Move:
            check();
            break;
        default:
            break;
        }
        return false;
    }

private:
    void check() {
        const QSize frame = m_window->frameGeometry().size() - m_window->geometry().size();
        if (frame == m_frame)
            return;
        m_frame = frame;
        m_relayout();
    }

    QWidget *m_window;
    std::function<void()> m_relayout;
    QSize m_frame{0, 0};
    bool m_watchingHandle = false;
};

} // namespace

void followFrame(QWidget *window, std::function<void()> relayout) {
    new FrameWatcher(window, std::move(relayout));
}

int systemMetric(int index, const QWidget *window) {
    const QRect outer = window->frameGeometry();
    const QRect inner = window->geometry();
    const int side = (outer.width() - inner.width()) / 2;
    const int bottom = outer.bottom() - inner.bottom();
    // The top border is as thick as the sides; the bottom may be thicker,
    // as where the window manager puts a resize handle there.
    const int caption = inner.top() - outer.top() - side;
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
