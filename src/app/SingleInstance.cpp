// SPDX-License-Identifier: MIT
#include "app/SingleInstance.h"

#include "platform/Dialogs.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSocketNotifier>
#include <QTimer>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <optional>

#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {
// Marks the hand-over message; a change of its form changes the number.
constexpr quint32 HandOverMagic = 0x63686d31;
constexpr char Taken = 1;
// A request is a few short arguments; anything longer is not one of ours.
constexpr qsizetype MaxMessage = 64 * 1024;

// The same folder reached through a link is the same folder.
QString folderKey(const QString &folder) {
    const QFileInfo info(folder);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
}

// The socket's address; false when the path does not fit one.
bool addressOf(const QString &name, sockaddr_un &address) {
    const QByteArray path = QFile::encodeName(name);
    if (path.isEmpty() || static_cast<size_t>(path.size()) >= sizeof address.sun_path)
        return false;
    address = {};
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.constData(), static_cast<size_t>(path.size()));
    return true;
}

// Out of descriptors, accept fails at once for as long as the callers stay:
// listening pauses for a moment rather than spins on the failing call.
constexpr int AcceptPauseMs = 1000;

// The folder the socket goes in: the session's runtime folder when it is
// private, else one of our own in the temporary folder; empty for none.
QString socketFolder() {
    const uid_t uid = ::getuid();
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && SingleInstance::privateFolder(runtime, uid))
        return runtime;
    const QString own = QDir::tempPath() + QStringLiteral("/chimeral-%1").arg(uid);
    // The umask may take bits from a folder we make, never add them.
    if (::mkdir(QFile::encodeName(own).constData(), 0700) == 0)
        ::chmod(QFile::encodeName(own).constData(), 0700);
    return SingleInstance::privateFolder(own, uid) ? own : QString();
}

// Connects without blocking: a window that is stopped or too busy to accept
// leaves its queue full, and a blocking connect would wait on it for ever.
// 1 connected, 0 nobody listens, -1 no answer within timeoutMs.
int connectWithin(int fd, const sockaddr_un &address, int timeoutMs) {
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        if (::connect(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0)
            return 1;
        // A local socket with a full queue refuses at once with EAGAIN; it
        // is asked again until the time is up.
        if (errno != EAGAIN && errno != EINTR && errno != EINPROGRESS)
            return errno == EISCONN ? 1 : 0;
        if (errno == EINPROGRESS) {
            pollfd entry{fd, POLLOUT, 0};
            int error = 0;
            socklen_t size = sizeof error;
            const int left = static_cast<int>(std::max<qint64>(0, timeoutMs - waited.elapsed()));
            if (::poll(&entry, 1, left) <= 0)
                return -1;
            ::getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &size);
            return error == 0 ? 1 : 0;
        }
        if (waited.elapsed() >= timeoutMs)
            return -1;
        ::poll(nullptr, 0, 20);
    }
}

// Waits up to timeoutMs for the socket to become ready for `events`.
bool ready(int fd, short events, int timeoutMs) {
    pollfd entry{fd, events, 0};
    int result;
    do
        result = ::poll(&entry, 1, timeoutMs);
    while (result < 0 && errno == EINTR);
    return result > 0;
}

bool sendAll(int fd, const QByteArray &bytes, int timeoutMs) {
    qsizetype sent = 0;
    while (sent < bytes.size()) {
        if (!ready(fd, POLLOUT, timeoutMs))
            return false;
        const ssize_t n =
            ::send(fd, bytes.constData() + sent, static_cast<size_t>(bytes.size() - sent),
                   MSG_NOSIGNAL | MSG_DONTWAIT);
        if (n < 0 && errno != EINTR && errno != EAGAIN)
            return false;
        if (n > 0)
            sent += n;
    }
    return true;
}

// The message: the magic number, the length of what follows, the arguments.
QByteArray message(const QStringList &arguments) {
    QByteArray body;
    QDataStream bodyOut(&body, QIODevice::WriteOnly);
    bodyOut << arguments;
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << HandOverMagic << quint32(body.size());
    return bytes + body;
}

// Reads a whole message from what has come so far: the arguments once all of
// it is there, nothing while more is to come; `bad` when it is not ours.
std::optional<QStringList> readMessage(const QByteArray &received, bool &bad) {
    bad = false;
    if (received.size() < 8)
        return std::nullopt;
    QDataStream in(received);
    quint32 magic = 0, length = 0;
    in >> magic >> length;
    if (magic != HandOverMagic || length > MaxMessage) {
        bad = true;
        return std::nullopt;
    }
    if (received.size() < 8 + qsizetype(length))
        return std::nullopt;
    QStringList arguments;
    in >> arguments;
    bad = in.status() != QDataStream::Ok;
    return bad ? std::nullopt : std::optional<QStringList>(arguments);
}
} // namespace

SingleInstance::SingleInstance(const QString &serverName) : m_name(serverName) {}

SingleInstance::~SingleInstance() {
    for (auto &[fd, caller] : m_callers) {
        caller.notifier.reset();
        ::close(fd);
    }
    if (m_listener >= 0) {
        m_listening.reset();
        ::close(m_listener);
        ::unlink(QFile::encodeName(m_name).constData());
    }
}

bool SingleInstance::privateFolder(const QString &folder, uid_t uid) {
    struct stat info;
    return ::lstat(QFile::encodeName(folder).constData(), &info) == 0 && S_ISDIR(info.st_mode) &&
           info.st_uid == uid && (info.st_mode & 07777) == 0700;
}

