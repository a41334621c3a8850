// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "statsview/firstballchart.h"

#include "statsview/chartstyle.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <numeric>

namespace {
constexpr qreal kBarShare = 0.7;  // of each bar's slot
constexpr int kMaxPercentSteps = 6;
constexpr int kMinPercentStep = 5;
constexpr int kPercent = 100;
}  // namespace

FirstBallChart::FirstBallChart(QWidget *parent) : QWidget(parent) { setMinimumSize(240, 150); }

void FirstBallChart::setCounts(const QVector<int> &counts)
{
    counts_ = counts;
    update();
}

chart::ValueAxis FirstBallChart::valueAxis() const
{
    const int all = std::accumulate(counts_.begin(), counts_.end(), 0);
    const int most = counts_.isEmpty() ? 0 : *std::max_element(counts_.begin(), counts_.end());
    const int topPercent = all == 0 ? 0 : int(std::ceil(double(kPercent) * most / all));
    return chart::roundAxis(0, topPercent, kMaxPercentSteps, kMinPercentStep);
}

void FirstBallChart::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), palette().base());
    const int all = std::accumulate(counts_.begin(), counts_.end(), 0);
    if (all == 0)
        return;
    const QRectF plot = chart::plotArea(rect(), fontMetrics());
    p.setPen(palette().text().color());
    p.drawText(QRectF(plot.left(), 0, plot.width(), plot.top()), Qt::AlignLeft | Qt::AlignVCenter,
               tr("第1投で倒したピン数"));
    const chart::ValueAxis axis = valueAxis();
    for (int percent = axis.low; percent <= axis.high; percent += axis.step)
        chart::drawValueLine(p, plot, plot.bottom() - plot.height() * percent / axis.high,
                             QStringLiteral("%1%").arg(percent));
    const qreal slot = plot.width() / counts_.size();
    for (int pins = 0; pins < counts_.size(); ++pins) {
        const double share = double(counts_[pins]) / all;
        const qreal h = plot.height() * kPercent * share / axis.high;
        const QRectF bar(plot.left() + slot * (pins + (1 - kBarShare) / 2), plot.bottom() - h,
                         slot * kBarShare, h);
        p.fillRect(bar, chart::kBarColour);
        p.setPen(Qt::darkGray);
        p.drawText(QRectF(plot.left() + slot * pins, plot.bottom() + 2, slot, fontMetrics().height()),
                   Qt::AlignHCenter | Qt::AlignTop, QString::number(pins));
    }
}
