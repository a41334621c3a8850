// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "platform/profilefile.h"

#include <QByteArrayView>
#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QThread>

#include <algorithm>

namespace profile {
namespace {

constexpr char kCR = '\r';
constexpr char kLF = '\n';
constexpr char kCommentMark = ';';
constexpr char kHeaderOpen = '[';
constexpr char kHeaderClose = ']';
constexpr char kKeySeparator = '=';
constexpr char kDoubleQuote = '"';
constexpr char kSingleQuote = '\'';
constexpr char kLineBreak[] = "\r\n";
constexpr char kLockSuffix[] = ".lock";

// A writer that finds the lock taken polls for it this long before giving
// up; each write holds it only for a moment. A lock left behind by a dead
// process is broken by QLockFile on the next attempt.
constexpr int kLockWaitMs = 5000;
constexpr unsigned long kLockPollMs = 2;

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\v'; }

QByteArrayView Trimmed(QByteArrayView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && IsBlank(text[begin]))
        ++begin;
    while (end > begin && IsBlank(text[end - 1]))
        --end;
    return text.sliced(begin, end - begin);
}

// ASCII only: bytes above 127 compare exactly, whatever code page wrote them.
char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; }

bool SameName(QByteArrayView a, QByteArrayView b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return AsciiLower(x) == AsciiLower(y);
           });
}

QByteArrayView Unquoted(QByteArrayView value)
{
    const bool quoted = value.size() >= 2 &&
                        (value.front() == kDoubleQuote || value.front() == kSingleQuote) &&
                        value.back() == value.front();
    return quoted ? value.sliced(1, value.size() - 2) : value;
}

// One physical line: its text is [begin, end); the next line starts at next.
// A line ends at CR LF, a lone CR or a lone LF; the last one may end at the
// end of the data instead.
struct Line
{
    qsizetype begin = 0;
    qsizetype end = 0;
    qsizetype next = 0;
    bool terminated() const { return next > end; }
};

Line LineAt(QByteArrayView data, qsizetype begin)
{
    const char *first = data.data() + begin;
    const char *last = data.data() + data.size();
    const char *stop = std::find_if(first, last, [](char c) { return c == kCR || c == kLF; });
    const qsizetype end = begin + (stop - first);
    qsizetype next = end;
    if (next < data.size()) {
        const bool crlf = data[next] == kCR && next + 1 < data.size() && data[next + 1] == kLF;
        next += crlf ? 2 : 1;
    }
    return {begin, end, next};
}

enum class Kind { Other, Header, Key };

// What a line means. Comments, blank lines and lines without '=' are Other.
// A header's name runs from '[' to the first ']' or to the end of the line.
struct Entry
{
    Kind kind = Kind::Other;
    QByteArrayView name;
    QByteArrayView value;
};

Entry Classify(QByteArrayView text)
{
    const QByteArrayView body = Trimmed(text);
    if (body.isEmpty() || body.front() == kCommentMark)
        return {};
    if (body.front() == kHeaderOpen) {
        QByteArrayView name = body.sliced(1);
        const qsizetype close = name.indexOf(kHeaderClose);
        if (close >= 0)
            name.truncate(close);
        return {Kind::Header, Trimmed(name), {}};
    }
    const qsizetype separator = body.indexOf(kKeySeparator);
    if (separator < 0)
        return {};
    return {Kind::Key, Trimmed(body.first(separator)), Trimmed(body.sliced(separator + 1))};
}

Entry ClassifyLine(QByteArrayView data, const Line &line)
{
    return Classify(data.sliced(line.begin, line.end - line.begin));
}

bool EndsWithLineBreak(const QByteArray &data) { return data.endsWith(kCR) || data.endsWith(kLF); }

bool AcquireLock(QLockFile &lock)
{
    const QDeadlineTimer deadline(kLockWaitMs);
    while (!lock.tryLock(0)) {
        if (lock.error() != QLockFile::LockFailedError || deadline.hasExpired())
            return false;
        QThread::msleep(kLockPollMs);
    }
    return true;
}