bool SingleInstance::peerIsUser(int fd, uid_t uid) {
    ucred peer{};
    socklen_t size = sizeof peer;
    return ::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 && size == sizeof peer &&
           peer.uid == uid;
}

QString SingleInstance::serverName(const QString &workFolder, const QString &configFolder) {
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(folderKey(workFolder).toUtf8());
    hash.addData(QByteArrayView("\0", 1));
    hash.addData(folderKey(configFolder).toUtf8());
    const QString name = QStringLiteral("chimeral-%1-%2")
                             .arg(::getuid())
                             .arg(QString::fromLatin1(hash.result().toHex().left(24)));
    const QString folder = socketFolder();
    return folder.isEmpty() ? QString() : folder + QLatin1Char('/') + name;
}

SingleInstance::HandOver SingleInstance::handOver(const QStringList &arguments, int timeoutMs) {
    sockaddr_un address;
    if (!addressOf(m_name, address))
        return HandOver::NoneRunning;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0)
        return HandOver::NoneRunning;
    // Refused or missing means nobody listens here; a listener of another
    // user is no window of ours.
    const int connected = connectWithin(fd, address, timeoutMs);
    if (connected <= 0 || !peerIsUser(fd, ::getuid())) {
        ::close(fd);
        return connected < 0 ? HandOver::NoAnswer : HandOver::NoneRunning;
    }
    char answer = 0;
    const bool taken = sendAll(fd, message(arguments), timeoutMs) && ready(fd, POLLIN, timeoutMs) &&
                       ::recv(fd, &answer, 1, 0) == 1 && answer == Taken;
    ::close(fd);
    return taken ? HandOver::Taken : HandOver::NoAnswer;
}

bool SingleInstance::listen() {
    sockaddr_un address;
    if (m_listener >= 0 || !addressOf(m_name, address))
        return m_listener >= 0;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0)
        return false;
    // The socket is the user's alone: nobody else may hand it a request.
    const mode_t mask = ::umask(0077);
    bool bound = ::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0;
    if (!bound && errno == EADDRINUSE) {
        // Nobody answered on it (handOver came first), so what is left of it
        // belongs to a run that ended without removing it.
        ::unlink(address.sun_path);
        bound = ::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0;
    }
    ::umask(mask);
    if (!bound || ::listen(fd, 8) != 0) {
        ::close(fd);
        return false;
    }
    m_listener = fd;
    m_listening = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
    connect(m_listening.get(), &QSocketNotifier::activated, this, &SingleInstance::accept);
    return true;
}

void SingleInstance::setReceiver(std::function<void(const QStringList &)> receiver) {
    m_receiver = std::move(receiver);
    std::vector<QStringList> waiting;
    waiting.swap(m_waiting);
    for (const QStringList &arguments : waiting)
        deliver(arguments);
}

void SingleInstance::accept() {
    int fd;
    while ((fd = ::accept4(m_listener, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK)) >= 0) {
        if (!peerIsUser(fd, ::getuid())) {
            ::close(fd);
            continue;
        }
        Caller &caller = m_callers[fd];
        caller.notifier = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
        connect(caller.notifier.get(), &QSocketNotifier::activated, this,
                [this, fd] { readFrom(fd); });
        // A caller that holds its connection without finishing its request
        // would keep a descriptor for ever.
        caller.limit = std::make_unique<QTimer>();
        caller.limit->setSingleShot(true);
        connect(caller.limit.get(), &QTimer::timeout, this, [this, fd] { hangUp(fd); });
        caller.limit->start(m_callerLimitMs);
    }
    if (errno == EMFILE || errno == ENFILE || errno == ENOBUFS || errno == ENOMEM)
        pauseListening();
}

void SingleInstance::pauseListening() {
    m_listening->setEnabled(false);
    QTimer::singleShot(AcceptPauseMs, this, [this] {
        if (m_listening)
            m_listening->setEnabled(true);
    });
}

void SingleInstance::readFrom(int fd) {
    const auto found = m_callers.find(fd);
    if (found == m_callers.end())
        return;
    Caller &caller = found->second;
    char buffer[4096];
    ssize_t n;
    while ((n = ::recv(fd, buffer, sizeof buffer, 0)) > 0)
        caller.received.append(buffer, n);
    bool bad = false;
    const std::optional<QStringList> arguments = readMessage(caller.received, bad);
    if (!arguments) {
        // Gone before the whole message came, or not one of ours.
        if (bad || n == 0 || (n < 0 && errno != EAGAIN && errno != EINTR))
            hangUp(fd);
        return;
    }
    ::send(fd, &Taken, 1, MSG_NOSIGNAL | MSG_DONTWAIT);
    hangUp(fd);
    // A request may open a message box; its loop must not run inside this
    // socket's handler.
    QTimer::singleShot(0, this, [this, arguments = *arguments] {
        if (m_receiver)
            deliver(arguments);
        else
            m_waiting.push_back(arguments);
    });
}

void SingleInstance::hangUp(int fd) {
    const auto caller = m_callers.find(fd);
    if (caller == m_callers.end())
        return;
    // The notifier and the timer go later: this may run from inside their
    // own signals.
    caller->second.notifier->setEnabled(false);
    caller->second.notifier.release()->deleteLater();
    caller->second.limit->stop();
    caller->second.limit.release()->deleteLater();
    m_callers.erase(caller);
    ::close(fd);
}

void SingleInstance::deliver(const QStringList &arguments) {
    runGuarded([&] { m_receiver(arguments); });
}
