// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#pragma once
#include "statsview/chartstyle.h"

#include <QVector>
#include <QWidget>

class QPainter;

// Every game's total in order, the moving average over them, and the best
// game marked.
class TotalsChart : public QWidget
{
    Q_OBJECT
public:
    explicit TotalsChart(QWidget *parent = nullptr);
    void setSeries(const QVector<int> &totals, const QVector<double> &average, int bestIndex);
    // The score axis: round steps from below the lowest total to above the
    // highest.
    chart::ValueAxis valueAxis() const;

protected:
    void paintEvent(QPaintEvent *) override;

private:
    void drawBest(QPainter &p, const QRectF &plot, const QPointF &best) const;
    void drawLegend(QPainter &p, const QRectF &plot) const;

    QVector<int> totals_;
    QVector<double> average_;
    int bestIndex_ = -1;
};
