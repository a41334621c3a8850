// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "common/historygames.h"
#include "history/statistics.h"

#include <gtest/gtest.h>

#include <array>

namespace {

// Hand-worked single games. The mixed game, frame by frame: gutter and miss;
// 8 with a split circle, spared; 8 with a split circle, 1; strike; 9 and a
// miss; a miss then a spare; 7 and 2; strike; strike; tenth: strike, miss,
// spare of the fresh rack. 151 pins.
TEST(Statistics, HandWorkedGames)
{
    constexpr const char *kMixed = "G-8*81! 9--*72! ! !-*";
    constexpr const char *kMixedMarks = "  O O                ";
    // clang-format off
    const struct Row {
        const char *name, *record, *marks;
        bool typed;
        int strikes, chances, spares, spareChances, splits, splitsConverted, open, gutters, firstPins;
        std::array<int, kPinsPerRack + 1> counts;
        int known, unknown;
        std::array<int, kPinsPerRack> standing;
    } rows[] = {
        {"twelve strikes", "! ! ! ! ! ! ! ! ! !!!", "                     ", false,
         12, 12, 0, 0, 0, 0, 0, 0, 120, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 12}, 0, 0, {}},
        {"mixed, rolled", kMixed, kMixedMarks, false,
         4, 11, 3, 7, 2, 1, 4, 1, 72, {3, 0, 0, 0, 0, 0, 0, 1, 2, 1, 4}, 3, 4, {3, 3, 3, 3, 3, 3, 3, 3, 3, 3}},
        // Typed counts fell the lowest pins; a typed 8 may be the split answer.
        {"mixed, typed", kMixed, kMixedMarks, true,
         4, 11, 3, 7, 2, 1, 4, 1, 72, {3, 0, 0, 0, 0, 0, 0, 1, 2, 1, 4}, 5, 2, {3, 3, 3, 3, 3, 3, 3, 4, 4, 5}},
        {"tenth: spare, then a strike as the fill", "9-9-9-9-9-9-9-9-9-5*!", "                     ", false,
         1, 11, 1, 10, 0, 0, 9, 0, 96, {0, 0, 0, 0, 0, 1, 0, 0, 0, 9, 1}, 0, 10, {}},
        {"tenth: strike, then a fresh rack spared in digits", "------------------!55", "                     ", false,
         1, 11, 1, 10, 0, 0, 9, 0, 15, {9, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}, 9, 1, {9, 9, 9, 9, 9, 9, 9, 9, 9, 9}},
        {"no fill ball after an open tenth", "------------------72", "                    ", false,
         0, 10, 0, 10, 0, 0, 10, 0, 7, {9, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0}, 9, 1, {9, 9, 9, 9, 9, 9, 9, 9, 9, 9}},
    };
    // clang-format on
    for (const Row &row : rows) {
        const Statistics s = computeStatistics({historyGame(row.record, row.marks, 0, row.typed)}, true);
        SCOPED_TRACE(row.name);
        EXPECT_EQ(s.strikes, row.strikes);
        EXPECT_EQ(s.strikeChances, row.chances);
        EXPECT_EQ(s.spares, row.spares);
        EXPECT_EQ(s.spareChances, row.spareChances);
        EXPECT_EQ(s.splits, row.splits);
        EXPECT_EQ(s.splitsConverted, row.splitsConverted);
        EXPECT_EQ(s.openFrames, row.open);
        EXPECT_EQ(s.gutters, row.gutters);
        EXPECT_EQ(s.firstBallPins, row.firstPins);
        EXPECT_EQ(s.firstBalls, row.chances);
        EXPECT_EQ(s.firstBallCounts, row.counts);
        EXPECT_EQ(s.leaves.known, row.known);
        EXPECT_EQ(s.leaves.unknown, row.unknown);
        EXPECT_EQ(s.leaves.standing, row.standing);
    }
}

