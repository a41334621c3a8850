// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "platform/profileindex.h"

#include <algorithm>

namespace profile {
namespace {

using Line = ProfileIndex::Line;

constexpr char kCR = '\r';
constexpr char kLF = '\n';
constexpr char kCommentMark = ';';
constexpr char kHeaderOpen = '[';
constexpr char kHeaderClose = ']';
constexpr char kKeySeparator = '=';
constexpr char kDoubleQuote = '"';
constexpr char kSingleQuote = '\'';
constexpr char kLineBreak[] = "\r\n";

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\v'; }
// Around the names a caller gives only spaces are trimmed: "\tS" is not "S".
bool isSpaceChar(char c) { return c == ' '; }

QByteArrayView trimmedBy(QByteArrayView text, bool (*blank)(char) = isBlank)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && blank(text[begin]))
        ++begin;
    while (end > begin && blank(text[end - 1]))
        --end;
    return text.sliced(begin, end - begin);
}

QByteArrayView givenName(QByteArrayView name) { return withoutOuterSpaces(name); }

// ASCII only: bytes above 127 compare exactly, whatever code page wrote them.
char asciiLower(char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; }

QByteArray foldedName(QByteArrayView name)
{
    QByteArray folded(name.size(), Qt::Uninitialized);
    std::transform(name.begin(), name.end(), folded.begin(), asciiLower);
    return folded;
}

bool sameName(QByteArrayView a, QByteArrayView b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return asciiLower(x) == asciiLower(y);
           });
}

QByteArrayView unquoted(QByteArrayView value)
{
    const bool quoted = value.size() >= 2 &&
                        (value.front() == kDoubleQuote || value.front() == kSingleQuote) &&
                        value.back() == value.front();
    return quoted ? value.sliced(1, value.size() - 2) : value;
}

Line lineAt(QByteArrayView data, qsizetype begin)
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

Entry classify(QByteArrayView text)
{
    const QByteArrayView body = trimmedBy(text);
    if (body.isEmpty() || body.front() == kCommentMark)
        return {};
    if (body.front() == kHeaderOpen) {
        QByteArrayView name = body.sliced(1);
        const qsizetype close = name.indexOf(kHeaderClose);
        if (close >= 0)
            name.truncate(close);
        return {Kind::Header, trimmedBy(name), {}};
    }
    const qsizetype separator = body.indexOf(kKeySeparator);
    if (separator < 0)
        return {};
    return {Kind::Key, trimmedBy(body.first(separator)), trimmedBy(body.sliced(separator + 1))};
}

Entry classifyLine(QByteArrayView data, const Line &line)
{
    return classify(data.sliced(line.begin, line.end - line.begin));
}

bool endsWithLineBreak(const QByteArray &data) { return data.endsWith(kCR) || data.endsWith(kLF); }

QByteArray keyLineFor(QByteArrayView name, const QByteArray &value)
{
    return name.toByteArray() + kKeySeparator + value + kLineBreak;
}

}  // namespace

// A key line found in a section, and what it says.
struct ProfileIndex::Key
{
    Line line;
    QByteArrayView name;
    QByteArrayView value;
};

// Later sections of a name already seen are never searched, so they are not
// kept.
ProfileIndex::ProfileIndex(QByteArray contents) : contents_(std::move(contents))
{
    const QByteArrayView data(contents_);
    Section *current = nullptr;
    for (qsizetype pos = 0; pos < data.size();) {
        const Line line = lineAt(data, pos);
        pos = line.next;
        const Entry entry = classifyLine(data, line);
        if (entry.kind == Kind::Header) {
            if (current)
                current->end = line.begin;
            current = nullptr;
            const QByteArray folded = foldedName(entry.name);
            if (!sectionsByName_.contains(folded)) {
                sectionsByName_.insert(folded, sections_.size());
                current = &sections_.emplaceBack(Section{line.next, data.size(), line});
            }
        } else if (entry.kind == Kind::Key && current) {
            current->anchor = line;
        }
    }
}

const ProfileIndex::Section *ProfileIndex::findSection(QByteArrayView name) const
{
    const auto found = sectionsByName_.constFind(foldedName(name));
    return found == sectionsByName_.cend() ? nullptr : &sections_[*found];
}

