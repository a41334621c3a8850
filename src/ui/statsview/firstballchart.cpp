// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "statsview/firstballchart.h"

#include "statsview/chartstyle.h"

#include <QPainter>
#include <algorithm>
#include <numeric>

namespace {
constexpr qreal kBarShare = 0.7;  // of each bar's slot
constexpr int kPercentSteps = 4;  // grid lines
}  // namespace

FirstBallChart::FirstBallChart(QWidget *parent) : QWidget(parent) { setMinimumSize(240, 150); }

void FirstBallChart::setCounts(const QVector<int> &counts)
{
    counts_ = counts;
    update();
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
    const double top = double(*std::max_element(counts_.begin(), counts_.end())) / all;
    for (int i = 0; i <= kPercentSteps; ++i) {
        const double share = top * i / kPercentSteps;
        chart::drawValueLine(p, plot, plot.bottom() - plot.height() * i / kPercentSteps,
                             QStringLiteral("%1%").arg(qRound(100 * share)));
    }
    const qreal slot = plot.width() / counts_.size();
    for (int pins = 0; pins < counts_.size(); ++pins) {
        const double share = double(counts_[pins]) / all;
        const qreal h = top == 0 ? 0 : plot.height() * share / top;
        const QRectF bar(plot.left() + slot * (pins + (1 - kBarShare) / 2), plot.bottom() - h,
                         slot * kBarShare, h);
        p.fillRect(bar, chart::kBarColour);
        p.setPen(Qt::darkGray);
        p.drawText(QRectF(plot.left() + slot * pins, plot.bottom() + 2, slot, fontMetrics().height()),
                   Qt::AlignHCenter | Qt::AlignTop, QString::number(pins));
    }
}
