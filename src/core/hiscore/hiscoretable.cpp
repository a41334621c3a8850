// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "hiscore/hiscoretable.h"

#include "platform/numparse.h"
#include "score/scorerecord.h"
#include "settings/settings.h"

#include <QStringList>

namespace {

const QString kKeyPrefix = QStringLiteral("HISCORE");

void writeSlot(Settings &settings, int place, const QString &value)
{
    settings.WriteIniValue(kHighScoreSection, highScoreKey(place), value);
}

// Makes room at `place` by moving it and every entry below it down one
// place; whatever stood in the last place is lost.
void shiftDownFrom(Settings &settings, int place)
{
    for (int j = kHighScorePlaces - 1; j >= place; --j)
        writeSlot(settings, j + 1, storedHighScore(settings, j));
}

}  // namespace

QString highScoreKey(int place) { return kKeyPrefix + QString::number(place); }

int highScoreValue(const QString &entry)
{
    const int comma = entry.lastIndexOf(kHighScoreFieldSeparator);
    if (comma < 0)
        return 0;
    return RoundToInt16(leadingNumber(entry.mid(comma + 1))).value_or(0);
}

QString highScoreText(const QString &szScore)
{
    return CalcFrameTotals(szScore).right(kHighScoreDigits).rightJustified(kHighScoreDigits, u'0');
}

QString storedHighScore(const Settings &settings, int place)
{
    return settings.ReadIniValue(kHighScoreSection, highScoreKey(place));
}

int RecordHighScore(Settings &settings, const QString &szScore, const QString &szSprit,
                    const QDateTime &now)
{
    const QString scoreText = highScoreText(szScore);
    const int score = RoundToInt16(leadingNumber(scoreText)).value_or(0);
    const QString entry = QStringList{now.toString(kHighScoreDateFormat), szScore, szSprit, scoreText}.join(
        kHighScoreFieldSeparator);

    for (int place = 1; place <= kHighScorePlaces; ++place) {
        const QString current = storedHighScore(settings, place);
        if (current.isEmpty()) {
            writeSlot(settings, place, entry);
            return place;
        }
        // Strictly greater: a tie leaves the older entry above the new one.
        if (score > highScoreValue(current)) {
            shiftDownFrom(settings, place);
            writeSlot(settings, place, entry);
            return place;
        }
    }
    return 0;
}
