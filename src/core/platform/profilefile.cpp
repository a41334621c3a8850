// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "platform/profilefile.h"

#include "platform/profilelock.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace profile {
namespace {

constexpr char kLockSuffix[] = ".lock";
// A write's temporary file is the file's name, a dot and six letters or
// digits (QSaveFile's pattern).
constexpr char kTemporaryNameSuffix[] = ".??????";
constexpr qsizetype kTemporaryTailLength = 6;
// Links followed at most from the file's name to a file (the kernel's limit).
constexpr int kMaxLinkHops = 40;
constexpr qint64 kNsPerSecond = 1000000000;

QByteArray nativePath(const QString &path) { return QFile::encodeName(path); }

bool isAsciiAlnum(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= '0' && u <= '9') || (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z');
}

// Temporary files of interrupted writes of target. Called only while holding
// target's lock: every writer writes under it, so whatever copy is found then
// has no live writer, however young it is.
void removeLeftovers(const QString &target)
{
    const QFileInfo info(target);
    const QString name = info.fileName();
    const QFileInfoList found = info.dir().entryInfoList({name + QLatin1String(kTemporaryNameSuffix)},
                                                         QDir::Files | QDir::Hidden | QDir::System);
    for (const QFileInfo &leftover : found) {
        const QString tail = leftover.fileName().right(kTemporaryTailLength);
        const bool ours = leftover.fileName().startsWith(name) &&
                          std::all_of(tail.begin(), tail.end(), isAsciiAlnum);
        if (ours && !leftover.isSymLink())
            QFile::remove(leftover.filePath());
    }
}

}  // namespace

QString writeTarget(const QString &path)
{
    QString at = path;
    for (int hop = 0; hop <= kMaxLinkHops; ++hop) {
        struct stat status = {};
        const bool found = ::lstat(nativePath(at).constData(), &status) == 0;
        if (hop == 0 && (!found || !S_ISLNK(status.st_mode)))
            return path;
        if (!found || status.st_uid != ::geteuid())
            break;
        if (!S_ISLNK(status.st_mode))
            return QFileInfo(at).canonicalFilePath();
        at = QFileInfo(at).symLinkTarget();
    }
    std::fprintf(stderr,
                 "marvolt: not writing %s: it links through another user's link or file, or to nothing\n",
                 qUtf8Printable(QDir::toNativeSeparators(path)));
    return {};
}

bool CachedProfile::Stamp::operator==(const Stamp &other) const
{
    return device == other.device && inode == other.inode && size == other.size &&
           modifiedNs == other.modifiedNs;
}

namespace {
CachedProfile::Stamp stampOf(const struct stat &status)
{
    return {quint64(status.st_dev), quint64(status.st_ino), qint64(status.st_size),
            qint64(status.st_mtim.tv_sec) * kNsPerSecond + status.st_mtim.tv_nsec};
}
}  // namespace

void CachedProfile::adopt(State state, const Stamp &stamp, const QByteArray &contents)
{
    if (state == state_ && stamp == stamp_)
        return;
    state_ = state;
    stamp_ = stamp;
    contents_ = contents;
    index_.reset();
}

// Only a regular file is read: a directory, a FIFO or a device in its place
// is no file to read or replace (and a FIFO must not block the game). A name
// that is not there at all, not even as a dangling link, is a missing file.
void CachedProfile::refresh(const QString &path)
{
    const QByteArray name = nativePath(path);
    struct stat status = {};
    if (::stat(name.constData(), &status) != 0) {
        const bool missing = errno == ENOENT && ::lstat(name.constData(), &status) != 0;
        adopt(missing ? State::Missing : State::Unreadable, {}, {});
        return;
    }
    const int fd = S_ISREG(status.st_mode) ? ::open(name.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK)
                                           : -1;
    if (fd < 0 || ::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        if (fd >= 0)
            ::close(fd);
        adopt(State::Unreadable, {}, {});
        return;
    }
    const Stamp stamp = stampOf(status);
    if (state_ == State::Read && stamp == stamp_) {
        ::close(fd);
        return;
    }
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        adopt(State::Unreadable, {}, {});
        return;
    }
    const QByteArray contents = file.readAll();
    if (file.error() == QFileDevice::NoError)
        adopt(State::Read, stamp, contents);
    else
        adopt(State::Unreadable, {}, {});
}

const ProfileIndex &CachedProfile::load(const QString &path)
{
    refresh(path);
    if (!index_) {
        index_.emplace(contents_);
        ++parses_;
    }
    return *index_;
}

WriteResult CachedProfile::write(const QString &path, const Assignments &values,
                                 std::chrono::milliseconds lockWait)
{
    if (!std::all_of(values.begin(), values.end(), namesAKey))
        return WriteResult::Failed;
    load(path);
    if (state_ == State::Unreadable)
        return WriteResult::Failed;
    const auto held = [this](const Assignment &a) { return index_->holds(a); };
    if (std::all_of(values.begin(), values.end(), held))
        return WriteResult::Written;  // the file already says so: no lock needed
    const QString target = writeTarget(path);
    if (target.isEmpty())
        return WriteResult::Failed;
    const ProfileLock lock(lockFilePath(target), lockWait);
    if (!lock.held())
        return lock.busy() ? WriteResult::Busy : WriteResult::Failed;
    removeLeftovers(target);
    const ProfileIndex &current = load(target);  // read again only if another writer changed it
    if (state_ == State::Unreadable)
        return WriteResult::Failed;
    if (std::all_of(values.begin(), values.end(), held))
        return WriteResult::Written;
    // Edited in place: a big file's bytes are neither copied nor read back.
    const ProfileIndex::Edit first = current.edit(values.first());
    index_.reset();           // contents_ is then this object's alone
    state_ = State::Unknown;  // until the file holds contents_
    contents_.replace(first.at, first.removed, first.added);
    setValues(contents_, values.sliced(1));
    return replace(target);
}

// The new file's stamp is taken from the temporary file once everything is
// written to it: renaming keeps its device, inode, size and time.
WriteResult CachedProfile::replace(const QString &target)
{
    QSaveFile out(target);
    struct stat status = {};
    const bool written = out.open(QIODevice::WriteOnly) && out.write(contents_) == contents_.size() &&
                         out.flush() && ::fstat(out.handle(), &status) == 0;
    if (!written)
        out.cancelWriting();
    if (!written || !out.commit()) {
        contents_.clear();
        return WriteResult::Failed;
    }
    state_ = State::Read;
    stamp_ = stampOf(status);
    return WriteResult::Written;
}

QByteArray readProfileString(const QString &path, const QByteArray &section, const QByteArray &key)
{
    return CachedProfile().load(path).value(section, key);
}

WriteResult writeProfileStrings(const QString &path, const Assignments &values,
                                std::chrono::milliseconds lockWait)
{
    return CachedProfile().write(path, values, lockWait);
}

bool writeProfileString(const QString &path, const QByteArray &section, const QByteArray &key,
                        const QByteArray &value)
{
    return writeProfileStrings(path, {{section, key, value}}) == WriteResult::Written;
}

QString lockFilePath(const QString &path) { return path + QLatin1String(kLockSuffix); }

}  // namespace profile