std::optional<ProfileIndex::Key> ProfileIndex::findKey(const Section &section, QByteArrayView name) const
{
    const QByteArrayView data(contents_);
    for (qsizetype pos = section.body; pos < section.end;) {
        const Line line = lineAt(data, pos);
        pos = line.next;
        const Entry entry = classifyLine(data, line);
        if (entry.kind == Kind::Key && sameName(entry.name, name))
            return Key{line, entry.name, entry.value};
    }
    return std::nullopt;
}

QByteArray ProfileIndex::value(const QByteArray &section, const QByteArray &key) const
{
    const QByteArrayView keyName = givenName(key);
    const Section *place = findSection(givenName(section));
    const std::optional<Key> found = keyName.isEmpty() || !place ? std::nullopt : findKey(*place, keyName);
    if (!found)
        return {};
    const QByteArrayView value = unquoted(found->value);
    return value.first(std::min(value.size(), kMaxValueBytes)).toByteArray();
}

ProfileIndex::Edit ProfileIndex::edit(const Assignment &write) const
{
    const QByteArrayView sectionName = givenName(write.section);
    const QByteArrayView keyName = givenName(write.key);
    if (keyName.isEmpty())
        return {contents_.size(), 0, {}};
    const Section *place = findSection(sectionName);
    if (const std::optional<Key> found = place ? findKey(*place, keyName) : std::nullopt)
        return {found->line.begin, found->line.next - found->line.begin,
                keyLineFor(found->name, write.value)};
    const QByteArray keyLine = keyLineFor(keyName, write.value);
    if (place) {
        const QByteArray gap = place->anchor.terminated() ? QByteArray() : QByteArray(kLineBreak);
        return {place->anchor.next, 0, gap + keyLine};
    }
    const bool open = !contents_.isEmpty() && !endsWithLineBreak(contents_);
    return {contents_.size(), 0,
            (open ? QByteArray(kLineBreak) : QByteArray()) + kHeaderOpen + sectionName.toByteArray() +
                kHeaderClose + kLineBreak + keyLine};
}

// Built in one allocation: the contents may be big.
QByteArray ProfileIndex::withValue(const Assignment &write) const
{
    const Edit change = edit(write);
    const QByteArrayView data(contents_);
    QByteArray result;
    result.reserve(data.size() - change.removed + change.added.size());
    result.append(data.first(change.at))
        .append(change.added)
        .append(data.sliced(change.at + change.removed));
    return result;
}

// Each write after the first applies to what the earlier ones made, as if
// they were done one after another.
QByteArray ProfileIndex::withValues(const Assignments &values) const
{
    if (values.isEmpty())
        return contents_;
    QByteArray result = withValue(values.first());
    setValues(result, values.sliced(1));
    return result;
}

bool ProfileIndex::holds(const Assignment &write) const
{
    const QByteArrayView keyName = givenName(write.key);
    if (keyName.isEmpty())
        return true;
    const Section *place = findSection(givenName(write.section));
    const std::optional<Key> found = place ? findKey(*place, keyName) : std::nullopt;
    if (!found)
        return false;
    const Line &line = found->line;
    return QByteArrayView(contents_).sliced(line.begin, line.next - line.begin) ==
           keyLineFor(found->name, write.value);
}

QByteArray lookupValue(const QByteArray &contents, const QByteArray &section, const QByteArray &key)
{
    return ProfileIndex(contents).value(section, key);
}

// The index of each step is gone before contents change, so contents are not
// shared and change in place.
void setValues(QByteArray &contents, const Assignments &values)
{
    for (const Assignment &write : values) {
        const ProfileIndex::Edit change = ProfileIndex(contents).edit(write);
        contents.replace(change.at, change.removed, change.added);
    }
}

bool sameKey(const Assignment &a, const Assignment &b)
{
    return sameName(givenName(a.section), givenName(b.section)) &&
           sameName(givenName(a.key), givenName(b.key));
}

bool namesAKey(const Assignment &a) { return !givenName(a.key).isEmpty(); }

QByteArrayView withoutOuterSpaces(QByteArrayView text) { return trimmedBy(text, isSpaceChar); }

}  // namespace profile
