// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#pragma once
#include <QDate>
#include <QVector>

// One game's total and the day it was played: the date of its stored end
// time, as the clock of the desktop it was played on showed it; invalid when
// the stored time is no time.
struct DatedTotal
{
    QDate date;
    int total = 0;
};

// The games of one day of play.
struct DayFigures
{
    QDate date;
    int games = 0;
    double average = 0;
};

// Every day that has a game, oldest first; games without a date are left out.
QVector<DayFigures> dailyFigures(const QVector<DatedTotal> &games);
// The day with the highest average (the first of equal ones); -1 for none.
int bestDay(const QVector<DayFigures> &days);

// Three games in a row, all on one day.
struct Series
{
    int total = 0;  // 0 when no day had three games in a row
    QDate date;
};
// The best three-game series among consecutive games, in the order given;
// a game without a date, or a change of date (midnight too), ends a row.
Series bestSeries(const QVector<DatedTotal> &games);
