// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#pragma once
#include "platform/profileindex.h"

#include <QByteArray>
#include <QString>

#include <chrono>
#include <optional>

// Reading and writing values of an INI-style profile file the way the
// Windows private-profile functions do, so that a file written on Windows
// or edited by hand means the same here. Names and values are
// opaque bytes; names compare case-insensitively in ASCII, and the names a
// caller gives are trimmed of spaces only ("" is the section "[]").
//
// Reading: only the first section of a name is searched and the first
// matching key in it wins; names and values are trimmed of spaces, tabs and
// vertical tabs, then one pair of matching outer quotes is removed from the
// value and at most kMaxValueBytes of it are returned. Anything missing or
// unreadable reads as "".
//
// Writing keeps every byte of the file except the lines it replaces or
// inserts. A value the file already holds is not written and takes no lock.
// Otherwise the read-modify-replace holds a kernel advisory lock on a lock
// file beside the file (released by the kernel if the holder dies), waits
// for it only briefly, and replaces the file atomically, so concurrent
// writers lose nothing and a crash leaves either the old or the new file.
// Under the lock, temporary files an interrupted write left behind are
// removed, whatever their age. A symbolic link is written through only when
// the link itself, every link after it and the file it leads to belong to the
// running user; a write through any other link fails with one line on
// standard error.
//
// The free functions read the file afresh on every call; CachedProfile reads
// and parses it once for each change.
namespace profile {

// How long a write waits for another writer's lock.
inline constexpr std::chrono::milliseconds kLockWait{200};

enum class WriteResult {
    Written,  // the file holds the values
    Busy,     // another writer held the lock for the whole wait; nothing written
    Failed,   // the file cannot be written; it is as it was
};

// One profile file, kept parsed between accesses. The file is read and parsed
// again only when its path leads to another file, or the file's size or
// modification time (to the nanosecond) changed, so an unchanged file costs a
// stat per access and an edit made by hand is seen by the next one. What a
// write puts in the file is kept as it is, without reading it back.
class CachedProfile
{
public:
    // The file at path, through links; "" when missing or not readable as a
    // regular file.
    const ProfileIndex &load(const QString &path);
    // The assignments in one locked read-modify-replace, creating the file
    // when missing (its directory must exist). Empty key names are refused.
    WriteResult write(const QString &path, const Assignments &values,
                      std::chrono::milliseconds lockWait = kLockWait);
    // How many times file contents were parsed.
    int parses() const { return parses_; }

    // What tells one state of a file from another.
    struct Stamp
    {
        quint64 device = 0;
        quint64 inode = 0;
        qint64 size = -1;
        qint64 modifiedNs = 0;
        bool operator==(const Stamp &other) const;
    };

private:
    enum class State { Unknown, Missing, Unreadable, Read };
    void refresh(const QString &path);
    void adopt(State state, const Stamp &stamp, const QByteArray &contents);
    WriteResult replace(const QString &target);

    State state_ = State::Unknown;
    Stamp stamp_;
    QByteArray contents_;
    std::optional<ProfileIndex> index_;  // parsed on first use
    int parses_ = 0;
};

// The value of key in section of the file at path.
QByteArray readProfileString(const QString &path, const QByteArray &section, const QByteArray &key);
// CachedProfile::write on the file at path.
WriteResult writeProfileStrings(const QString &path, const Assignments &values,
                                std::chrono::milliseconds lockWait = kLockWait);
// One value; true when the file holds it.
bool writeProfileString(const QString &path, const QByteArray &section, const QByteArray &key,
                        const QByteArray &value);

// Where a write of path goes: path itself when it is no symbolic link, else
// the file its links lead to, but only when every one of those links and the
// file belong to the player (the effective user). As with the kernel's
// protected-symlinks rule, a link somebody else planted is never written
// through, whatever it leads to. Empty, with one line on standard error, when
// the rule refuses or the links lead to nothing.
QString writeTarget(const QString &path);

// The lock file that serialises writers of the file at path (not a link).
QString lockFilePath(const QString &path);

}  // namespace profile
