// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "statsview/chartstyle.h"

#include <QString>
#include <cmath>

namespace {
constexpr int kMargin = 6;
constexpr int kLabelGap = 4;
constexpr int kAxisTicks = 6;  // at most about this many game numbers
constexpr int kRoundSteps[] = {1,   2,    5,    10,   20,   25,    50,    100,   200,  250,
                               500, 1000, 2000, 2500, 5000, 10000, 20000, 25000, 50000};
}  // namespace

namespace chart {

ValueAxis roundAxis(int low, int high, int maxSteps, int minStep)
{
    ValueAxis axis;
    for (const int step : kRoundSteps) {
        if (step < minStep)
            continue;
        axis.step = step;
        axis.low = int(std::floor(double(low) / step)) * step;
        axis.high = std::max(axis.low + step, int(std::ceil(double(high) / step)) * step);
        if ((axis.high - axis.low) / step <= maxSteps)
            break;
    }
    return axis;
}

QRectF plotArea(const QRect &chart, const QFontMetrics &metrics)
{
    const int labelWidth = metrics.horizontalAdvance(QStringLiteral("300")) + kLabelGap;
    const int line = metrics.height();
    return QRectF(chart).adjusted(kMargin + labelWidth, kMargin + line, -kMargin - kLabelGap,
                                  -kMargin - line);
}

void drawValueLine(QPainter &p, const QRectF &plot, qreal y, const QString &label)
{
    p.setPen(kGridColour);
    p.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
    p.setPen(Qt::darkGray);
    const QRectF box(0, y - p.fontMetrics().height() / 2.0, plot.left() - kLabelGap,
                     p.fontMetrics().height());
    p.drawText(box, Qt::AlignRight | Qt::AlignVCenter, label);
}

void drawGameAxis(QPainter &p, const QRectF &plot, int games, const std::function<qreal(int)> &x)
{
    int step = kRoundSteps[0];
    for (int s : kRoundSteps) {
        step = s;
        if (games / s <= kAxisTicks)
            break;
    }
    p.setPen(Qt::darkGray);
    const qreal top = plot.bottom() + kLabelGap;
    for (int game = 1; game <= games; game = game == 1 && step > 1 ? step : game + step) {
        const QString label = QString::number(game);
        const qreal w = p.fontMetrics().horizontalAdvance(label);
        p.drawText(QRectF(x(game - 1) - w, top, 2 * w, p.fontMetrics().height()),
                   Qt::AlignHCenter | Qt::AlignTop, label);
    }
}

}  // namespace chart
