#include "hiscore/hiscoretable.h"

#include "platform/numparse.h"
#include "score/scorerecord.h"
#include "settings/settings.h"

#include <QStringList>

namespace {

const QChar kFieldSeparator = u',';
const QString kKeyPrefix = QStringLiteral("HISCORE");

std::function<void()> &ListingHook()
{
    static std::function<void()> hook;
    return hook;
}

std::function<QDateTime()> &Clock()
{
    static std::function<QDateTime()> now;
    return now;
}

QDateTime Now() { return Clock() ? Clock()() : QDateTime::currentDateTime(); }

QString Slot(int place) { return ReadIniValue(kHighScoreSection, HighScoreKey(place)); }

void WriteSlot(int place, const QString &value)
{
    WriteIniValue(kHighScoreSection, HighScoreKey(place), value);
}

// Makes room at `place` by moving it and every entry below it down one
// place; whatever stood in the last place is lost.
void ShiftDownFrom(int place)
{
    for (int j = kHighScorePlaces - 1; j >= place; --j)
        WriteSlot(j + 1, Slot(j));
}

// Every call ends here, so the listing is refreshed whether or not the game placed.
qint16 Finish(qint16 place)
{
    if (ListingHook())
        ListingHook()();
    return place;
}

}  // namespace

QString HighScoreKey(int place) { return kKeyPrefix + QString::number(place); }

qint16 HighScoreValue(const QString &entry)
{
    const int comma = entry.lastIndexOf(kFieldSeparator);
    if (comma < 0)
        return 0;
    return RoundToInt16(LeadingNumber(entry.mid(comma + 1))).value_or(0);
}

QString HighScoreText(const QString &szScore)
{
    return CalcFrameTotals(szScore).right(kHighScoreDigits).rightJustified(kHighScoreDigits, u'0');
}

qint16 RecordHighScore(const QString &szScore, const QString &szSprit)
{
    const QString scoreText = HighScoreText(szScore);
    const qint16 score = RoundToInt16(LeadingNumber(scoreText)).value_or(0);
    const QString entry = QStringList{Now().toString(kHighScoreDateFormat), szScore, szSprit, scoreText}
                              .join(kFieldSeparator);

    for (int place = 1; place <= kHighScorePlaces; ++place) {
        const QString current = Slot(place);
        if (current.isEmpty()) {
            WriteSlot(place, entry);
            return Finish(static_cast<qint16>(place));
        }
        // Strictly greater: a tie leaves the older entry above the new one.
        if (score > HighScoreValue(current)) {
            ShiftDownFrom(place);
            WriteSlot(place, entry);
            return Finish(static_cast<qint16>(place));
        }
    }
    return Finish(0);
}

void SetHighScoreListingHook(std::function<void()> hook) { ListingHook() = std::move(hook); }

void SetHighScoreClock(std::function<QDateTime()> now) { Clock() = std::move(now); }
