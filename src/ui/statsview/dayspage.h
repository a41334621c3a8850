// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#pragma once
#include <QWidget>

struct Statistics;
class QTableWidget;
class TotalsChart;

// Each day of play: a chart of the days' averages drawn as the totals are,
// the best day marked, and a table of every day with its games, newest
// first.
class DaysPage : public QWidget
{
    Q_OBJECT
public:
    enum Column { DateColumn, GamesColumn, AverageColumn, kColumnCount };

    explicit DaysPage(QWidget *parent = nullptr);
    void showFigures(const Statistics &s);
    QTableWidget *table() const { return table_; }

private:
    TotalsChart *chart_;
    QTableWidget *table_;
    QVector<QDate> dates_;  // the chart's points
};
