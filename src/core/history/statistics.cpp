// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "history/statistics.h"

#include "history/historyschema.h"
#include "history/rackstarts.h"

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

// `stored`: the leave the game's `leaves` hold for this ball, if any.
void addRack(Statistics &s, const RackStart &rack, bool typed, const std::optional<PinSet> &stored)
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
    if (rack.second >= 0)
        ++s.spareChances;
    s.spares += rack.spare();
    s.splits += rack.split;
    s.splitsConverted += rack.split && rack.spare();
    if (const auto leave = stored ? stored : knownLeave(rack, typed)) {
        ++s.leaves.known;
        for (int pin = 1; pin <= kPinsPerRack; ++pin)
            s.leaves.standing[pin - 1] += leave->test(pin - 1);
    } else {
        ++s.leaves.unknown;
    }
}

QString csvField(const QString &text)
{
    if (!text.contains(u',') && !text.contains(u'"') && !text.contains(u'\n'))
        return text;
    QString quoted = text;
    return u'"' + quoted.replace(u'"', QStringLiteral("\"\"")) + u'"';
}

}  // namespace

Statistics computeStatistics(const HistoryGames &games, bool includeTyped)
{
    Statistics s;
    for (const HistoryGame &game : games) {
        if (game.typed && !includeTyped)
            continue;
        if (s.totals.isEmpty() || game.total > s.best) {
            s.best = game.total;
            s.bestIndex = int(s.totals.size());
        }
        s.totals.append(game.total);
        s.movingAverage.append(meanOfLast(s.totals, Statistics::kMovingWindow));
        s.openFrames += countOpenFrames(game.record);
        const QVector<RackStart> racks = rackStarts(game.record, game.marks);
        for (int i = 0; i < racks.size(); ++i)
            addRack(s, racks[i], game.typed, storedLeave(game.leaves, int(racks.size()), i));
    }
    s.games = int(s.totals.size());
    s.average = meanOfLast(s.totals, s.games);
    s.averageRecentShort = meanOfLast(s.totals, Statistics::kRecentShort);
    s.averageRecentLong = meanOfLast(s.totals, Statistics::kRecentLong);
    return s;
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
