// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "common/tempsettings.h"
#include "hiscore/hiscoretable.h"
#include "history/highscoreimport.h"
#include "history/historyschema.h"
#include "history/historystore.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTimeZone>
#include <QVariant>

namespace {

constexpr int kPageSize = 4096;  // SQLite's default
constexpr int kDamage = 64;
const QString kRecord = QStringLiteral("! 9*G7-  !81! ! 9-!!8");
const QString kMarks = QStringLiteral("    O     O          ");

HistoryGame Played(int total, bool typed, const QDateTime &endedAt)
{
    HistoryGame game;
    game.endedAt = endedAt;
    game.record = kRecord;
    game.marks = kMarks;
    game.total = total;
    game.typed = typed;
    return game;
}

// One column of every row and a pragma, read by a connection of the test's own.
QStringList Column(const QString &path, const QString &select)
{
    QStringList values;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("probe"));
        db.setDatabaseName(path);
        QSqlQuery query(db);
        if (db.open() && query.exec(select))
            while (query.next())
                values << query.value(0).toString();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("probe"));
    return values;
}

TEST(HistoryStore, GamesComeBackAsWrittenInTheDocumentedSchema)
{
    TempSettings dir;
    const QString path = dir.settings().historyFilePath();
    const QDateTime tokyo(QDate(2026, 12, 7), QTime(18, 14, 5), QTimeZone(9 * 3600));
    const QDateTime west(QDate(2026, 1, 2), QTime(3, 4, 5), QTimeZone(-(3 * 3600 + 30 * 60)));
    HistoryGames written{Played(187, false, tokyo), Played(0, true, west)};
    written[0].leaves = QStringLiteral("0000001001").repeated(11);
    {
        HistoryStore store(path);
        for (const HistoryGame &game : written)
            EXPECT_TRUE(store.append(game));
    }
    const std::optional<HistoryGames> read = HistoryStore(path).games();
    ASSERT_TRUE(read);
    ASSERT_EQ(read->size(), written.size());
    for (int i = 0; i < written.size(); ++i) {
        SCOPED_TRACE(i);
        const HistoryGame &game = read->at(i);
        EXPECT_EQ(game.id, i + 1);
        EXPECT_EQ(game.endedAt, written[i].endedAt);
        EXPECT_EQ(game.endedAt.offsetFromUtc(), written[i].endedAt.offsetFromUtc());
        EXPECT_EQ(std::tie(game.record, game.marks, game.total, game.typed, game.imported, game.leaves),
                  std::tie(kRecord, kMarks, written[i].total, written[i].typed, written[i].imported, written[i].leaves));
    }
    EXPECT_EQ(Column(path, "SELECT ended_at FROM games"),
              QStringList({"2026-12-07T18:14:05+09:00", "2026-01-02T03:04:05-03:30"}));
    EXPECT_EQ(Column(path, "SELECT name || ' ' || type FROM pragma_table_info('games')"),
              QStringList({"id INTEGER", "ended_at TEXT", "record TEXT", "marks TEXT", "total INTEGER", "typed INTEGER",
                           "imported INTEGER", "leaves TEXT"}));
    EXPECT_EQ(Column(path, "PRAGMA user_version"), QStringList{QString::number(kHistorySchemaVersion)});
    EXPECT_EQ(Column(path, "PRAGMA journal_mode"), QStringList{"wal"});
}

TEST(HistoryStore, AVersionOneHistoryGainsLeavesAndKeepsItsGames)
{
    TempSettings dir;
    const QString path = dir.settings().historyFilePath();
    Column(path, "CREATE TABLE games (id INTEGER PRIMARY KEY, ended_at TEXT NOT NULL, record TEXT NOT NULL, "
                 "marks TEXT NOT NULL, total INTEGER NOT NULL, typed INTEGER NOT NULL, imported INTEGER NOT NULL)");
    Column(path, "INSERT INTO games VALUES (1, '2026-12-07T18:14:05+00:00', '" + kRecord + "', '" + kMarks + "', 187, 0, 0)");
    Column(path, "PRAGMA user_version = 1");
    HistoryStore store(path, [] { return HistoryGames{Played(5, false, QDateTime::currentDateTime())}; });
    HistoryGame rolled = Played(90, false, QDateTime::currentDateTime());
    rolled.leaves = QStringLiteral("1111111111").repeated(10);
    ASSERT_TRUE(store.append(rolled));
    const std::optional<HistoryGames> games = store.games();
    ASSERT_TRUE(games);
    ASSERT_EQ(games->size(), 2);  // nothing imported into an existing history
    EXPECT_EQ(std::pair(games->at(0).total, games->at(0).leaves), std::pair(187, QString()));
    EXPECT_EQ(std::pair(games->at(1).total, games->at(1).leaves), std::pair(90, rolled.leaves));
    EXPECT_EQ(Column(path, "PRAGMA user_version"), QStringList{QString::number(kHistorySchemaVersion)});
}

