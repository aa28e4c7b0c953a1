// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QString>
#include <QVariantMap>

#include <atomic>
#include <memory>
#include <optional>

class QThread;

// The program's entry in the task manager and the docks: a progress bar on
// its icon and a request for attention, said with the launcher entry API's
// `Update` signal on the session bus, which those read for the menu entry
// the package installs. Only a change is said. The bus is reached from a
// thread of its own the first time there is something to say; without a bus
// nothing is said and nothing waits. When the object goes, with the program,
// the bar is taken away and the request ended.
class LauncherEntry : public QObject {
    Q_OBJECT
public:
    explicit LauncherEntry(QObject *parent = nullptr);
    ~LauncherEntry() override;

    // The bar from 0 to 1; none takes it away.
    void setProgress(std::optional<double> progress);
    void setUrgent(bool urgent);

    // The menu entry's URI and the object path the signal comes from.
    static QString applicationUri();
    static QString objectPath();

private:
    struct Shown {
        std::optional<double> progress;
        bool urgent = false;
    };
    void update();
    void connectInBackground();
    void connectionAttempted();
    void send(const QVariantMap &properties);

    const QString m_connectionName;
    std::unique_ptr<QThread> m_connecting;
    bool m_connected = false;
    // No bus, or it refused us: nothing more is tried.
    bool m_unreachable = false;
    Shown m_wanted;
    // What the desktop has been told.
    Shown m_said;
};
