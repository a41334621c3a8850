// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "history/historyschema.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariant>

#include <cstdlib>

namespace {

constexpr int kSecondsPerMinute = 60;
constexpr int kMinutesPerHour = 60;
constexpr int kOffsetFieldWidth = 2;
constexpr int kDecimalBase = 10;
const QString kTimeFormat = QStringLiteral("yyyy-MM-ddTHH:mm:ss");
// Where the fields of the stored form "2026-12-07T18:14:05+01:00" start.
constexpr int kStoredTimeLength = 25;
constexpr int kYearAt = 0;
constexpr int kYearDigits = 4;
constexpr int kMonthAt = 5;
constexpr int kDayAt = 8;
constexpr int kHourAt = 11;
constexpr int kMinuteAt = 14;
constexpr int kSecondAt = 17;
constexpr int kSignAt = 19, kOffsetHourAt = 20, kOffsetMinuteAt = 23;
const QString kStoredTimePunctuation = QStringLiteral("--T::");
constexpr int kPunctuationAt[] = {4, 7, 10, 13, 16};
constexpr int kOffsetColonAt = 22;

bool execute(QSqlDatabase &db, const QString &statement)
{
    QSqlQuery query(db);
    return query.exec(statement);
}

bool createGames(QSqlDatabase &db, const std::function<HistoryGames()> &firstGames)
{
    if (!execute(db, QStringLiteral("CREATE TABLE games ("
                                    "id INTEGER PRIMARY KEY, ended_at TEXT NOT NULL, record TEXT NOT NULL, "
                                    "marks TEXT NOT NULL, total INTEGER NOT NULL, typed INTEGER NOT NULL, "
                                    "imported INTEGER NOT NULL)")))
        return false;
    if (firstGames)
        for (const HistoryGame &game : firstGames())
            if (!insertHistoryGame(db, game))
                return false;
    return true;
}

bool addLeaves(QSqlDatabase &db, const std::function<HistoryGames()> &)
{
    return execute(db, QStringLiteral("ALTER TABLE games ADD COLUMN leaves TEXT NOT NULL DEFAULT ''"));
}

bool addListIndexes(QSqlDatabase &db, const std::function<HistoryGames()> &)
{
    return execute(db, QStringLiteral(
                           "CREATE INDEX games_by_time ON games (coalesce(julianday(ended_at), 0), id)")) &&
           execute(db, QStringLiteral("CREATE INDEX games_by_total ON games (total, id)"));
}

// Step n takes a database from version n to n + 1.
using Step = bool (*)(QSqlDatabase &, const std::function<HistoryGames()> &);
constexpr Step kSteps[] = {createGames, addLeaves, addListIndexes};
static_assert(std::size(kSteps) == kHistorySchemaVersion);

int userVersion(QSqlDatabase &db)
{
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("PRAGMA user_version")) || !query.next())
        return -1;
    return query.value(0).toInt();
}

}  // namespace

QString historyTimeText(const QDateTime &time)
{
    const int offsetMinutes = time.offsetFromUtc() / kSecondsPerMinute;
    const int size = std::abs(offsetMinutes);
    const auto field = [](int n) { return QString::number(n).rightJustified(kOffsetFieldWidth, u'0'); };
    return time.toString(kTimeFormat) + (offsetMinutes < 0 ? u'-' : u'+') + field(size / kMinutesPerHour) +
           u':' + field(size % kMinutesPerHour);
}

QDateTime historyTimeFromText(const QString &text)
{
    const QStringView view(text);
    bool stored = text.size() == kStoredTimeLength && (view[kSignAt] == u'+' || view[kSignAt] == u'-') &&
                  view[kOffsetColonAt] == u':';
    for (int i = 0; stored && i < kStoredTimePunctuation.size(); ++i)
        stored = view[kPunctuationAt[i]] == kStoredTimePunctuation[i];
    if (!stored)
        return QDateTime::fromString(text, Qt::ISODate);
    // Digits only; anything else makes the field, and so the time, invalid.
    // (Read for every game whenever the statistics open: no conversion.)
    const auto number = [&view](int at, int digits = kOffsetFieldWidth) {
        int n = 0;
        for (const QChar c : view.mid(at, digits)) {
            if (c < u'0' || c > u'9')
                return -1;
            n = n * kDecimalBase + (c.unicode() - u'0');
        }
        return n;
    };
    const int offsetHours = number(kOffsetHourAt), offsetMinutes = number(kOffsetMinuteAt);
    if (offsetHours < 0 || offsetMinutes < 0)
        return {};
    const int offset = (offsetHours * kMinutesPerHour + offsetMinutes) * kSecondsPerMinute;
    return QDateTime(QDate(number(kYearAt, kYearDigits), number(kMonthAt), number(kDayAt)),
                     QTime(number(kHourAt), number(kMinuteAt), number(kSecondAt)), Qt::OffsetFromUTC,
                     view[kSignAt] == u'-' ? -offset : offset);
}

bool insertHistoryGame(QSqlDatabase &db, const HistoryGame &game)
{
    // A game without leaves leaves the column to its default, so that the
    // first step, which has no such column yet, can insert the imported games.
    const bool leaves = !game.leaves.isEmpty();
    QSqlQuery query(db);
    query.prepare(
        leaves ? QStringLiteral("INSERT INTO games (ended_at, record, marks, total, typed, imported, "
                                "leaves) VALUES (?, ?, ?, ?, ?, ?, ?)")
               : QStringLiteral("INSERT INTO games (ended_at, record, marks, total, typed, imported) "
                                "VALUES (?, ?, ?, ?, ?, ?)"));
    query.addBindValue(historyTimeText(game.endedAt));
    query.addBindValue(game.record);
    query.addBindValue(game.marks);
    query.addBindValue(game.total);
    query.addBindValue(int(game.typed));
    query.addBindValue(int(game.imported));
    if (leaves)
        query.addBindValue(game.leaves);
    return query.exec();
}

bool migrateHistory(QSqlDatabase &db, const std::function<HistoryGames()> &firstGames)
{
    // Each step takes the write lock before it reads the version, so that of
    // two games creating the history at once, the second finds it made.
    for (;;) {
        if (!execute(db, QStringLiteral("BEGIN IMMEDIATE")))
            return false;
        const int version = userVersion(db);
        if (version < 0 || version >= kHistorySchemaVersion) {
            execute(db, QStringLiteral("COMMIT"));
            return version >= kHistorySchemaVersion;
        }
        const bool done = kSteps[version](db, firstGames) &&
                          execute(db, QStringLiteral("PRAGMA user_version = %1").arg(version + 1)) &&
                          execute(db, QStringLiteral("COMMIT"));
        if (!done) {
            execute(db, QStringLiteral("ROLLBACK"));
            return false;
        }
    }
}
