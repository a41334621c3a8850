// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#pragma once
#include <QHash>
#include <QWidget>

struct Statistics;
class QGridLayout;
class QLabel;
class FirstBallChart;
class TotalsChart;

// The statistics window's first page: the counts, every game's total and
// the first balls' pins.
class SummaryPage : public QWidget
{
    Q_OBJECT
public:
    explicit SummaryPage(QWidget *parent = nullptr);
    void showFigures(const Statistics &s);
    // The shown text of one count, by its name ("games", "average", …);
    // empty for an unknown name.
    QString countText(const QString &name) const;

private:
    void addCount(QGridLayout *grid, const char *name, const QString &caption);
    void setCount(const char *name, const QString &text);

    QHash<QString, QLabel *> values_;
    QHash<QString, QLabel *> captions_;
    TotalsChart *totals_;
    FirstBallChart *firstBalls_;
};
