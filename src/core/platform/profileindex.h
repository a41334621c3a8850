// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#pragma once
#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QList>

#include <optional>

// The bytes of an INI-style profile, parsed the way the Windows
// private-profile functions read them (the rules are in profilefile.h).
namespace profile {

// The longest value a read delivers (a 511-byte buffer with its NUL).
inline constexpr qsizetype kMaxValueBytes = 510;

struct Assignment
{
    QByteArray section;
    QByteArray key;
    QByteArray value;
};
using Assignments = QList<Assignment>;

// A profile's bytes read in one pass: where the first section of each name
// stands and where its last key line is, so that a lookup or a check before
// a write reads only the lines of its own section, however big the file is.
class ProfileIndex
{
public:
    ProfileIndex() = default;
    explicit ProfileIndex(QByteArray contents);

    const QByteArray &contents() const { return contents_; }
    // The value of key in the first section named section; "" when missing.
    QByteArray value(const QByteArray &section, const QByteArray &key) const;
    // The contents with key set to value: the key's first line in the first
    // section of that name is replaced (keeping the key's spelling), or a line
    // is added after the section's last key, or the section is appended at
    // the end. An empty key name changes nothing.
    QByteArray withValue(const Assignment &write) const;
    // withValue for each assignment in order.
    QByteArray withValues(const Assignments &values) const;
    // Whether withValue(write) would give the contents unchanged.
    bool holds(const Assignment &write) const;

    // What withValue changes: `removed` bytes at `at` give way to `added`.
    struct Edit
    {
        qsizetype at = 0;
        qsizetype removed = 0;
        QByteArray added;
    };
    Edit edit(const Assignment &write) const;

    // One physical line: its text is [begin, end); the next line starts at
    // next. A line ends at CR LF, a lone CR or a lone LF; the last one may end
    // at the end of the data instead.
    struct Line
    {
        qsizetype begin = 0;
        qsizetype end = 0;
        qsizetype next = 0;
        bool terminated() const { return next > end; }
    };

private:
    // The first section of a name: its lines run from the one after its
    // header up to the next header.
    struct Section
    {
        qsizetype body = 0;
        qsizetype end = 0;
        Line anchor;  // the header, or the section's last key line
    };
    struct Key;
    const Section *findSection(QByteArrayView name) const;
    std::optional<Key> findKey(const Section &section, QByteArrayView name) const;

    QByteArray contents_;
    QList<Section> sections_;                      // in file order
    QHash<QByteArray, qsizetype> sectionsByName_;  // names folded to ASCII lower case
};

// The free forms, for one-off use: each parses contents afresh.
QByteArray lookupValue(const QByteArray &contents, const QByteArray &section, const QByteArray &key);
// withValues in place, so that big contents are not copied.
void setValues(QByteArray &contents, const Assignments &values);
// Whether the two assign the same key of the same section.
bool sameKey(const Assignment &a, const Assignment &b);
// Whether the key name is more than spaces.
bool namesAKey(const Assignment &a);
// The text without the spaces at either end; tabs stay.
QByteArrayView withoutOuterSpaces(QByteArrayView text);

}  // namespace profile
