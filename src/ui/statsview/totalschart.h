// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#pragma once
#include "statsview/chartstyle.h"

#include <QStringList>
#include <QVector>
#include <QWidget>
#include <functional>

class QPainter;

// A series of values in order, every game's total by default (or each
// day's average), a moving average over them if given, and the best one
// marked.
class TotalsChart : public QWidget
{
    Q_OBJECT
public:
    explicit TotalsChart(QWidget *parent = nullptr);
    void setSeries(const QVector<double> &values, const QVector<double> &average, int bestIndex);
    // What the chart is of: the legend's captions (the series', then the
    // average's), the decimals the best value is written with, and the label
    // under point i (the game number i + 1 by default).
    void setMeaning(const QStringList &legend, int decimals, std::function<QString(int)> pointLabel);
    // The score axis: round steps from below the lowest total to above the
    // highest.
    chart::ValueAxis valueAxis() const;

protected:
    void paintEvent(QPaintEvent *) override;

private:
    void drawBest(QPainter &p, const QRectF &plot, const QPointF &best) const;
    void drawLegend(QPainter &p, const QRectF &plot) const;

    QVector<double> totals_;
    QVector<double> average_;
    int bestIndex_ = -1;
    QStringList legend_;
    int decimals_ = 0;
    std::function<QString(int)> pointLabel_;
    bool numbered_ = true;  // the points are game numbers
};
