// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#pragma once
#include <QWidget>

struct Statistics;
class PinLeaveMap;
class QLabel;
class QTableWidget;

// The pins first balls left: the map of how often each pin stood, and every
// leave with how often it was left and converted, most frequent first.
class LeavesPage : public QWidget
{
    Q_OBJECT
public:
    enum Column { LeaveColumn, LeftColumn, ConvertedColumn, ShareColumn, kColumnCount };

    explicit LeavesPage(QWidget *parent = nullptr);
    void showFigures(const Statistics &s);
    QTableWidget *table() const { return table_; }

private:
    PinLeaveMap *map_;
    QLabel *note_;
    QTableWidget *table_;
};