// The pin-leave map from the stored leaves, ten characters a fresh rack; a
// game whose leaves do not fit its record falls back to what it tells.
TEST(Statistics, LeavesFromTheStoredPins)
{
    const QString nines = QStringLiteral("9-").repeated(10), misses = QStringLiteral("-").repeated(20);
    const QString down = QStringLiteral("0000000000"), all = QStringLiteral("1111111111");
    const QString pin10 = QStringLiteral("0000000001"), pins7and10 = QStringLiteral("0000001001");
    // clang-format off
    const struct Row {
        const char *name;
        QString record, leaves;
        bool typed;
        int known, unknown;
        std::array<int, kPinsPerRack> standing;
    } rows[] = {
        {"rolled nines", nines, QStringLiteral("1000000000") + pin10.repeated(8) + QStringLiteral("0000001000"), false,
         10, 0, {1, 0, 0, 0, 0, 0, 1, 0, 0, 8}},
        {"a strike's leave is not counted", QStringLiteral("! ") + QStringLiteral("8-").repeated(9),
         down + QStringLiteral("0000000011").repeated(4) + pins7and10.repeated(5), false,
         9, 0, {0, 0, 0, 0, 0, 0, 5, 0, 4, 9}},
        {"typed eights: the split answer told apart", QStringLiteral("8-").repeated(10),
         pins7and10.repeated(3) + QStringLiteral("0000000011").repeated(7), true,
         10, 0, {0, 0, 0, 0, 0, 0, 3, 0, 7, 10}},
        {"one ball short: the record's", misses, down.repeated(9), false,
         10, 0, {10, 10, 10, 10, 10, 10, 10, 10, 10, 10}},
        {"a ball not in 0 and 1: the record's", misses, down.repeated(9) + QStringLiteral("000000000x"), false,
         10, 0, {1, 1, 1, 1, 1, 1, 1, 1, 1, 1}},
        {"none stored", nines, QString(), false, 0, 10, {}},
    };
    // clang-format on
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        HistoryGame game = historyGame("", "", 0, row.typed);
        game.record = row.record;
        game.marks = QString(row.record.size(), u' ');
        game.leaves = row.leaves;
        const Statistics s = computeStatistics({game}, true);
        EXPECT_EQ(s.leaves.known, row.known);
        EXPECT_EQ(s.leaves.unknown, row.unknown);
        EXPECT_EQ(s.leaves.standing, row.standing);
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

    const Statistics rolled = computeStatistics(games, false);
    EXPECT_EQ(rolled.games, 61);
    EXPECT_EQ(rolled.best, 60);
    EXPECT_EQ(rolled.bestIndex, 59);
    EXPECT_DOUBLE_EQ(rolled.average, (60 * 61 / 2 + 60) / 61.0);
    EXPECT_DOUBLE_EQ(rolled.averageRecentShort, 56.4);  // 52..60 and 60
    EXPECT_DOUBLE_EQ(rolled.averageRecentLong, 36.48);  // 12..60 and 60
    ASSERT_EQ(rolled.movingAverage.size(), 61);
    EXPECT_DOUBLE_EQ(rolled.movingAverage[0], 1.0);
    EXPECT_DOUBLE_EQ(rolled.movingAverage[3], 2.5);
    EXPECT_DOUBLE_EQ(rolled.movingAverage[9], 5.5);
    EXPECT_DOUBLE_EQ(rolled.movingAverage[10], 6.5);

    const Statistics all = computeStatistics(games, true);
    EXPECT_EQ(all.games, 62);
    EXPECT_EQ(all.best, 300);
    EXPECT_EQ(all.bestIndex, 30);
    EXPECT_EQ(all.totals[30], 300);

    const Statistics none = computeStatistics({}, true);
    EXPECT_EQ(none.games, 0);
    EXPECT_EQ(none.bestIndex, -1);
    EXPECT_EQ(none.average, 0.0);
    EXPECT_EQ(none.leaves.share(1), 0.0);
}

TEST(Statistics, CsvHasTheTableColumns)
{
    HistoryGame g = historyGame("! 9*", "  O ", 20, true);
    g.id = 7;
    g.endedAt = QDateTime::fromString(QStringLiteral("2026-12-07T18:05:09+09:00"), Qt::ISODate);
    HistoryGame odd = historyGame("a,\"b", "", 0);
    odd.id = 8;
    odd.imported = true;
    g.leaves = QStringLiteral("0000000000");
    EXPECT_EQ(historyCsv({g, odd}).toStdString(), "id,ended_at,record,marks,total,typed,imported,leaves\n"
                                                  "7,2026-12-07T18:05:09+09:00,! 9*,  O ,20,1,0,0000000000\n"
                                                  "8,,\"a,\"\"b\",,0,0,1,\n");
}

}  // namespace
