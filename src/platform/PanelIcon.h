// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

class QMenu;
class QSystemTrayIcon;
class QWidget;

// One command of the panel icon's menu: its text and what it does, run
// guarded.
struct PanelMenuEntry {
    QString text;
    std::function<void()> run;
};

// The program's icon in the desktop's panel, for a window that may be
// covered or minimised: a tooltip, a menu, and a left click that brings the
// window back. Qt speaks the StatusNotifierItem protocol over the session
// bus and falls back to the X11 tray; with neither, nothing shows and
// nothing waits. The icon is made the first time it is shown, so a run that
// never shows it pays nothing for it. What it says is its owner's.
class PanelIcon : public QObject {
    Q_OBJECT
public:
    PanelIcon(QWidget *window, QObject *parent);
    ~PanelIcon() override;

    // Shows the icon with these tooltip lines and this menu.
    void show(const QStringList &toolTipLines, std::vector<PanelMenuEntry> menu);
    void hide();

    // Shows, raises and activates the window, restoring it when minimised.
    void raiseWindow();

private:
    void make();
    void setMenu(std::vector<PanelMenuEntry> menu);

    QPointer<QWidget> m_window;
    // The window's child, where the window's tests find it.
    QPointer<QSystemTrayIcon> m_icon;
    std::unique_ptr<QMenu> m_menu;
    QStringList m_menuTexts;
};
