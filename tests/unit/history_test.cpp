// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "common/historygames.h"
#include "common/tempsettings.h"
#include "hiscore/hiscorecaptions.h"
#include "hiscore/hiscoretable.h"
#include "history/gamelistmodel.h"
#include "history/highscoreimport.h"
#include "history/historyschema.h"
#include "history/historystore.h"
#include "history/statistics.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStringList>
#include <QTimeZone>
#include <QVariant>

namespace {

// Ten open frames of n pins each: a game worth 10 * n.
QString OpenGame(int n) { return QString(QChar(u'0' + n)).append(u'-').repeated(10); }

TEST(HighScoreTable, PlacesShiftsBreaksTiesForTheOlderEntryAndCaptionsHandEditedEntries)
{
    const QString now = "2003/07/15 21:04:09", marks = "    O               ";
    const QString A = "a,9-,  ,090", B = "b,8-,  ,080", C = "c,7-,  ,070", D = "d,6-,  ,060", E = "e,5-,  ,050";
    const std::tuple<QStringList, QString, int, QStringList> rows[] = {
        // table before, game, place, table after; "NEW" stands for the game's entry
        {{A, B, C, D, E}, OpenGame(8), 3, {A, B, "NEW", C, D}},  // a tie stays below the older entry
        {{A, B, C, D, E}, OpenGame(5), 0, {A, B, C, D, E}},
        // Hand-edited entries count zero.
        {{"junk", "d,r,m,", "d,r,m,abc", "d,r,m,99999999"},
         OpenGame(1),
         1,
         {"NEW", "junk", "d,r,m,", "d,r,m,abc", "d,r,m,99999999"}},
        {{"junk", "d,r,m,abc"}, OpenGame(0), 3, {"junk", "d,r,m,abc", "NEW", "", ""}},
    };
    for (const auto &[before, record, place, after] : rows) {
        SCOPED_TRACE(place);
        TempSettings file;
        for (int i = 0; i < before.size(); ++i)
            file.set(kHighScoreSection, highScoreKey(i + 1), before[i]);
        EXPECT_EQ(RecordHighScore(file.settings(), record, marks, QDateTime::fromString(now, kHighScoreDateFormat)), place);
        QStringList table;
        for (int i = 1; i <= kHighScorePlaces; ++i)
            table << storedHighScore(file.settings(), i);
        EXPECT_EQ(table,
                  QStringList(after).replaceInStrings("NEW", QStringList{now, record, marks, highScoreText(record)}.join(u',')));
    }
    EXPECT_EQ(highScoreText("9-9-9-9-9-9-9-9-9-6-") + highScoreText("! "), "087000");  // the last: no frame finished
    // An entry at place 1..5 and its menu caption; the score is the text after the last comma.
    const QString captions[][2] = {{"2003/07/15 21:04:09,9-,  ,087", "１位：2003年07月15日 21:04:09  スコア:087"},
                                   {"", "２位：(なし)"},
                                   {"2003/7/5,r,m,100", "３位：2003年07月05日 00:00:00  スコア:100"},
                                   {"yesterday,r,m,x,120", "４位：yesterday  スコア:120"},
                                   {"2003/12/31 25:00:00,r,m,1", "５位：2003/12/31 25:00:00  スコア:1"}};
    for (int place = 1; place <= 5; ++place)
        EXPECT_EQ(highScoreCaption(place, captions[place - 1][0]), captions[place - 1][1]);
}

const QString kRecord = QStringLiteral("! 9*G7-  !81! ! 9-!!8");
const QString kMarks = QStringLiteral("    O     O          ");

HistoryGame Played(int total, bool typed = false, const QDateTime &endedAt = QDateTime::currentDateTime())
{
    HistoryGame game = historyGame("! 9*G7-  !81! ! 9-!!8", "    O     O          ", total, typed);
    game.endedAt = endedAt;
    return game;
}

// One column of every row, read by a connection of the test's own.
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

// Games come back as written, in the schema the README documents, from a new
// history and from one of the first version, which gains the leaves and keeps
// its game (and imports nothing: it is no new history).
TEST(HistoryStore, GamesComeBackAsWrittenInTheDocumentedSchema)
{
    for (const bool old : {false, true}) {
        SCOPED_TRACE(old);
        TempSettings dir;
        const QString path = dir.settings().historyFilePath();
        HistoryGames written{Played(187, false, QDateTime(QDate(2026, 12, 7), QTime(18, 14, 5), QTimeZone(9 * 3600))),
                             Played(0, true, QDateTime(QDate(2026, 1, 2), QTime(3, 4, 5), QTimeZone(-(3 * 3600 + 30 * 60))))};
        written[0].leaves = QStringLiteral("0000001001").repeated(11);
        HistoryGames expected = written;
        QStringList endedAt{"2026-12-07T18:14:05+09:00", "2026-01-02T03:04:05-03:30"};
        if (old) {
            Column(path, "CREATE TABLE games (id INTEGER PRIMARY KEY, ended_at TEXT NOT NULL, record TEXT NOT NULL, marks "
                         "TEXT NOT NULL, total INTEGER NOT NULL, typed INTEGER NOT NULL, imported INTEGER NOT NULL)");
            Column(path,
                   "INSERT INTO games VALUES (1, '2026-12-07T18:14:05+00:00', '" + kRecord + "', '" + kMarks + "', 90, 0, 0)");
            Column(path, "PRAGMA user_version = 1");
            expected.prepend(Played(90, false, QDateTime(QDate(2026, 12, 7), QTime(18, 14, 5), QTimeZone::utc())));
            endedAt.prepend("2026-12-07T18:14:05+00:00");
        }
        {
            HistoryStore store(path, [old] { return old ? HistoryGames{Played(5)} : HistoryGames{}; });
            for (const HistoryGame &game : written)
                EXPECT_TRUE(store.append(game));
        }
        const std::optional<HistoryGames> read = HistoryStore(path).games();
        ASSERT_TRUE(read && read->size() == expected.size());
        for (int i = 0; i < expected.size(); ++i) {
            const HistoryGame &game = read->at(i), &w = expected[i];
            EXPECT_EQ(
                std::tuple(game.id, game.endedAt, game.endedAt.offsetFromUtc(), game.record, game.marks, game.total, game.typed,
                           game.leaves),
                std::tuple(qint64(i + 1), w.endedAt, w.endedAt.offsetFromUtc(), kRecord, kMarks, w.total, w.typed, w.leaves));
        }
        EXPECT_EQ(Column(path, "SELECT ended_at FROM games"), endedAt);
        EXPECT_EQ(Column(path, "SELECT name || ' ' || type FROM pragma_table_info('games')"),
                  QStringList({"id INTEGER", "ended_at TEXT", "record TEXT", "marks TEXT", "total INTEGER", "typed INTEGER",
                               "imported INTEGER", "leaves TEXT"}));
        EXPECT_EQ(Column(path, "PRAGMA user_version") + Column(path, "PRAGMA journal_mode") +
                      Column(path, "SELECT name FROM sqlite_master WHERE type = 'index' ORDER BY name"),
                  QStringList({"3", "wal", "games_by_time", "games_by_total"}));
    }
}

// The list's pages in every order, two games a page: equal keys newest
// first, an unreadable time as the oldest, typed-in games only when asked
// for; a removed game is gone, and removing it again fails.
TEST(HistoryStore, PagesInEveryOrderAndRemoval)
{
    TempSettings dir;
    const QString path = dir.settings().historyFilePath();
    const auto at = [](int day, int hour, int offsetHours) {
        return QDateTime(QDate(2026, 11, day), QTime(hour, 0), QTimeZone(offsetHours * 3600));
    };
    HistoryStore store(path);
    for (const HistoryGame &g :
         {Played(150, false, at(1, 10, 9)), Played(200, true, at(3, 10, 9)), Played(180, false, at(4, 10, 9)),
          Played(150, false, at(2, 10, 9)), Played(120, false, at(2, 2, 1))})  // the same moment as the game before
        ASSERT_TRUE(store.append(g));
    Column(path, "UPDATE games SET ended_at = '2026-11-+4T10:00:00+09:00' WHERE id = 3");  // no time
    const auto ids = [&store](GameOrder order, bool typed) {
        QList<qint64> read;
        std::optional<PageMark> after;
        for (int page = 0; page < 4; ++page) {
            const std::optional<GamePage> p = store.page(order, typed, after, 2);
            if (!p || p->games.isEmpty())
                break;
            for (const HistoryGame &g : p->games)
                read << g.id;
            after = p->last;
        }
        return read;
    };
    EXPECT_EQ(ids(GameOrder::NewestFirst, true), QList<qint64>({2, 5, 4, 1, 3}));
    EXPECT_EQ(ids(GameOrder::OldestFirst, true), QList<qint64>({3, 1, 5, 4, 2}));
    EXPECT_EQ(ids(GameOrder::HighestFirst, true), QList<qint64>({2, 3, 4, 1, 5}));
    EXPECT_EQ(ids(GameOrder::LowestFirst, false), QList<qint64>({5, 4, 1, 3}));
    EXPECT_EQ(store.page(GameOrder::NewestFirst, true, {}, 9)->games.at(4).storedEndedAt, "2026-11-+4T10:00:00+09:00");
    // The list model reads the same pages as a view scrolls, and again from
    // the first when sorted by a sortable column.
    GameListModel list(store, 2);
    const auto listed = [&list] {
        QList<qint64> read;
        while (list.canFetchMore({}))
            list.fetchMore({});
        for (int row = 0; row < list.rowCount(); ++row)
            read << list.game(row).id;
        return read;
    };
    list.setIncludeTyped(true);
    EXPECT_EQ(listed(), QList<qint64>({2, 5, 4, 1, 3}));
    list.sort(GameListModel::TotalColumn, Qt::DescendingOrder);
    list.sort(GameListModel::GameColumn, Qt::AscendingOrder);
    EXPECT_EQ(listed(), QList<qint64>({2, 3, 4, 1, 5}));
    EXPECT_TRUE(store.remove(4));
    EXPECT_FALSE(store.remove(4));
    EXPECT_EQ(ids(GameOrder::NewestFirst, false), QList<qint64>({5, 1, 3}));
}

TEST(HistoryStore, HighScoresAreImportedOnceWhenTheHistoryIsCreated)
{
    TempSettings dir;
    const QDateTime importTime(QDate(2026, 12, 7), QTime(12, 0), QTimeZone::utc());
    dir.set(kHighScoreSection, highScoreKey(1), "2003/07/15 21:04:09," + kRecord + "," + kMarks + ",187");
    dir.set(kHighScoreSection, highScoreKey(2), "someday," + kRecord + "," + kMarks + ",150");
    dir.set(kHighScoreSection, highScoreKey(4), "2001/01/01 00:00:01," + kRecord + "," + kMarks + ",120");
    for (int opening = 1; opening <= 2; ++opening) {
        SCOPED_TRACE(opening);
        HistoryStore store(dir.settings().historyFilePath(), [&] { return highScoreHistory(dir.settings(), importTime); });
        ASSERT_TRUE(store.append(Played(99, true, importTime)));
        const std::optional<HistoryGames> games = store.games();
        ASSERT_TRUE(games);
        QList<int> totals;
        for (const HistoryGame &game : *games) {
            totals << game.total;
            EXPECT_TRUE(game.imported == (game.total != 99) && game.record == kRecord);
        }
        // Oldest first; the unreadable date counts as the import time.
        EXPECT_EQ(totals, QList<int>({120, 187, 150, 99, 99}).mid(0, 3 + opening));
        EXPECT_EQ(games->at(1).endedAt, QDateTime(QDate(2003, 7, 15), QTime(21, 4, 9)));
        EXPECT_EQ(games->at(2).endedAt, importTime);
    }
}

// Writes bytes to path and returns them.
QByteArray Put(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size() ? bytes : "?";
}

// What stands where the history is to be when it is first used: a damaged
// file, whose bytes are kept aside, or a place that cannot hold one ("").
TEST(HistoryStore, DamagedFilesAreMovedAsideAndUnusablePlacesLeaveItUnavailable)
{
    const std::tuple<const char *, std::function<QByteArray(const QString &)>> rows[] = {
        {"not a database", [](const QString &path) { return Put(path, QByteArray(4096, 'x')); }},
        {"damaged page",
         [](const QString &path) {
             HistoryStore(path).append(Played(1));
             QFile file(path);
             file.open(QIODevice::ReadOnly);
             return Put(path, file.readAll().replace(4096, 64, QByteArray(64, '\x7f')));  // the table's first page
         }},
        {"a directory in its place", [](const QString &path) { return QByteArray(QDir().mkpath(path) ? "" : "?"); }},
        {"a link to nothing", [](const QString &path) { return QByteArray(QFile::link(path + ".nowhere", path) ? "" : "?"); }},
    };
    for (const auto &[name, prepare] : rows) {
        SCOPED_TRACE(name);
        TempSettings dir;
        const QString path = dir.settings().historyFilePath();
        const QByteArray damaged = prepare(path);
        HistoryStore store(path);
        EXPECT_EQ(store.append(Played(300)), !damaged.isEmpty());
        const std::optional<HistoryGames> games = store.games();
        ASSERT_EQ(games.has_value(), !damaged.isEmpty());
        if (damaged.isEmpty())
            continue;
        EXPECT_TRUE(games->size() == 1 && games->front().total == 300);
        const QFileInfoList aside = QDir(dir.dir()).entryInfoList({"history.sqlite.corrupt-*"});
        ASSERT_EQ(aside.size(), 1);
        QFile kept(aside.front().filePath());
        EXPECT_TRUE(kept.open(QIODevice::ReadOnly) && kept.readAll() == damaged);
    }
}

// The figures of one selection: "strikes/chances spares/chances
// splits/converted open-frames gutters first-ball-pins | first balls by pins
// felled 0..10 | leaves known+unknown: times each pin 1..10 stood".
std::string Figures(const Statistics &s)
{
    EXPECT_EQ(s.firstBalls, s.strikeChances);
    QStringList counts, standing;
    for (int c : s.firstBallCounts)
        counts << QString::number(c);
    for (int c : s.leaves.standing)
        standing << QString::number(c);
    return QString::asprintf("%d/%d %d/%d %d/%d %d %d %d | ", s.strikes, s.strikeChances, s.spares, s.spareChances, s.splits,
                             s.splitsConverted, s.openFrames, s.gutters, s.firstBallPins)
        .append(counts.join(u',') + QString(" | %1+%2: ").arg(s.leaves.known).arg(s.leaves.unknown) + standing.join(u','))
        .toStdString();
}

std::string Leaves(const Statistics &s) { return Figures(s).substr(Figures(s).rfind('|') + 2); }

// The mixed game, frame by frame: gutter and miss; 8 with a split circle,
// spared; 8 with a split circle, 1; strike; 9 and a miss; a miss then a
// spare; 7 and 2; strike; strike; tenth: strike, miss, spare of the fresh
// rack. 151 pins. Typed counts fell the lowest pins; a typed 8 may be the
// split answer.
TEST(Statistics, HandWorkedGamesAndStoredLeaves)
{
    const std::tuple<const char *, const char *, bool, const char *> rows[] = {
        {"! ! ! ! ! ! ! ! ! !!!", "", false, "12/12 0/0 0/0 0 0 120 | 0,0,0,0,0,0,0,0,0,0,12 | 0+0: 0,0,0,0,0,0,0,0,0,0"},
        {"G-8*81! 9--*72! ! !-*", "  O O", false, "4/11 3/7 2/1 4 1 72 | 3,0,0,0,0,0,0,1,2,1,4 | 3+4: 3,3,3,3,3,3,3,3,3,3"},
        {"G-8*81! 9--*72! ! !-*", "  O O", true, "4/11 3/7 2/1 4 1 72 | 3,0,0,0,0,0,0,1,2,1,4 | 5+2: 3,3,3,3,3,3,3,4,4,5"},
        // The tenth: a spare, then a strike as the fill; a strike, then a fresh rack spared in digits; open.
        {"9-9-9-9-9-9-9-9-9-5*!", "", false, "1/11 1/10 0/0 9 0 96 | 0,0,0,0,0,1,0,0,0,9,1 | 0+10: 0,0,0,0,0,0,0,0,0,0"},
        {"------------------!55", "", false, "1/11 1/10 0/0 9 0 15 | 9,0,0,0,0,1,0,0,0,0,1 | 9+1: 9,9,9,9,9,9,9,9,9,9"},
        {"------------------72", "", false, "0/10 0/10 0/0 10 0 7 | 9,0,0,0,0,0,0,1,0,0,0 | 9+1: 9,9,9,9,9,9,9,9,9,9"},
    };
    for (const auto &[record, marks, typed, figures] : rows) {
        HistoryGame game = historyGame(record, "", 0, typed);
        game.marks = QString::fromLatin1(marks).leftJustified(game.record.size());
        EXPECT_EQ(Figures(computeStatistics({game}, true)), figures) << record << typed;
    }
    // The pin-leave map from the stored leaves, ten characters a fresh rack; a
    // game whose leaves do not fit its record falls back to what it tells.
    const QString nines = QString("9-").repeated(10), misses = QString("-").repeated(20), down = "0000000000";
    const QString pin10 = "0000000001", pins7and10 = "0000001001", pins9and10 = "0000000011";
    const std::tuple<QString, QString, bool, const char *> stored[] = {
        {nines, "1000000000" + pin10.repeated(8) + "0000001000", false, "10+0: 1,0,0,0,0,0,1,0,0,8"},
        // A strike's leave is not counted.
        {"! " + QString("8-").repeated(9), down + pins9and10.repeated(4) + pins7and10.repeated(5), false,
         "9+0: 0,0,0,0,0,0,5,0,4,9"},
        // Typed eights: the split answer told apart.
        {QString("8-").repeated(10), pins7and10.repeated(3) + pins9and10.repeated(7), true, "10+0: 0,0,0,0,0,0,3,0,7,10"},
        {misses, down.repeated(9), false, "10+0: 10,10,10,10,10,10,10,10,10,10"},       // one ball short
        {misses, down.repeated(9) + "000000000x", false, "10+0: 1,1,1,1,1,1,1,1,1,1"},  // a ball not in 0 and 1
    };
    for (const auto &[record, leaves, typed, expected] : stored) {
        HistoryGame game = historyGame("", "", 0, typed);
        game.record = record;
        game.marks = QString(record.size(), u' ');
        game.leaves = leaves;
        EXPECT_EQ(Leaves(computeStatistics({game}, true)), expected) << leaves.toStdString();
    }
}

// Sixty rolled games of 1..60 pins and a typed 300 between them.
TEST(Statistics, SeriesAndSelection)
{
    HistoryGames games;
    for (int total = 1; total <= 60; ++total) {
        games.append(historyGame("", "", total));
        if (total == 30)
            games.append(historyGame("", "", 300, true));
    }
    games.append(historyGame("", "", 60));  // ties the best: the first keeps the mark

    const Statistics rolled = computeStatistics(games, false), all = computeStatistics(games, true);
    EXPECT_EQ(std::tuple(rolled.games, rolled.best, rolled.bestIndex, all.games, all.best, all.bestIndex, all.totals[30]),
              std::tuple(61, 60, 59, 62, 300, 30, 300));
    EXPECT_DOUBLE_EQ(rolled.average, (60 * 61 / 2 + 60) / 61.0);
    EXPECT_DOUBLE_EQ(rolled.averageRecentShort, 56.4);  // 52..60 and 60
    EXPECT_DOUBLE_EQ(rolled.averageRecentLong, 36.48);  // 12..60 and 60
    ASSERT_EQ(rolled.movingAverage.size(), 61);
    EXPECT_EQ(
        QVector<double>({rolled.movingAverage[0], rolled.movingAverage[3], rolled.movingAverage[9], rolled.movingAverage[10]}),
        QVector<double>({1.0, 2.5, 5.5, 6.5}));
    const Statistics none = computeStatistics({}, true);
    EXPECT_EQ(std::tuple(none.games, none.bestIndex, none.average, none.leaves.share(1)), std::tuple(0, -1, 0.0, 0.0));
}

// The counts bowlers keep, on hand-worked games: "single converted/chances,
// multi-pin (no split) converted/chances, clean, perfect, longest strike run,
// turkeys, fill balls/their pins, unreadable games". A turkey is counted once
// for each run of three strikes or more, however long the run.
TEST(Statistics, BowlersCountsOfHandWorkedGames)
{
    const std::tuple<const char *, const char *, const char *, const char *> rows[] = {
        {"clean, a split converted", "8*! ! ! 9*9*9*9*9*9*9", "O", "6/6 0/0 1 0 3 1 1/9 0"},
        {"a run into the fill balls", "9-! ! 8-7*7*7*7*! !!!", "", "0/1 4/5 0 0 4 1 2/20 0"},
        {"perfect", "! ! ! ! ! ! ! ! ! !!!", "", "0/0 0/0 1 1 12 1 2/20 0"},
        {"two turkeys, an open tenth", "! ! ! 9-! ! ! ! 9-9-", "", "0/3 0/0 0 0 4 2 0/0 0"},
        {"a spare in the tenth, then an eight", "9-9-9-9-9-9-9-9-9-9*8", "", "1/10 0/0 0 0 0 0 1/8 0"},
        {"unfinished", "9-9-", "", "0/0 0/0 0 0 0 0 0/0 1"},
        {"a count above the pins standing",
         "58"
         "9-9-9-9-9-9-9-9-9-",
         "", "0/0 0/0 0 0 0 0 0/0 1"},
        {"a gutter on a second ball",
         "9G"
         "9-9-9-9-9-9-9-9-9-",
         "", "0/0 0/0 0 0 0 0 0/0 1"},
        {"a split circle under a second ball", "9-9-9-9-9-9-9-9-9-9-", " O", "0/0 0/0 0 0 0 0 0/0 1"},
        {"a ball too many", "9-9-9-9-9-9-9-9-9-9-9", "", "0/0 0/0 0 0 0 0 0/0 1"},
    };
    for (const auto &[name, record, marks, expected] : rows) {
        HistoryGame game = historyGame(record, "", 0);
        game.marks = QString::fromLatin1(marks).leftJustified(game.record.size());
        const Statistics s = computeStatistics({game}, false);
        EXPECT_EQ(QString::asprintf("%d/%d %d/%d %d %d %d %d %d/%d %d", s.singlePinSpares, s.singlePinChances, s.multiPinSpares,
                                    s.multiPinChances, s.cleanGames, s.perfectGames, s.strikeRuns.longest, s.strikeRuns.turkeys,
                                    s.fillBalls, s.fillBallPins, s.unreadableGames)
                      .toStdString(),
                  expected)
            << name;
    }
}

// Days and series by the date each game ended on: midnight and a game whose
// date cannot be read both end a row of games. Leaves listed most frequent
// first, a converted and a missed 7-10 in one row.
TEST(Statistics, DaysSeriesAndLeaveRows)
{
    const auto at = [](int day, int hour, int minute, int total) {
        HistoryGame g = historyGame("", "", total);
        g.endedAt = QDateTime(QDate(2026, 11, day), QTime(hour, minute), QTimeZone(9 * 3600));
        return g;
    };
    HistoryGames games{at(1, 23, 0, 100), at(1, 23, 30, 110), at(2, 0, 10, 120),        at(2, 0, 40, 130), at(2, 1, 10, 140),
                       at(3, 20, 0, 250), at(3, 20, 30, 260), historyGame("", "", 300), at(3, 21, 0, 270)};
    HistoryGame leaves = historyGame("8*8-9-9-9-9-9-9-9-9-", "O O", 0);
    leaves.marks = leaves.marks.leftJustified(leaves.record.size());
    leaves.leaves = QStringLiteral("0000001001").repeated(2) + QStringLiteral("0000000001").repeated(8);
    games.append(leaves);
    const Statistics s = computeStatistics(games, false);
    EXPECT_EQ(std::tuple(s.bestSeries.total, s.bestSeries.date), std::tuple(390, QDate(2026, 11, 2)));
    QStringList days, rows;
    for (const DayFigures &d : s.days)
        days << d.date.toString(Qt::ISODate) + QString::asprintf(" %d %.1f", d.games, d.average);
    for (const LeaveRow &r : s.leaveRows)
        rows << leaveText(r.pins) + (r.split ? " split" : "") + QString::asprintf(" %d/%d", r.converted, r.left);
    EXPECT_EQ(days, QStringList({"2026-11-01 2 105.0", "2026-11-02 3 130.0", "2026-11-03 3 260.0"}));
    EXPECT_EQ(s.bestDayIndex, 2);
    EXPECT_EQ(rows, QStringList({"10 0/8", "7-10 split 1/2"}));
}

TEST(Statistics, CsvHasTheTableColumns)
{
    HistoryGame g = historyGame("! 9*", "  O ", 20, true), odd = historyGame("a,\"b", "", 0);
    g.id = 7;
    g.endedAt = QDateTime::fromString(QStringLiteral("2026-12-07T18:05:09+09:00"), Qt::ISODate);
    g.leaves = QStringLiteral("0000000000");
    odd.id = 8;
    odd.imported = true;
    EXPECT_EQ(historyCsv({g, odd}).toStdString(), "id,ended_at,record,marks,total,typed,imported,leaves\n"
                                                  "7,2026-12-07T18:05:09+09:00,! 9*,  O ,20,1,0,0000000000\n"
                                                  "8,,\"a,\"\"b\",,0,0,1,\n");
}

}  // namespace
