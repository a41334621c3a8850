// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "statsview/pinleavemap.h"

#include <QPainter>
#include <algorithm>

namespace {
// Pin i + 1's place as bowlers draw the rack, from the foul line: the head
// pin at the front (bottom), the back row 7-8-9-10 from left to right (the
// pin board's triangle is this one mirrored); columns in half steps, rows
// from the back.
struct Place
{
    int halfColumn, row;
};
constexpr Place kPlaces[PinLeaveMap::kPins] = {
    {3, 3}, {2, 2}, {4, 2}, {1, 1}, {3, 1}, {5, 1}, {0, 0}, {2, 0}, {4, 0}, {6, 0},
};
constexpr int kHalfColumns = 6;  // from the leftmost centre to the rightmost, in half steps
constexpr int kRows = 4;
constexpr qreal kRowStep = 1.7;    // rows apart, in half-column steps
constexpr qreal kRadius = 0.9;     // in half-column steps: neighbours in a row stay apart
constexpr qreal kTextShare = 0.5;  // of the radius, the label's pixel size
constexpr int kSmallestText = 6;
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

// The triangle's outer size is kHalfColumns steps plus a diameter across and
// (kRows - 1) row steps plus a diameter down; the step is the largest that
// fits both, so the circles shrink with the widget rather than leave it.
QRectF PinLeaveMap::pinCircle(int pin) const
{
    const qreal across = kHalfColumns + 2 * kRadius;
    const qreal down = (kRows - 1) * kRowStep + 2 * kRadius;
    const qreal step = std::min(width() / across, height() / down);
    const QPointF origin((width() - step * across) / 2 + step * kRadius,
                         (height() - step * down) / 2 + step * kRadius);
    const Place &place = kPlaces[pin - 1];
    const QPointF centre = origin + QPointF(place.halfColumn * step, place.row * kRowStep * step);
    const qreal r = step * kRadius;
    return QRectF(centre.x() - r, centre.y() - r, 2 * r, 2 * r);
}

QFont PinLeaveMap::labelFont() const
{
    QFont f = font();
    f.setPixelSize(std::max(kSmallestText, int(pinCircle(1).height() / 2 * kTextShare)));
    return f;
}

QString PinLeaveMap::label(int pin) const
{
    if (!known_)
        return QString::number(pin);
    return QStringLiteral("%1\n%2%").arg(pin).arg(qRound(100 * std::clamp(shares_[pin - 1], 0.0, 1.0)));
}

void PinLeaveMap::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setFont(labelFont());
    for (int pin = 1; pin <= kPins; ++pin) {
        const QRectF circle = pinCircle(pin);
        const double share = std::clamp(shares_[pin - 1], 0.0, 1.0);
        p.setPen(QPen(Qt::darkGray, 1));
        p.setBrush(known_ ? blend(share) : kUnknown);
        p.drawEllipse(circle.adjusted(0.5, 0.5, -0.5, -0.5));
        p.setPen(known_ && share > kDarkTextFrom ? Qt::white : Qt::black);
        p.drawText(circle, Qt::AlignCenter, label(pin));
    }
}
