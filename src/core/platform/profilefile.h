// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#pragma once
#include <QByteArray>
#include <QString>

// Reading and writing one value of an INI-style profile file the way the
// Windows private-profile functions do, so that a file written on Windows
// or edited by hand means the same here. Names and values are
// opaque bytes; names compare case-insensitively in ASCII.
//
// Reading: only the first section of a name is searched and the first
// matching key in it wins; names and values are trimmed of spaces, tabs and
// vertical tabs, then one pair of matching outer quotes is removed from the
// value and at most kMaxValueBytes of it are returned. Anything missing or
// unreadable reads as "".
//
// Writing keeps every byte of the file except the one line it replaces or
// inserts; the file is replaced atomically and the read-modify-write holds
// an exclusive lock file beside it, so concurrent writers lose nothing and a
// crash leaves either the old or the new file. Nothing is cached.
namespace profile {

// The longest value a read delivers (a 511-byte buffer with its NUL).
inline constexpr qsizetype kMaxValueBytes = 510;

// The value of key in the first section named section within contents.
QByteArray LookupValue(const QByteArray &contents, const QByteArray &section, const QByteArray &key);

// contents with key set to value: the key's first line in the first section
// of that name is replaced (keeping the key's spelling), or a line is added
// after the section's last key, or the section is appended at the end.
QByteArray WithValue(const QByteArray &contents, const QByteArray &section, const QByteArray &key,
                     const QByteArray &value);

// LookupValue on the file at path; "" when it cannot be read. Empty section
// or key names never match.
QByteArray ReadProfileString(const QString &path, const QByteArray &section, const QByteArray &key);

// WithValue on the file at path, creating it when missing (its directory
// must exist). False when the write did not happen; the file is then as it
// was. Empty section or key names are refused.
bool WriteProfileString(const QString &path, const QByteArray &section, const QByteArray &key,
                        const QByteArray &value);

// The lock file that serialises writers of path.
QString LockFilePath(const QString &path);

}  // namespace profile
