// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "statsview/totalschart.h"

#include "statsview/chartstyle.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace {
constexpr int kMaxScoreSteps = 6;
constexpr int kMinScoreStep = 10;
constexpr int kLegendLine = 16;
constexpr int kDotLimit = 120;  // games beyond this are drawn as a line alone
}  // namespace

TotalsChart::TotalsChart(QWidget *parent)
    : QWidget(parent), legend_{tr("合計"), tr("10ゲームの移動平均")},
      pointLabel_([](int i) { return QString::number(i + 1); })
{
    setMinimumSize(320, 160);
}

void TotalsChart::setMeaning(const QStringList &legend, int decimals,
                             std::function<QString(int)> pointLabel)
{
    legend_ = legend;
    decimals_ = decimals;
    pointLabel_ = std::move(pointLabel);
    numbered_ = false;
    update();
}

void TotalsChart::setSeries(const QVector<double> &totals, const QVector<double> &average, int bestIndex)
{
    totals_ = totals;
    average_ = average;
    bestIndex_ = bestIndex;
    update();
}

chart::ValueAxis TotalsChart::valueAxis() const
{
    if (totals_.isEmpty())
        return {};
    const auto [lowest, highest] = std::minmax_element(totals_.begin(), totals_.end());
    return chart::roundAxis(int(std::floor(*lowest)), int(std::ceil(*highest)), kMaxScoreSteps,
                            kMinScoreStep);
}

void TotalsChart::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), palette().base());
    if (totals_.isEmpty())
        return;
    const chart::ValueAxis axis = valueAxis();
    const int yMin = axis.low, yMax = axis.high;
    const QRectF plot = chart::plotArea(rect(), fontMetrics());
    const int n = int(totals_.size());
    const auto x = [&](int i) {
        return n == 1 ? plot.center().x() : plot.left() + plot.width() * i / (n - 1);
    };
    const auto y = [&](double v) { return plot.bottom() - plot.height() * (v - yMin) / (yMax - yMin); };

    for (int v = yMin; v <= yMax; v += axis.step)
        chart::drawValueLine(p, plot, y(v), QString::number(v));
    chart::drawGameAxis(p, plot, n, x, pointLabel_, numbered_);

    // More games than pixel columns: each column shows the range of its
    // games' totals and the mean of their moving average, so that drawing
    // costs the same for a hundred thousand games as for a few hundred.
    const int columns = std::max(1, int(plot.width()));
    const bool banded = n > columns;
    QPainterPath totals, average;
    const int points = banded ? columns : n;
    for (int c = 0; c < points; ++c) {
        const int from = banded ? int(qint64(c) * n / columns) : c;
        const int to = banded ? int(qint64(c + 1) * n / columns) : c + 1;
        const auto [low, high] = std::minmax_element(totals_.begin() + from, totals_.begin() + to);
        double sum = 0;
        for (int i = from; i < to && !average_.isEmpty(); ++i)
            sum += average_.value(i);
        const qreal at = banded ? plot.left() + c : x(c);
        const QPointF a(at, y(sum / (to - from)));
        c == 0 ? average.moveTo(a) : average.lineTo(a);
        if (banded) {
            totals.moveTo(at, y(*low));
            totals.lineTo(at, y(*high) - 0.5);
        } else {
            c == 0 ? totals.moveTo(at, y(*high)) : totals.lineTo(at, y(*high));
        }
    }
    p.setPen(QPen(chart::kTotalsColour, banded ? 1.0 : 1.2));
    p.setRenderHint(QPainter::Antialiasing, !banded);
    p.drawPath(totals);
    p.setRenderHint(QPainter::Antialiasing);
    if (n <= kDotLimit) {
        p.setBrush(chart::kTotalsColour);
        for (int i = 0; i < n; ++i)
            p.drawEllipse(QPointF(x(i), y(totals_[i])), 2.2, 2.2);
    }
    p.setBrush(Qt::NoBrush);
    if (!average_.isEmpty()) {
        p.setPen(QPen(chart::kAverageColour, 2.5));
        p.drawPath(average);
    }

    if (bestIndex_ >= 0 && bestIndex_ < n)
        drawBest(p, plot, QPointF(x(bestIndex_), y(totals_[bestIndex_])));
    drawLegend(p, plot);
}

// The best game ringed, with its total above it, kept inside the plot.
void TotalsChart::drawBest(QPainter &p, const QRectF &plot, const QPointF &best) const
{
    p.setPen(QPen(chart::kBestColour, 2));
    p.drawEllipse(best, 5, 5);
    const QString text = tr("最高 %1").arg(totals_[bestIndex_], 0, 'f', decimals_);
    const qreal w = fontMetrics().horizontalAdvance(text);
    const qreal left = std::clamp(best.x() - w / 2, plot.left(), plot.right() - w);
    p.drawText(QPointF(left, std::max(best.y() - 8, plot.top() + fontMetrics().ascent())), text);
}

// The legend, above the plot at its right.
void TotalsChart::drawLegend(QPainter &p, const QRectF &plot) const
{
    const QColor colours[] = {chart::kTotalsColour, chart::kAverageColour};
    qreal right = plot.right();
    const qreal baseline = plot.top() - fontMetrics().descent() - 2;
    for (int i = int(std::min<qsizetype>(legend_.size(), std::size(colours))) - 1; i >= 0; --i) {
        const qreal w = fontMetrics().horizontalAdvance(legend_[i]);
        right -= w;
        p.setPen(palette().text().color());
        p.drawText(QPointF(right, baseline), legend_[i]);
        right -= kLegendLine + 4;
        p.setPen(QPen(colours[i], 2.5));
        const qreal mid = baseline - fontMetrics().ascent() / 2.0 + 1;
        p.drawLine(QPointF(right, mid), QPointF(right + kLegendLine, mid));
        right -= 14;
    }
}
