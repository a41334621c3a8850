// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "singlegame.h"

#include "desktop/x11desktop.h"
#include "platform/profilelock.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSocketNotifier>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {
constexpr char kRuntimeDirVariable[] = "XDG_RUNTIME_DIR";
constexpr int kNameHashLength = 16;                   // hex digits of the folder's hash
constexpr std::chrono::milliseconds kLockWait{2000};  // another game between its look and its listen
constexpr int kBacklog = 4;
constexpr mode_t kOwnerOnly = 0600;

// A socket address for `path`; false when the path is too long for one.
bool socketAddress(const QByteArray &path, sockaddr_un &address)
{
    address = sockaddr_un{};
    address.sun_family = AF_UNIX;
    if (path.isEmpty() || std::size_t(path.size()) >= sizeof(address.sun_path))
        return false;
    std::memcpy(address.sun_path, path.constData(), std::size_t(path.size()));
    return true;
}

int localSocket() { return ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0); }
}  // namespace

QString SingleGame::socketPath(const QString &settingsFolder)
{
    const QByteArray hash =
        QCryptographicHash::hash(settingsFolder.toUtf8(), QCryptographicHash::Sha256).toHex();
    const QString name = QStringLiteral("marvolt-%1").arg(QString::fromLatin1(hash.left(kNameHashLength)));
    const QString runtime = qEnvironmentVariable(kRuntimeDirVariable);
    if (!runtime.isEmpty() && QFileInfo(runtime).isDir())
        return QDir(runtime).filePath(name);
    // A folder every user shares: the user's number keeps the names apart.
    return QDir::temp().filePath(QStringLiteral("%1-%2").arg(name).arg(::getuid()));
}

SingleGame::SingleGame(const QString &settingsFolder) : path_(QFile::encodeName(socketPath(settingsFolder)))
{
    const profile::ProfileLock lock(QFile::decodeName(path_) + QStringLiteral(".lock"), kLockWait);
    if (askRunningGame()) {
        handedOver_ = true;
        return;
    }
    listen();
}

SingleGame::~SingleGame() { close(); }

// The call is the whole request. A game that listens takes it at once; one
// whose queue of callers is full is there too, only busy.
bool SingleGame::askRunningGame()
{
    sockaddr_un address;
    const int fd = socketAddress(path_, address) ? localSocket() : -1;
    if (fd < 0)
        return false;
    const bool there = ::connect(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0 ||
                       errno == EAGAIN;
    ::close(fd);
    return there;
}

void SingleGame::listen()
{
    sockaddr_un address;
    if (socketAddress(path_, address) && (listening_ = localSocket()) >= 0) {
        ::unlink(path_.constData());  // left by a game that was killed
        if (::bind(listening_, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0 &&
            ::chmod(path_.constData(), kOwnerOnly) == 0 && ::listen(listening_, kBacklog) == 0) {
            callers_ = std::make_unique<QSocketNotifier>(listening_, QSocketNotifier::Read);
            QObject::connect(callers_.get(), &QSocketNotifier::activated, [this] { answerCallers(); });
            return;
        }
    }
    std::fprintf(stderr, "marvolt: cannot listen on %s (%s); a second start will not find this game\n",
                 path_.constData(), std::strerror(errno));
    close();
}

void SingleGame::answerCallers()
{
    for (int caller; (caller = ::accept4(listening_, nullptr, nullptr, SOCK_CLOEXEC)) >= 0;)
        ::close(caller);
    raiseShownWindows();
}

void SingleGame::close()
{
    if (listening_ < 0)
        return;
    callers_.reset();
    ::close(listening_);
    listening_ = -1;
    ::unlink(path_.constData());
}
