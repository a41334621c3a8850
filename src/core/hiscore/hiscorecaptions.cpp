// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "hiscore/hiscorecaptions.h"

#include "hiscore/hiscoretable.h"

#include <QCoreApplication>
#include <QDate>
#include <QStringList>
#include <QTime>

namespace {

// Texts in the player's language, looked up when a caption is made.
constexpr char kContext[] = "HighScoreCaptions";
const char *const kPlaceDigits = QT_TRANSLATE_NOOP("HighScoreCaptions", "１２３４５");
const char *const kPlaceSuffix = QT_TRANSLATE_NOOP("HighScoreCaptions", "位：");
const char *const kEmptySlot = QT_TRANSLATE_NOOP("HighScoreCaptions", "(なし)");
const char *const kScoreLabel = QT_TRANSLATE_NOOP("HighScoreCaptions", "  スコア:");
const char *const kCaptionDateFormat = QT_TRANSLATE_NOOP("HighScoreCaptions", "yyyy年MM月dd日");
// How the caption writes the stored score: "keep" as it is stored ("087"),
// "drop" without its leading zeros ("87").
//: The score's leading zeros: "keep" (087) or "drop" (87).
const char *const kScoreZeros = QT_TRANSLATE_NOOP("HighScoreCaptions", "keep");
const QString kDropZeros = QStringLiteral("drop");

QString Text(const char *source) { return QCoreApplication::translate(kContext, source); }
const QString kCaptionTimeFormat = QStringLiteral("HH:mm:ss");

// Stored dates are read as a date and an optional time; single-letter fields
// also read two digits, so the program's own "yyyy/MM/dd hh:mm:ss" matches.
// Date and time are read apart so no time zone can turn a wall-clock time
// that the local zone skips into an invalid one.
const QString kStoredDateFormat = QStringLiteral("yyyy/M/d");
const QString kStoredTimeFormat = QStringLiteral("H:m:s");

// Text between the comma at `from` (exclusive) and the one at `to`; a
// missing opening comma gives "", a missing closing comma runs to the end.
QString Between(const QString &entry, int from, int to)
{
    if (from < 0)
        return QString();
    return to < 0 ? entry.mid(from + 1) : entry.mid(from + 1, to - from - 1);
}

int nextComma(const QString &entry, int after)
{
    return after < 0 ? -1 : entry.indexOf(kHighScoreFieldSeparator, after + 1);
}

QString placeDigit(int place)
{
    const QString digits = Text(kPlaceDigits);
    if (place >= 1 && place <= digits.size())
        return digits.mid(place - 1, 1);
    return QString::number(place);
}

// "087" as "87" and "000" as "0" where the language drops the zeros; any
// other text as it stands.
QString shownScore(const QString &stored)
{
    if (Text(kScoreZeros) != kDropZeros)
        return stored;
    int zeros = 0;
    while (zeros + 1 < stored.size() && stored.at(zeros) == u'0' && stored.at(zeros + 1).isDigit())
        ++zeros;
    return stored.mid(zeros);
}

}  // namespace

HighScoreEntryFields highScoreFields(const QString &entry)
{
    const int first = entry.indexOf(kHighScoreFieldSeparator);
    const int second = nextComma(entry, first);
    const int third = nextComma(entry, second);
    const int last = entry.lastIndexOf(kHighScoreFieldSeparator);

    HighScoreEntryFields f;
    f.date = first < 0 ? entry : entry.left(first);
    f.record = Between(entry, first, second);
    f.marks = Between(entry, second, third);
    f.score = Between(entry, last, -1);
    return f;
}

QString highScoreCaptionDate(const QString &storedDate)
{
    const QStringList parts = storedDate.split(u' ', Qt::SkipEmptyParts);
    if (parts.isEmpty() || parts.size() > 2)
        return storedDate;
    const QDate date = QDate::fromString(parts[0], kStoredDateFormat);
    const QTime time = parts.size() == 2 ? QTime::fromString(parts[1], kStoredTimeFormat) : QTime(0, 0);
    if (!date.isValid() || !time.isValid())
        return storedDate;
    return date.toString(Text(kCaptionDateFormat)) + u' ' + time.toString(kCaptionTimeFormat);
}

QString highScoreCaption(int place, const QString &entry)
{
    const QString head = placeDigit(place) + Text(kPlaceSuffix);
    if (entry.isEmpty())
        return head + Text(kEmptySlot);
    const HighScoreEntryFields f = highScoreFields(entry);
    return head + highScoreCaptionDate(f.date) + Text(kScoreLabel) + shownScore(f.score);
}
