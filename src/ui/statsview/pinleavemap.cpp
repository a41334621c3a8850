// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "statsview/pinleavemap.h"

#include <QPainter>
#include <algorithm>

namespace {
// Pin i + 1's place as on the pin board: the head pin at the bottom, pin 10
// top left; columns in half steps, rows from the back.
struct Place
{
    int halfColumn, row;
};
constexpr Place kPlaces[PinLeaveMap::kPins] = {
    {3, 3}, {4, 2}, {2, 2}, {5, 1}, {3, 1}, {1, 1}, {6, 0}, {4, 0}, {2, 0}, {0, 0},
};
constexpr int kHalfColumns = 7;
constexpr int kRows = 4;
constexpr QColor kNever(240, 240, 235);
constexpr QColor kAlways(200, 30, 40);
constexpr QColor kUnknown(215, 215, 215);
constexpr double kDarkTextFrom = 0.55;  // shares above this get white text

QColor blend(double share)
{
    const auto mix = [share](int a, int b) { return int(a + (b - a) * share); };
    return QColor(mix(kNever.red(), kAlways.red()), mix(kNever.green(), kAlways.green()),
                  mix(kNever.blue(), kAlways.blue()));
}
}  // namespace

PinLeaveMap::PinLeaveMap(QWidget *parent) : QWidget(parent) { setMinimumSize(200, 150); }

void PinLeaveMap::setShares(const std::array<double, kPins> &shares, bool known)
{
    shares_ = shares;
    known_ = known;
    update();
}

void PinLeaveMap::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal step = std::min(width() / qreal(kHalfColumns + 1), height() / qreal(kRows) / 1.7);
    const qreal radius = step * 0.9;
    const QPointF origin((width() - step * kHalfColumns) / 2, (height() - step * 1.7 * (kRows - 1)) / 2);
    QFont font = p.font();
    font.setPixelSize(std::max(8, int(radius * 0.55)));
    p.setFont(font);
    for (int i = 0; i < kPins; ++i) {
        const QPointF centre = origin + QPointF(kPlaces[i].halfColumn * step, kPlaces[i].row * step * 1.7);
        const double share = std::clamp(shares_[i], 0.0, 1.0);
        p.setPen(QPen(Qt::darkGray, 1));
        p.setBrush(known_ ? blend(share) : kUnknown);
        p.drawEllipse(centre, radius, radius);
        p.setPen(known_ && share > kDarkTextFrom ? Qt::white : Qt::black);
        const QString text = known_ ? QStringLiteral("%1%").arg(qRound(100 * share))
                                    : QString::number(i + 1);
        p.drawText(QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius),
                   Qt::AlignCenter, text);
    }
}
