// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "platform/profilefile.h"

#include "platform/profilelock.h"

#include <QByteArrayView>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>

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

// A write's temporary file is the file's name, a dot and six letters or
// digits (QSaveFile's pattern).
constexpr char kTemporaryNameSuffix[] = ".??????";
constexpr qsizetype kTemporaryTailLength = 6;
// Links followed at most from the file's name to a file (the kernel's limit).
constexpr int kMaxLinkHops = 40;

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\v'; }
// Around the names a caller gives only spaces are trimmed: "\tS" is not "S".
bool IsNameBlank(char c) { return c == ' '; }

QByteArrayView Trimmed(QByteArrayView text, bool (*blank)(char) = IsBlank)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && blank(text[begin]))
        ++begin;
    while (end > begin && blank(text[end - 1]))
        --end;
    return text.sliced(begin, end - begin);
}

QByteArrayView GivenName(QByteArrayView name) { return Trimmed(name, IsNameBlank); }

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

bool IsAsciiAlnum(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= '0' && u <= '9') || (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z');
}

// Where a write of path goes: path itself when it is no symbolic link, else
// the file its links lead to, but only when every one of those links and the
// file belong to the player (the effective user). As with the kernel's
// protected-symlinks rule, a link somebody else planted is never written
// through, whatever it leads to. Empty, with one line on standard error, when
// the rule refuses or the links lead to nothing.
QString WriteTarget(const QString &path)
{
    QString at = path;
    for (int hop = 0; hop <= kMaxLinkHops; ++hop) {
        struct stat status = {};
        const bool found = ::lstat(QFile::encodeName(at).constData(), &status) == 0;
        if (hop == 0 && (!found || !S_ISLNK(status.st_mode)))
            return path;
        if (!found || status.st_uid != ::geteuid())
            break;
        if (!S_ISLNK(status.st_mode))
            return QFileInfo(at).canonicalFilePath();
        at = QFileInfo(at).symLinkTarget();
    }
    std::fprintf(
        stderr,
        "marvolt: not writing %s: it is a link that leads to nothing or is not all the player's own\n",
        qUtf8Printable(QDir::toNativeSeparators(path)));
    return {};
}

// Temporary files of interrupted writes of target. Called only while holding
// target's lock: every writer writes under it, so whatever copy is found then
// has no live writer, however young it is.
void RemoveLeftovers(const QString &target)
{
    const QFileInfo info(target);
    const QString name = info.fileName();
    const QFileInfoList found = info.dir().entryInfoList({name + QLatin1String(kTemporaryNameSuffix)},
                                                         QDir::Files | QDir::Hidden | QDir::System);
    for (const QFileInfo &leftover : found) {
        const QString tail = leftover.fileName().right(kTemporaryTailLength);
        const bool ours = leftover.fileName().startsWith(name) &&
                          std::all_of(tail.begin(), tail.end(), IsAsciiAlnum);
        if (ours && !leftover.isSymLink())
            QFile::remove(leftover.filePath());
    }
}

}  // namespace

QByteArray LookupValue(const QByteArray &contents, const QByteArray &section, const QByteArray &key)
{
    const QByteArrayView keyName = GivenName(key);
    if (keyName.isEmpty())
        return {};
    const KeyPlace place = FindKey(contents, GivenName(section), keyName);
    if (!place.keyFound)
        return {};
    const QByteArrayView value = Unquoted(place.entry.value);
    return value.first(std::min(value.size(), kMaxValueBytes)).toByteArray();
}

QByteArray WithValue(const QByteArray &contents, const QByteArray &section, const QByteArray &key,
                     const QByteArray &value)
{
    const QByteArrayView sectionName = GivenName(section);
    const QByteArrayView keyName = GivenName(key);
    if (keyName.isEmpty())
        return contents;
    const QByteArrayView data(contents);
    const KeyPlace place = FindKey(data, sectionName, keyName);
    if (place.keyFound) {
        QByteArray result = contents.first(place.keyLine.begin);
        result += place.entry.name.toByteArray() + kKeySeparator + value + kLineBreak;
        result += data.sliced(place.keyLine.next).toByteArray();
        return result;
    }
    const QByteArray keyLine = keyName.toByteArray() + kKeySeparator + value + kLineBreak;
    QByteArray result = contents;
    if (place.sectionFound) {
        const QByteArray gap = place.anchor.terminated() ? QByteArray() : QByteArray(kLineBreak);
        result.insert(place.anchor.next, gap + keyLine);
        return result;
    }
    if (!result.isEmpty() && !EndsWithLineBreak(result))
        result += kLineBreak;
    result += kHeaderOpen + sectionName.toByteArray() + kHeaderClose + kLineBreak + keyLine;
    return result;
}

QByteArray WithValues(QByteArray contents, const Assignments &values)
{
    for (const Assignment &a : values)
        contents = WithValue(contents, a.section, a.key, a.value);
    return contents;
}

bool SameKey(const Assignment &a, const Assignment &b)
{
    return SameName(GivenName(a.section), GivenName(b.section)) &&
           SameName(GivenName(a.key), GivenName(b.key));
}

QByteArray ReadProfileFile(const QString &path)
{
    // Only regular files: a directory, a FIFO or a device in its place reads
    // as no file at all (and a FIFO must not block the game).
    if (!QFileInfo(path).isFile())
        return {};
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray ReadProfileString(const QString &path, const QByteArray &section, const QByteArray &key)
{
    return LookupValue(ReadProfileFile(path), section, key);
}

WriteResult WriteProfileStrings(const QString &path, const Assignments &values,
                                std::chrono::milliseconds lockWait)
{
    if (std::any_of(values.begin(), values.end(),
                    [](const Assignment &a) { return GivenName(a.key).isEmpty(); }))
        return WriteResult::Failed;
    QByteArray contents;
    if (!ReadForUpdate(path, contents))
        return WriteResult::Failed;
    if (WithValues(contents, values) == contents)
        return WriteResult::Written;  // the file already says so: no lock needed
    const QString target = WriteTarget(path);
    if (target.isEmpty())
        return WriteResult::Failed;
    const ProfileLock lock(LockFilePath(target), lockWait);
    if (!lock.held())
        return lock.busy() ? WriteResult::Busy : WriteResult::Failed;
    RemoveLeftovers(target);
    contents.clear();  // another writer may have changed it meanwhile
    if (!ReadForUpdate(target, contents))
        return WriteResult::Failed;
    const QByteArray updated = WithValues(contents, values);
    if (updated == contents)
        return WriteResult::Written;
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly))
        return WriteResult::Failed;
    if (out.write(updated) != updated.size()) {
        out.cancelWriting();
        return WriteResult::Failed;
    }
    return out.commit() ? WriteResult::Written : WriteResult::Failed;
}

bool WriteProfileString(const QString &path, const QByteArray &section, const QByteArray &key,
                        const QByteArray &value)
{
    return WriteProfileStrings(path, {{section, key, value}}) == WriteResult::Written;
}

QString LockFilePath(const QString &path) { return path + QLatin1String(kLockSuffix); }

}  // namespace profile
