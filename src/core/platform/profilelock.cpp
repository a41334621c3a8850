// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "platform/profilelock.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QThread>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace profile {
namespace {

// Between two tries the writer sleeps; each holder keeps the lock only for
// one read-modify-replace of a small file.
constexpr unsigned long kPollMs = 2;
constexpr mode_t kLockFileMode = 0644;

}  // namespace

ProfileLock::ProfileLock(const QString &lockPath, std::chrono::milliseconds wait)
{
    // No link is followed: a lock file can only be made or used in place.
    fd_ = ::open(QFile::encodeName(lockPath).constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW,
                 kLockFileMode);
    if (fd_ < 0)
        return;
    const QDeadlineTimer deadline(wait);
    for (;;) {
        if (::flock(fd_, LOCK_EX | LOCK_NB) == 0) {
            held_ = true;
            return;
        }
        if ((errno != EWOULDBLOCK && errno != EINTR) || deadline.hasExpired())
            return;
        QThread::msleep(kPollMs);
    }
}

ProfileLock::~ProfileLock()
{
    if (fd_ >= 0)
        ::close(fd_);  // releases the lock
}

}  // namespace profile
