// SPDX-License-Identifier: MIT
#include "platform/WidgetWatch.h"

#include "platform/Dialogs.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

#include <utility>

namespace {
// Lives as the target's child, so it goes with it.
class MousePressFilter : public QObject {
public:
    MousePressFilter(QWidget *target, std::function<void()> action)
        : QObject(target), m_action(std::move(action)) {}

    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() == QEvent::MouseButtonPress ||
            event->type() == QEvent::MouseButtonDblClick)
            runGuarded(m_action);
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> m_action;
};
} // namespace

void onMousePress(QWidget *target, std::function<void()> action) {
    target->installEventFilter(new MousePressFilter(target, std::move(action)));
}

void onFocusEntering(QWidget *area, std::function<void()> action) {
    const auto inside = [area](const QWidget *widget) {
        return widget && (widget == area || area->isAncestorOf(widget));
    };
    QObject::connect(qApp, &QApplication::focusChanged, area,
                     [inside, action = std::move(action)](QWidget *old, QWidget *now) {
                         if (inside(now) && !inside(old))
                             runGuarded(action);
                     });
}
