// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "hiscore/hiscoretable.h"

#include "platform/numparse.h"
#include "score/scorerecord.h"
#include "settings/settings.h"

#include <QStringList>

namespace {

const QString kKeyPrefix = QStringLiteral("HISCORE");

void WriteSlot(Settings &settings, int place, const QString &value)
{
    settings.WriteIniValue(kHighScoreSection, HighScoreKey(place), value);
}

// Makes room at `place` by moving it and every entry below it down one
// place; whatever stood in the last place is lost.
void ShiftDownFrom(Settings &settings, int place)
{
    for (int j = kHighScorePlaces - 1; j >= place; --j)
        WriteSlot(settings, j + 1, StoredHighScore(settings, j));
}

}  // namespace

QString HighScoreKey(int place) { return kKeyPrefix + QString::number(place); }

int HighScoreValue(const QString &entry)
{
    const int comma = entry.lastIndexOf(kHighScoreFieldSeparator);
    if (comma < 0)
        return 0;
    return RoundToInt16(LeadingNumber(entry.mid(comma + 1))).value_or(0);
}

QString HighScoreText(const QString &szScore)
{
    return CalcFrameTotals(szScore).right(kHighScoreDigits).rightJustified(kHighScoreDigits, u'0');
}

QString StoredHighScore(const Settings &settings, int place)
{
    return settings.ReadIniValue(kHighScoreSection, HighScoreKey(place));
}

int RecordHighScore(Settings &settings, const QString &szScore, const QString &szSprit,
                    const QDateTime &now)
{
    const QString scoreText = HighScoreText(szScore);
    const int score = RoundToInt16(LeadingNumber(scoreText)).value_or(0);
    const QString entry = QStringList{now.toString(kHighScoreDateFormat), szScore, szSprit, scoreText}.join(
        kHighScoreFieldSeparator);

    for (int place = 1; place <= kHighScorePlaces; ++place) {
        const QString current = StoredHighScore(settings, place);
        if (current.isEmpty()) {
            WriteSlot(settings, place, entry);
            return place;
        }
        // Strictly greater: a tie leaves the older entry above the new one.
        if (score > HighScoreValue(current)) {
            ShiftDownFrom(settings, place);
            WriteSlot(settings, place, entry);
            return place;
        }
    }
    return 0;
}