// The current contents for a read-modify-write; a missing file is empty.
// Something that exists but cannot be read as a file is not overwritten.
bool ReadForUpdate(const QString &path, QByteArray &contents)
{
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return true;
    if (!info.isFile())
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    contents = file.readAll();
    return file.error() == QFileDevice::NoError;
}

// Where a key stands in the first section of its name, or where a new one
// would go: after the section's last key line, or after its header.
struct KeyPlace
{
    bool sectionFound = false;
    Line anchor;  // the section's header or its last key line
    bool keyFound = false;
    Line keyLine;
    Entry entry;  // the key's line, when found
};

KeyPlace FindKey(QByteArrayView data, QByteArrayView section, QByteArrayView key)
{
    KeyPlace place;
    bool inSection = false;
    for (qsizetype pos = 0; pos < data.size();) {
        const Line line = LineAt(data, pos);
        pos = line.next;
        const Entry entry = ClassifyLine(data, line);
        if (entry.kind == Kind::Header) {
            if (inSection)
                break;  // later sections of the same name are never searched
            inSection = SameName(entry.name, section);
            if (inSection) {
                place.sectionFound = true;
                place.anchor = line;
            }
        } else if (inSection && entry.kind == Kind::Key) {
            if (SameName(entry.name, key)) {
                place.keyFound = true;
                place.keyLine = line;
                place.entry = entry;
                break;
            }
            place.anchor = line;
        }
    }
    return place;
}

}  // namespace

QByteArray LookupValue(const QByteArray &contents, const QByteArray &section, const QByteArray &key)
{
    const KeyPlace place = FindKey(contents, section, key);
    if (!place.keyFound)
        return {};
    const QByteArrayView value = Unquoted(place.entry.value);
    return value.first(std::min(value.size(), kMaxValueBytes)).toByteArray();
}

QByteArray WithValue(const QByteArray &contents, const QByteArray &section, const QByteArray &key,
                     const QByteArray &value)
{
    const QByteArrayView data(contents);
    const KeyPlace place = FindKey(data, section, key);
    if (place.keyFound) {
        QByteArray result = contents.first(place.keyLine.begin);
        result += place.entry.name.toByteArray() + kKeySeparator + value + kLineBreak;
        result += data.sliced(place.keyLine.next).toByteArray();
        return result;
    }
    const QByteArray keyLine = key + kKeySeparator + value + kLineBreak;
    QByteArray result = contents;
    if (place.sectionFound) {
        const QByteArray gap = place.anchor.terminated() ? QByteArray() : QByteArray(kLineBreak);
        result.insert(place.anchor.next, gap + keyLine);
        return result;
    }
    if (!result.isEmpty() && !EndsWithLineBreak(result))
        result += kLineBreak;
    result += kHeaderOpen + section + kHeaderClose + kLineBreak + keyLine;
    return result;
}

QByteArray ReadProfileString(const QString &path, const QByteArray &section, const QByteArray &key)
{
    if (section.isEmpty() || key.isEmpty())
        return {};
    // Only regular files: a directory, a FIFO or a device in its place reads
    // as no file at all (and a FIFO must not block the game).
    if (!QFileInfo(path).isFile())
        return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return LookupValue(file.readAll(), section, key);
}

bool WriteProfileString(const QString &path, const QByteArray &section, const QByteArray &key,
                        const QByteArray &value)
{
    if (section.isEmpty() || key.isEmpty())
        return false;
    QLockFile lock(LockFilePath(path));
    if (!AcquireLock(lock))
        return false;
    QByteArray contents;
    if (!ReadForUpdate(path, contents))
        return false;
    const QByteArray updated = WithValue(contents, section, key, value);
    if (updated == contents)
        return true;  // the file already says so
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    if (out.write(updated) != updated.size()) {
        out.cancelWriting();
        return false;
    }
    return out.commit();
}

QString LockFilePath(const QString &path) { return path + QLatin1String(kLockSuffix); }

}  // namespace profile
