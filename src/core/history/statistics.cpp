// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "history/statistics.h"

#include "history/historyschema.h"
#include "history/rackstarts.h"
#include "score/recordcheck.h"

#include <QStringList>

#include <algorithm>
#include <numeric>

namespace {

double meanOfLast(const QVector<int> &totals, int count)
{
    const int n = std::min<int>(count, totals.size());
    if (n == 0)
        return 0;
    return std::accumulate(totals.end() - n, totals.end(), 0.0) / n;
}

// What one game's record tells, read once for both selections.
struct GameBalls
{
    bool written = false;
    QVector<RackStart> racks;
    int openFrames = 0;
    QVector<int> fillBalls;
    QVector<std::optional<PinSet>> storedLeaves;  // by rack
};

GameBalls readBalls(const HistoryGame &game)
{
    GameBalls balls;
    balls.written = isWrittenGame(game.record, game.marks);
    if (!balls.written)
        return balls;
    balls.racks = rackStarts(game.record, game.marks);
    balls.openFrames = countOpenFrames(game.record);
    balls.fillBalls = fillBalls(game.record);
    const int racks = int(balls.racks.size());
    balls.storedLeaves.reserve(racks);
    for (int i = 0; i < racks; ++i)
        balls.storedLeaves.append(storedLeave(game.leaves, racks, i));
    return balls;
}

// `stored`: the leave the game's `leaves` hold for this ball, if any.
void addRack(Statistics &s, LeaveTable &table, const RackStart &rack, bool typed,
             const std::optional<PinSet> &stored)
{
    ++s.strikeChances;
    ++s.firstBalls;
    s.firstBallPins += rack.felled;
    ++s.firstBallCounts[rack.felled];
    if (rack.gutter)
        ++s.gutters;
    if (rack.strike()) {
        ++s.strikes;
        return;
    }
    if (rack.second >= 0) {
        ++s.spareChances;
        if (rack.felled == kPinsPerRack - 1) {
            ++s.singlePinChances;
            s.singlePinSpares += rack.spare();
        } else if (!rack.split) {
            ++s.multiPinChances;
            s.multiPinSpares += rack.spare();
        }
    }
    s.spares += rack.spare();
    s.splits += rack.split;
    s.splitsConverted += rack.split && rack.spare();
    if (const auto leave = stored ? stored : knownLeave(rack, typed)) {
        ++s.leaves.known;
        for (int pin = 1; pin <= kPinsPerRack; ++pin)
            s.leaves.standing[pin - 1] += leave->test(pin - 1);
        table.add(*leave, rack.split, rack.spare());
    } else {
        ++s.leaves.unknown;
    }
}

// Gathers one selection's figures game by game.
class Gatherer
{
public:
    void add(const HistoryGame &game, const GameBalls &balls)
    {
        if (s_.totals.isEmpty() || game.total > s_.best) {
            s_.best = game.total;
            s_.bestIndex = int(s_.totals.size());
        }
        s_.totals.append(game.total);
        s_.movingAverage.append(meanOfLast(s_.totals, Statistics::kMovingWindow));
        dated_.append({game.endedAt.isValid() ? game.endedAt.date() : QDate(), game.total});
        if (!balls.written) {
            ++s_.unreadableGames;
            return;
        }
        s_.openFrames += balls.openFrames;
        s_.cleanGames += balls.openFrames == 0;
        const StrikeRuns runs = strikeRuns(balls.racks);
        s_.strikeRuns.longest = std::max(s_.strikeRuns.longest, runs.longest);
        s_.strikeRuns.turkeys += runs.turkeys;
        s_.perfectGames += runs.longest == kPerfectStrikes;
        s_.fillBalls += int(balls.fillBalls.size());
        s_.fillBallPins += std::accumulate(balls.fillBalls.begin(), balls.fillBalls.end(), 0);
        for (int i = 0; i < balls.racks.size(); ++i)
            addRack(s_, leaveTable_, balls.racks[i], game.typed, balls.storedLeaves[i]);
    }

    Statistics finish()
    {
        s_.games = int(s_.totals.size());
        s_.average = meanOfLast(s_.totals, s_.games);
        s_.averageRecentShort = meanOfLast(s_.totals, Statistics::kRecentShort);
        s_.averageRecentLong = meanOfLast(s_.totals, Statistics::kRecentLong);
        s_.bestSeries = bestSeries(dated_);
        s_.days = dailyFigures(dated_);
        s_.bestDayIndex = bestDay(s_.days);
        s_.leaveRows = leaveTable_.rows();
        return std::move(s_);
    }

private:
    static constexpr int kPerfectStrikes = 12;
    Statistics s_;
    LeaveTable leaveTable_;
    QVector<DatedTotal> dated_;
};

QString csvField(const QString &text)
{
    if (!text.contains(u',') && !text.contains(u'"') && !text.contains(u'\n'))
        return text;
    QString quoted = text;
    return u'"' + quoted.replace(u'"', QStringLiteral("\"\"")) + u'"';
}

}  // namespace

struct StatisticsBuilder::Selections
{
    Gatherer rolled, all;
};

StatisticsBuilder::StatisticsBuilder() : selections_(std::make_unique<Selections>()) {}

StatisticsBuilder::~StatisticsBuilder() = default;

void StatisticsBuilder::add(const HistoryGame &game)
{
    const GameBalls balls = readBalls(game);
    if (!game.typed)
        selections_->rolled.add(game, balls);
    selections_->all.add(game, balls);
}

std::pair<Statistics, Statistics> StatisticsBuilder::finish()
{
    return {selections_->rolled.finish(), selections_->all.finish()};
}

std::pair<Statistics, Statistics> computeBothStatistics(const HistoryGames &games)
{
    StatisticsBuilder builder;
    for (const HistoryGame &game : games)
        builder.add(game);
    return builder.finish();
}

Statistics computeStatistics(const HistoryGames &games, bool includeTyped)
{
    auto [rolled, all] = computeBothStatistics(games);
    return includeTyped ? std::move(all) : std::move(rolled);
}

QString historyCsv(const HistoryGames &games)
{
    QString csv = QStringLiteral("id,ended_at,record,marks,total,typed,imported,leaves\n");
    for (const HistoryGame &g : games) {
        const QStringList fields = {QString::number(g.id),
                                    g.endedAt.isValid() ? historyTimeText(g.endedAt) : QString(),
                                    csvField(g.record),
                                    csvField(g.marks),
                                    QString::number(g.total),
                                    QString::number(int(g.typed)),
                                    QString::number(int(g.imported)),
                                    g.leaves};
        csv += fields.join(u',') + u'\n';
    }
    return csv;
}
