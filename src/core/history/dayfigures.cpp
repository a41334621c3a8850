// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "history/dayfigures.h"

#include <QMap>

namespace {
constexpr int kSeriesGames = 3;
}

QVector<DayFigures> dailyFigures(const QVector<DatedTotal> &games)
{
    QMap<QDate, std::pair<int, qint64>> byDay;  // games, pins
    for (const DatedTotal &g : games) {
        if (!g.date.isValid())
            continue;
        auto &day = byDay[g.date];
        ++day.first;
        day.second += g.total;
    }
    QVector<DayFigures> days;
    days.reserve(byDay.size());
    for (auto it = byDay.cbegin(); it != byDay.cend(); ++it)
        days.append({it.key(), it->first, double(it->second) / it->first});
    return days;
}

int bestDay(const QVector<DayFigures> &days)
{
    int best = -1;
    for (int i = 0; i < days.size(); ++i)
        if (best < 0 || days[i].average > days[best].average)
            best = i;
    return best;
}

Series bestSeries(const QVector<DatedTotal> &games)
{
    Series best;
    for (int i = 0; i + kSeriesGames <= games.size(); ++i) {
        const QDate date = games[i].date;
        int total = 0;
        bool oneDay = date.isValid();
        for (int j = i; j < i + kSeriesGames && oneDay; ++j) {
            oneDay = games[j].date == date;
            total += games[j].total;
        }
        if (oneDay && (best.date.isNull() || total > best.total))
            best = {total, date};
    }
    return best;
}
