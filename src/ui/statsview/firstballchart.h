// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#pragma once
#include "statsview/chartstyle.h"

#include <QVector>
#include <QWidget>

// How many balls at a fresh rack felled 0, 1, … 10 pins, one bar each.
class FirstBallChart : public QWidget
{
    Q_OBJECT
public:
    explicit FirstBallChart(QWidget *parent = nullptr);
    void setCounts(const QVector<int> &counts);
    // The percentage axis: round steps from 0 up to the highest bar.
    chart::ValueAxis valueAxis() const;

protected:
    void paintEvent(QPaintEvent *) override;

private:
    QVector<int> counts_;
};
