// SPDX-License-Identifier: MIT
#include "app/SingleInstance.h"

#include "platform/Dialogs.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>
#include <QTimer>

#include <unistd.h>

namespace {
// Marks the hand-over message; a change of its form changes the number.
constexpr quint32 HandOverMagic = 0x63686d31;
constexpr char Taken = 1;

// The same folder reached through a link is the same folder.
QString folderKey(const QString &folder) {
    const QFileInfo info(folder);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
}
} // namespace

SingleInstance::SingleInstance(const QString &serverName) : m_name(serverName) {
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&m_server, &QLocalServer::newConnection, this, &SingleInstance::accept);
}

QString SingleInstance::serverName(const QString &workFolder, const QString &configFolder) {
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(folderKey(workFolder).toUtf8());
    hash.addData(QByteArrayView("\0", 1));
    hash.addData(folderKey(configFolder).toUtf8());
    const QString name = QStringLiteral("chimeral-%1-%2")
                             .arg(::getuid())
                             .arg(QString::fromLatin1(hash.result().toHex().left(24)));
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QFileInfo(runtime).isDir())
        return runtime + QLatin1Char('/') + name;
    return name;
}

SingleInstance::HandOver SingleInstance::handOver(const QStringList &arguments, int timeoutMs) {
    QLocalSocket socket;
    socket.connectToServer(m_name);
    if (!socket.waitForConnected(timeoutMs))
        return HandOver::NoneRunning;
    QByteArray message;
    QDataStream out(&message, QIODevice::WriteOnly);
    out << HandOverMagic << arguments;
    socket.write(message);
    if (!socket.waitForBytesWritten(timeoutMs))
        return HandOver::NoAnswer;
    while (socket.bytesAvailable() < 1)
        if (!socket.waitForReadyRead(timeoutMs))
            return HandOver::NoAnswer;
    char answer = 0;
    socket.getChar(&answer);
    return answer == Taken ? HandOver::Taken : HandOver::NoAnswer;
}

bool SingleInstance::listen() {
    if (m_server.listen(m_name))
        return true;
    // Nobody answered on the socket (handOver came first), so what is left
    // of it belongs to a run that ended without removing it.
    QLocalServer::removeServer(m_name);
    return m_server.listen(m_name);
}

void SingleInstance::setReceiver(std::function<void(const QStringList &)> receiver) {
    m_receiver = std::move(receiver);
    std::vector<QStringList> waiting;
    waiting.swap(m_waiting);
    for (const QStringList &arguments : waiting)
        deliver(arguments);
}

void SingleInstance::accept() {
    while (QLocalSocket *socket = m_server.nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            QDataStream in(socket);
            in.startTransaction();
            quint32 magic = 0;
            QStringList arguments;
            in >> magic >> arguments;
            if (!in.commitTransaction())
                return; // the rest is still on its way
            if (magic != HandOverMagic) {
                socket->abort();
                return;
            }
            socket->putChar(Taken);
            socket->flush();
            // A request may open a message box; its loop must not run inside
            // this socket's handler.
            QTimer::singleShot(0, this, [this, arguments] {
                if (m_receiver)
                    deliver(arguments);
                else
                    m_waiting.push_back(arguments);
            });
        });
    }
}

void SingleInstance::deliver(const QStringList &arguments) {
    runGuarded([&] { m_receiver(arguments); });
}
