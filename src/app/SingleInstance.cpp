// SPDX-License-Identifier: MIT
#include "app/SingleInstance.h"

#include "platform/Dialogs.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSocketNotifier>
#include <QTimer>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <optional>

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
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

// The same folder reached through a link is the same folder. Bytes all the
// way: two names that differ only in bytes that are not UTF-8 are two folders.
QByteArray folderKey(const QByteArray &folder) {
    if (char *real = ::realpath(folder.constData(), nullptr)) {
        QByteArray key(real);
        std::free(real);
        return key;
    }
    return folder;
}

// A path the socket's address can hold, with its terminating null.
bool fitsAddress(qsizetype length) {
    return length > 0 && static_cast<size_t>(length) < sizeof(sockaddr_un::sun_path);
}

// The socket's address; false when the path does not fit one.
bool addressOf(const QByteArray &path, sockaddr_un &address) {
    if (!fitsAddress(path.size()))
        return false;
    address = {};
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.constData(), static_cast<size_t>(path.size()));
    return true;
}

// Out of descriptors, accept fails at once for as long as the callers stay:
// listening pauses for a moment rather than spins on the failing call.
constexpr int AcceptPauseMs = 1000;

// The folder the socket named `name` goes in: the session's runtime folder
// when it is private and short enough, else one of our own in the temporary
// folder; empty for none.
QByteArray socketFolder(const QByteArray &name) {
    const uid_t uid = ::getuid();
    const auto fits = [&](const QByteArray &folder) {
        return fitsAddress(folder.size() + 1 + name.size());
    };
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && fits(runtime) && SingleInstance::privateFolder(runtime, uid))
        return runtime;
    const QByteArray own =
        QFile::encodeName(QDir::tempPath()) + "/chimeral-" + QByteArray::number(uid);
    if (!fits(own))
        return {};
    // The umask may take bits from a folder we make, never add them.
    if (::mkdir(own.constData(), 0700) == 0)
        ::chmod(own.constData(), 0700);
    return SingleInstance::privateFolder(own, uid) ? own : QByteArray();
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

// Where the lock beside the socket is.
QByteArray lockPath(const QByteArray &name) {
    return name + ".lock";
}
} // namespace

QByteArray handOverMessage(const QStringList &arguments) {
    QByteArray body;
    QDataStream bodyOut(&body, QIODevice::WriteOnly);
    bodyOut << arguments;
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << HandOverMagic << quint32(body.size());
    return bytes + body;
}

// The arguments are read one by one: a count is believed only as far as the
// bytes that are there could hold that many, never reserved in advance.
std::optional<QStringList> readHandOverMessage(const QByteArray &received, bool &bad) {
    bad = false;
    constexpr qsizetype Head = 8;
    if (received.size() < Head)
        return std::nullopt;
    QDataStream in(received);
    quint32 magic = 0, length = 0;
    in >> magic >> length;
    if (magic != HandOverMagic || length > MaxMessage) {
        bad = true;
        return std::nullopt;
    }
    if (received.size() < Head + qsizetype(length))
        return std::nullopt;
    QDataStream body(received.mid(Head, length));
    quint32 count = 0;
    body >> count;
    // Each argument takes at least its own length field.
    bad = body.status() != QDataStream::Ok || count > (length - 4) / 4;
    QStringList arguments;
    for (quint32 i = 0; !bad && i < count; ++i) {
        QString argument;
        body >> argument;
        bad = body.status() != QDataStream::Ok;
        arguments.append(argument);
    }
    return bad ? std::nullopt : std::optional<QStringList>(arguments);
}

SingleInstance::SingleInstance(const QByteArray &serverName) : m_name(serverName) {}

SingleInstance::~SingleInstance() {
    for (auto &[fd, caller] : m_callers) {
        caller.notifier.reset();
        ::close(fd);
    }
    if (m_listener >= 0) {
        m_listening.reset();
        ::close(m_listener);
        ::unlink(m_name.constData());
    }
    // Removed while held: a start that opened it meanwhile finds it is no
    // longer the file the name leads to, and takes the new one.
    if (m_lock >= 0) {
        ::unlink(lockPath(m_name).constData());
        ::close(m_lock);
    }
}

