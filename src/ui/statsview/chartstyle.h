// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#pragma once
#include <QColor>
#include <QFontMetrics>
#include <QPainter>
#include <QRectF>
#include <functional>

// What the statistics window's charts share: colours, the plot area inside
// a chart's margins, and the axes.
namespace chart {
constexpr QColor kTotalsColour(70, 130, 200);
constexpr QColor kAverageColour(235, 125, 35);
constexpr QColor kBestColour(205, 30, 40);
constexpr QColor kBarColour(70, 130, 200);
constexpr QColor kGridColour(220, 220, 220);

// A value axis from `low` to `high` with a grid line every `step`.
struct ValueAxis
{
    int low = 0, high = 1, step = 1;
};
// The axis over the values low..high in round steps (1, 2, 5, 10, 20, 25,
// 50 …, at least `minStep`): the smallest step that needs at most `maxSteps`
// of them once both ends are moved out to multiples of it.
ValueAxis roundAxis(int low, int high, int maxSteps, int minStep);

// The chart's rectangle less room for the value labels at the left, a line
// of text above (titles, legend) and one below (the game or pin axis).
QRectF plotArea(const QRect &chart, const QFontMetrics &metrics);
// A horizontal grid line at `y` with its value at the left.
void drawValueLine(QPainter &p, const QRectF &plot, qreal y, const QString &label);
// Labels under the plot at a few points a round step apart; x(i) places
// point i, label(i) names it. Numbered points (games) are labelled 1, then
// at every multiple of the step; named ones (days) from the first on.
void drawGameAxis(QPainter &p, const QRectF &plot, int games, const std::function<qreal(int)> &x,
                  const std::function<QString(int)> &label, bool numbered);
}  // namespace chart
