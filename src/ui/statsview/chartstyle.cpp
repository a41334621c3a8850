// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "statsview/chartstyle.h"

#include <QString>
#include <algorithm>
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

void drawGameAxis(QPainter &p, const QRectF &plot, int games, const std::function<qreal(int)> &x,
                  const std::function<QString(int)> &label, bool numbered)
{
    const QFontMetrics metrics = p.fontMetrics();
    const qreal widest = metrics.horizontalAdvance(label(games - 1)) + kLabelGap * 2;
    const qreal pointWidth = games > 1 ? plot.width() / (games - 1) : plot.width();
    int step = kRoundSteps[0];
    for (int s : kRoundSteps) {
        step = s;
        if (games / s <= kAxisTicks && s * pointWidth >= widest)
            break;
    }
    p.setPen(Qt::darkGray);
    const qreal top = plot.bottom() + kLabelGap;
    const qreal right = p.device()->width();
    qreal freeFrom = 0;  // labels never overlap: one that would is left out
    for (int game = 1; game <= games; game = numbered && game == 1 && step > 1 ? step : game + step) {
        const QString text = label(game - 1);
        const qreal w = metrics.horizontalAdvance(text);
        const qreal left = std::clamp(x(game - 1) - w / 2, 0.0, right - w);
        if (left < freeFrom)
            continue;
        p.drawText(QRectF(left, top, w, metrics.height()), Qt::AlignHCenter | Qt::AlignTop, text);
        freeFrom = left + w + kLabelGap * 2;
    }
}

}  // namespace chart