bool SingleInstance::privateFolder(const QByteArray &folder, uid_t uid) {
    struct stat info;
    return ::lstat(folder.constData(), &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == uid &&
           (info.st_mode & 07777) == 0700;
}

bool SingleInstance::peerIsUser(int fd, uid_t uid) {
    ucred peer{};
    socklen_t size = sizeof peer;
    return ::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 && size == sizeof peer &&
           peer.uid == uid;
}

QByteArray SingleInstance::serverName(const QByteArray &workFolder,
                                      const QByteArray &configFolder) {
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(folderKey(workFolder));
    hash.addData(QByteArrayView("\0", 1));
    hash.addData(folderKey(configFolder));
    const QByteArray name =
        "chimeral-" + QByteArray::number(::getuid()) + '-' + hash.result().toHex().left(24);
    const QByteArray folder = socketFolder(name);
    return folder.isEmpty() ? QByteArray() : folder + '/' + name;
}

SingleInstance::Lock SingleInstance::takeLock() {
    if (m_lock >= 0)
        return Lock::Held;
    const QByteArray path = lockPath(m_name);
    // A holder that ends removes the file; a file opened just before that is
    // let go and the new one tried.
    for (int attempt = 0; attempt < 3; ++attempt) {
        const int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
        if (fd < 0)
            return Lock::Unavailable;
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            const bool busy = errno == EWOULDBLOCK;
            ::close(fd);
            return busy ? Lock::Busy : Lock::Unavailable;
        }
        struct stat held, named;
        if (::fstat(fd, &held) == 0 && ::lstat(path.constData(), &named) == 0 &&
            held.st_dev == named.st_dev && held.st_ino == named.st_ino) {
            m_lock = fd;
            return Lock::Held;
        }
        ::close(fd);
    }
    return Lock::Busy;
}

SingleInstance::HandOver SingleInstance::handOver(const QStringList &arguments, int timeoutMs) {
    sockaddr_un address;
    if (!addressOf(m_name, address))
        return HandOver::NoneRunning;
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        // The lock free means no window runs here: this run is to be it.
        const Lock lock = takeLock();
        if (lock == Lock::Held)
            return HandOver::NoneRunning;
        const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
        if (fd < 0)
            return HandOver::NoneRunning;
        const int left = static_cast<int>(std::max<qint64>(0, timeoutMs - waited.elapsed()));
        const int connected = connectWithin(fd, address, left);
        // A listener of another user is no window of ours.
        if (connected > 0 && peerIsUser(fd, ::getuid())) {
            char answer = 0;
            const bool taken = sendAll(fd, handOverMessage(arguments), timeoutMs) &&
                               ready(fd, POLLIN, timeoutMs) && ::recv(fd, &answer, 1, 0) == 1 &&
                               answer == Taken;
            ::close(fd);
            return taken ? HandOver::Taken : HandOver::NoAnswer;
        }
        ::close(fd);
        if (connected > 0 || lock == Lock::Unavailable)
            return HandOver::NoneRunning;
        // The holder of the lock has not listened yet: it is given the time
        // a window has to answer.
        if (connected < 0 || waited.elapsed() >= timeoutMs)
            return HandOver::NoAnswer;
        ::poll(nullptr, 0, 20);
    }
}

bool SingleInstance::listen() {
    sockaddr_un address;
    if (m_listener >= 0 || !addressOf(m_name, address))
        return m_listener >= 0;
    const Lock lock = takeLock();
    if (lock == Lock::Busy)
        return false;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0)
        return false;
    // The socket is the user's alone: nobody else may hand it a request.
    const mode_t mask = ::umask(0077);
    bool bound = ::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0;
    if (!bound && errno == EADDRINUSE) {
        // Whoever listened there held the lock, which is ours now (or there
        // is no lock to be had and nobody answered): it belongs to a run that
        // ended without removing it.
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
    const std::optional<QStringList> arguments = readHandOverMessage(caller.received, bad);
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
