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
const QString kTimeFormat = QStringLiteral("yyyy-MM-ddTHH:mm:ss");

bool Exec(QSqlDatabase &db, const QString &statement)
{
    QSqlQuery query(db);
    return query.exec(statement);
}

bool CreateGames(QSqlDatabase &db, const std::function<HistoryGames()> &firstGames)
{
    if (!Exec(db, QStringLiteral("CREATE TABLE games ("
                                 "id INTEGER PRIMARY KEY, ended_at TEXT NOT NULL, record TEXT NOT NULL, "
                                 "marks TEXT NOT NULL, total INTEGER NOT NULL, typed INTEGER NOT NULL, "
                                 "imported INTEGER NOT NULL)")))
        return false;
    if (firstGames)
        for (const HistoryGame &game : firstGames())
            if (!InsertHistoryGame(db, game))
                return false;
    return true;
}

// Step n takes a database from version n to n + 1.
using Step = bool (*)(QSqlDatabase &, const std::function<HistoryGames()> &);
constexpr Step kSteps[] = {CreateGames};
static_assert(std::size(kSteps) == kHistorySchemaVersion);

int UserVersion(QSqlDatabase &db)
{
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("PRAGMA user_version")) || !query.next())
        return -1;
    return query.value(0).toInt();
}

}  // namespace

QString HistoryTimeText(const QDateTime &time)
{
    const int offsetMinutes = time.offsetFromUtc() / kSecondsPerMinute;
    const int size = std::abs(offsetMinutes);
    const auto field = [](int n) { return QString::number(n).rightJustified(kOffsetFieldWidth, u'0'); };
    return time.toString(kTimeFormat) + (offsetMinutes < 0 ? u'-' : u'+') + field(size / kMinutesPerHour) +
           u':' + field(size % kMinutesPerHour);
}

bool InsertHistoryGame(QSqlDatabase &db, const HistoryGame &game)
{
    QSqlQuery query(db);
    query.prepare(QStringLiteral("INSERT INTO games (ended_at, record, marks, total, typed, imported) "
                                 "VALUES (?, ?, ?, ?, ?, ?)"));
    query.addBindValue(HistoryTimeText(game.endedAt));
    query.addBindValue(game.record);
    query.addBindValue(game.marks);
    query.addBindValue(game.total);
    query.addBindValue(int(game.typed));
    query.addBindValue(int(game.imported));
    return query.exec();
}

bool MigrateHistory(QSqlDatabase &db, const std::function<HistoryGames()> &firstGames)
{
    for (int version = UserVersion(db); version >= 0 && version < kHistorySchemaVersion; ++version) {
        if (!db.transaction())
            return false;
        const bool done = kSteps[version](db, firstGames) &&
                          Exec(db, QStringLiteral("PRAGMA user_version = %1").arg(version + 1)) &&
                          db.commit();
        if (!done) {
            db.rollback();
            return false;
        }
    }
    return UserVersion(db) >= kHistorySchemaVersion;
}
