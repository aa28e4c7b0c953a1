// SPDX-License-Identifier: MIT
#include "platform/PanelIcon.h"

#include "platform/Dialogs.h"
#include "platform/ProgramIcon.h"

#include <QMenu>
#include <QSystemTrayIcon>
#include <QWidget>

PanelIcon::PanelIcon(QWidget *window, QObject *parent) : QObject(parent), m_window(window) {}

// The icon goes with its owner, not with the window: what its menu does
// reaches the owner.
PanelIcon::~PanelIcon() {
    delete m_icon;
}

void PanelIcon::make() {
    m_icon = new QSystemTrayIcon(programIcon(), m_window);
    m_icon->setObjectName(QStringLiteral("PanelIcon"));
    m_menu = std::make_unique<QMenu>();
    m_icon->setContextMenu(m_menu.get());
    // The menu's own entry, on the right button, is what the other clicks
    // offer too; only the left one has a use of its own.
    connect(m_icon, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) {
                if (reason == QSystemTrayIcon::Trigger)
                    runGuarded([this] { raiseWindow(); });
            });
}

void PanelIcon::show(const QStringList &toolTipLines, std::vector<PanelMenuEntry> menu) {
    if (!m_icon)
        make();
    const QString toolTip = toolTipLines.join(QLatin1Char('\n'));
    // Each change goes out over the bus: the same text is not sent again.
    if (m_icon->toolTip() != toolTip)
        m_icon->setToolTip(toolTip);
    setMenu(std::move(menu));
    if (!m_icon->isVisible())
        m_icon->show();
}

void PanelIcon::hide() {
    if (m_icon && m_icon->isVisible())
        m_icon->hide();
}

// An open menu keeps its entries while only the tooltip changes.
void PanelIcon::setMenu(std::vector<PanelMenuEntry> menu) {
    QStringList texts;
    for (const PanelMenuEntry &entry : menu)
        texts << entry.text;
    if (texts == m_menuTexts)
        return;
    m_menuTexts = texts;
    m_menu->clear();
    for (PanelMenuEntry &entry : menu) {
        QAction *action = m_menu->addAction(entry.text);
        connect(action, &QAction::triggered, this,
                guarded([run = std::move(entry.run)] { run(); }));
    }
}

void PanelIcon::raiseWindow() {
    if (!m_window)
        return;
    if (m_window->isMinimized())
        m_window->showNormal();
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
}