TEST(HistoryStore, HighScoresAreImportedOnceWhenTheHistoryIsCreated)
{
    TempSettings dir;
    const QDateTime importTime(QDate(2026, 12, 7), QTime(12, 0), QTimeZone::utc());
    dir.set(kHighScoreSection, highScoreKey(1), "2003/07/15 21:04:09," + kRecord + "," + kMarks + ",187");
    dir.set(kHighScoreSection, highScoreKey(2), "someday," + kRecord + "," + kMarks + ",150");
    dir.set(kHighScoreSection, highScoreKey(3), "2001/01/01 00:00:01," + kRecord + "," + kMarks + ",120");
    const auto firstGames = [&dir, &importTime] { return highScoreHistory(dir.settings(), importTime); };
    const QString path = dir.settings().historyFilePath();
    for (int opening = 1; opening <= 2; ++opening) {
        SCOPED_TRACE(opening);
        HistoryStore store(path, firstGames);
        ASSERT_TRUE(store.append(Played(99, true, importTime)));
        const std::optional<HistoryGames> games = store.games();
        ASSERT_TRUE(games);
        QList<int> totals;
        for (const HistoryGame &game : *games) {
            totals << game.total;
            EXPECT_EQ(game.imported, game.total != 99);
            EXPECT_EQ(game.record, kRecord);
        }
        // Oldest first; the unreadable date counts as the import time.
        const QList<int> expected = opening == 1 ? QList<int>{120, 187, 150, 99} : QList<int>{120, 187, 150, 99, 99};
        EXPECT_EQ(totals, expected);
        EXPECT_EQ(games->at(1).endedAt, QDateTime(QDate(2003, 7, 15), QTime(21, 4, 9)));
        EXPECT_EQ(games->at(2).endedAt, importTime);
    }
}

// What stands where the history is to be when it is first used.
enum class Place { Junk, DamagedPage, Directory, FileAsFolder, DanglingLink };

// Puts `place` at path; the bytes of a damaged file, which must be kept.
QByteArray prepareHistory(Place place, const QString &path)
{
    QByteArray bytes;
    switch (place) {
    case Place::Junk:
        bytes = QByteArray(kPageSize, 'x');
        break;
    case Place::DamagedPage: {
        HistoryStore(path).append(Played(1, false, QDateTime::currentDateTime()));
        QFile file(path);
        if (file.open(QIODevice::ReadOnly))
            bytes = file.readAll();
        bytes.replace(kPageSize, kDamage, QByteArray(kDamage, '\x7f'));  // the table's first page
        break;
    }
    case Place::Directory:
        QDir().mkpath(path);
        break;
    case Place::FileAsFolder:  // path is below KVZ.ini
        break;
    case Place::DanglingLink:
        QFile::link(path + ".nowhere", path);
        break;
    }
    QFile file(path);
    if (!bytes.isEmpty() && file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(bytes);
    return bytes;
}

TEST(HistoryStore, DamagedFilesAreMovedAsideAndUnusablePlacesLeaveItUnavailable)
{
    // clang-format off
    const struct { const char *name; Place place; const char *below; bool available; } rows[] = {
        {"not a database", Place::Junk, "", true},
        {"damaged page", Place::DamagedPage, "", true},
        {"a directory in its place", Place::Directory, "", false},
        {"a file where its folder should be", Place::FileAsFolder, "KVZ.ini/", false},
        {"a link to nothing (as for KVZ.ini)", Place::DanglingLink, "", false},
    };
    // clang-format on
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        TempSettings dir;
        dir.write("[BALL]\r\nCOLOR=1\r\n");
        const QString path = QDir(dir.dir()).filePath(QLatin1String(row.below) + "history.sqlite");
        const QByteArray damaged = prepareHistory(row.place, path);
        HistoryStore store(path);
        EXPECT_EQ(store.append(Played(300, false, QDateTime::currentDateTime())), row.available);
        const std::optional<HistoryGames> games = store.games();
        ASSERT_EQ(games.has_value(), row.available);
        if (!row.available)
            continue;
        ASSERT_EQ(games->size(), 1);
        EXPECT_EQ(games->front().total, 300);
        const QFileInfoList aside = QDir(dir.dir()).entryInfoList({"history.sqlite.corrupt-*"});
        ASSERT_EQ(aside.size(), 1);
        QFile kept(aside.front().filePath());
        ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
        EXPECT_EQ(kept.readAll(), damaged);
    }
}

}  // namespace
