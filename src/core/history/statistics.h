// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#pragma once
#include "history/dayfigures.h"
#include "history/historygame.h"
#include "history/leavetable.h"
#include "score/scorerecord.h"

#include <QVector>
#include <array>
#include <memory>

// How often each pin stood after a ball at a fresh rack that did not strike,
// over the balls whose leave is known: from the game's stored `leaves`, or
// where it has none, as far as the record tells (see knownLeave).
struct PinLeaves
{
    std::array<int, kPinsPerRack> standing{};  // [pin - 1]
    int known = 0;                             // balls counted
    int unknown = 0;                           // balls whose leave the record cannot tell

    // 0..1; 0 when no ball is known.
    double share(int pin) const { return known == 0 ? 0.0 : double(standing[pin - 1]) / known; }
};

// Every figure the statistics window shows, over one selection of games.
// A chance is a ball at a fresh rack for strikes, the ball after one that
// did not strike for spares. Gutter balls are first balls written "G"; a
// later ball in the gutter is written like any ball that felled nothing.
// Figures read from the balls count only games whose record and marks are
// as the game writes them (isWrittenGame); a row edited into anything else
// still counts by its total.
struct Statistics
{
    static constexpr int kRecentShort = 10;
    static constexpr int kRecentLong = 50;
    static constexpr int kMovingWindow = 10;

    int games = 0;
    double average = 0, averageRecentShort = 0, averageRecentLong = 0;
    int best = 0;
    int bestIndex = -1;  // into totals: the first game with the best total
    int firstBalls = 0, firstBallPins = 0;
    int strikes = 0, strikeChances = 0;
    int spares = 0, spareChances = 0;
    int splits = 0, splitsConverted = 0;
    int openFrames = 0;
    int gutters = 0;
    int singlePinSpares = 0, singlePinChances = 0;  // one pin left standing
    int multiPinSpares = 0, multiPinChances = 0;    // two or more, no split
    int cleanGames = 0;                             // every frame a strike or a spare
    int perfectGames = 0;
    StrikeRuns strikeRuns;                // longest over the games; turkeys added up
    int fillBalls = 0, fillBallPins = 0;  // the tenth frame's extra balls
    int unreadableGames = 0;              // counted by their total alone
    Series bestSeries;
    QVector<DayFigures> days;
    int bestDayIndex = -1;                                // into days
    QVector<LeaveRow> leaveRows;                          // after first balls that did not strike
    QVector<int> totals;                                  // oldest first
    QVector<double> movingAverage;                        // [i]: mean of totals i-9..i (fewer at the start)
    std::array<int, kPinsPerRack + 1> firstBallCounts{};  // [pins] over the fresh-rack balls
    PinLeaves leaves;

    double firstBallAverage() const { return firstBalls == 0 ? 0.0 : double(firstBallPins) / firstBalls; }
    double fillBallAverage() const { return fillBalls == 0 ? 0.0 : double(fillBallPins) / fillBalls; }
};

// The figures over the rolled games, and the typed-in ones too when
// `includeTyped`. Games imported from the high-score table count as rolled.
Statistics computeStatistics(const HistoryGames &games, bool includeTyped);

// Both selections at once, reading every game's record once: the rolled
// games, then every game.
std::pair<Statistics, Statistics> computeBothStatistics(const HistoryGames &games);

// The same, a game at a time in the history's order, so that a history read
// row by row need not be held whole.
class StatisticsBuilder
{
public:
    StatisticsBuilder();
    ~StatisticsBuilder();
    StatisticsBuilder(const StatisticsBuilder &) = delete;
    StatisticsBuilder &operator=(const StatisticsBuilder &) = delete;

    void add(const HistoryGame &game);
    // The rolled games' figures, then every game's.
    std::pair<Statistics, Statistics> finish();

private:
    struct Selections;
    std::unique_ptr<Selections> selections_;
};

// One header line with the table's column names, then one line per game, in
// the order given; fields that could hold a comma or a quote are quoted.
QString historyCsv(const HistoryGames &games);
