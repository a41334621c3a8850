// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#pragma once
#include <QByteArray>
#include <QList>
#include <QString>

#include <chrono>

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
// standard error. Nothing is cached.
namespace profile {

// The longest value a read delivers (a 511-byte buffer with its NUL).
inline constexpr qsizetype kMaxValueBytes = 510;

// How long a write waits for another writer's lock.
inline constexpr std::chrono::milliseconds kLockWait{200};

struct Assignment
{
    QByteArray section;
    QByteArray key;
    QByteArray value;
};
using Assignments = QList<Assignment>;

enum class WriteResult {
    Written,  // the file holds the values
    Busy,     // another writer held the lock for the whole wait; nothing written
    Failed,   // the file cannot be written; it is as it was
};

// The value of key in the first section named section within contents.
QByteArray LookupValue(const QByteArray &contents, const QByteArray &section, const QByteArray &key);

// contents with key set to value: the key's first line in the first section
// of that name is replaced (keeping the key's spelling), or a line is added
// after the section's last key, or the section is appended at the end. An
// empty key name changes nothing.
QByteArray WithValue(const QByteArray &contents, const QByteArray &section, const QByteArray &key,
                     const QByteArray &value);
// WithValue for each assignment in order.
QByteArray WithValues(QByteArray contents, const Assignments &values);
// Whether the two assign the same key of the same section.
bool SameKey(const Assignment &a, const Assignment &b);

// The bytes of the file at path (through a link), "" when it cannot be read.
QByteArray ReadProfileFile(const QString &path);
// LookupValue on the file at path.
QByteArray ReadProfileString(const QString &path, const QByteArray &section, const QByteArray &key);

// WithValues on the file at path in one locked read-modify-replace, creating
// the file when missing (its directory must exist). Empty key names are
// refused.
WriteResult WriteProfileStrings(const QString &path, const Assignments &values,
                                std::chrono::milliseconds lockWait = kLockWait);
// One value; true when the file holds it.
bool WriteProfileString(const QString &path, const QByteArray &section, const QByteArray &key,
                        const QByteArray &value);

// The lock file that serialises writers of the file at path (not a link).
QString LockFilePath(const QString &path);

}  // namespace profile
