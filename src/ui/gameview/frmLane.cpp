// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "gameview/frmLane.h"

#include "desktop/linepixels.h"
#include "desktop/pictures.h"
#include "game/ballcolour.h"
#include "game/game.h"
#include "lane/pinmodel.h"

#include <QMouseEvent>
#include <QPainter>
#include <cmath>

namespace {
constexpr const char *kBallPictures[kBallColours] = {"ball0", "ball1", "ball2", "ball3", "ball4"};
}  // namespace

frmLane::frmLane(const Game &game) : game_(game)
{
    setFixedSize(kSize);
    setClickAreas({kCtrlButton, kCtrlScore});
    pin_ = pictureNamed("pin");
    setBallColour(0);
    moveToScreenCorner();
}

// The drawing is kept at the screen's pixel density; the picture is scaled
// into it nearest-neighbour, so every art pixel stays a square.
void frmLane::setLanePicture(const QPixmap &picture)
{
    const qreal ratio = devicePixelRatioF();
    drawing_ = QPixmap((picture.isNull() ? QSize(kLaneInnerWidth, kLaneInnerHeight) : picture.size()) *
                       ratio);
    drawing_.setDevicePixelRatio(ratio);
    drawing_.fill(Qt::black);
    QPainter(&drawing_).drawPixmap(0, 0, picture);
    for (const MarkerLine &line : markers_)
        paintMarker(line);
    update();
}

void frmLane::setBallColour(int colour)
{
    if (colour < 0 || colour >= kBallColours)
        colour = 0;
    ball_ = pictureNamed(kBallPictures[colour]);
    update();
}

void frmLane::drawMarker(const MarkerLine &line)
{
    for (MarkerLine &stood : markers_)
        if (stood.x1 == line.x1 && stood.y1 == line.y1 && stood.x2 == line.x2 && stood.y2 == line.y2)
            stood.colour = line.colour;
    paintMarker(line);
}

void frmLane::paintMarker(const MarkerLine &line)
{
    if (drawing_.isNull())
        return;
    // Markers are horizontal, one window pixel high at every scale.
    QPainter(&drawing_).fillRect(linePixels(QLine(line.x1, line.y1, line.x2, line.y1)),
                                 QColor(line.colour.red, line.colour.green, line.colour.blue));
}

void frmLane::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.drawPixmap(0, 0, drawing_);
    for (int i = 0; i < kPinImageCount; ++i)
        if (game_.rack.PinVisible[i])
            p.drawPixmap(kPinImages[i].left, kPinImages[i].top, pin_);
    const Roll &roll = game_.roll;
    const auto centre = ballCentreRow(roll);
    if (roll.BallVisible && centre)
        p.drawPixmap(static_cast<int>(std::floor(roll.BallDrawnLeft)), *centre - kBallSize / 2, ball_);
}

void frmLane::mousePressEvent(QMouseEvent *event)
{
    const QPoint at = event->position().toPoint();
    if (event->buttons() == event->button())
        pressOnButton_ = kCtrlButton.contains(at);
    if (kCtrlButton.contains(at))
        Q_EMIT CtrlButton_MouseDown(event->button());
    else if (kCtrlScore.contains(at))
        Q_EMIT CtrlScore_MouseDown(event->button());
}

void frmLane::mouseReleaseEvent(QMouseEvent *event)
{
    // The button keeps the mouse from its press: the release counts wherever
    // the pointer is by then.
    if (pressOnButton_ || kCtrlButton.contains(event->position().toPoint()))
        Q_EMIT CtrlButton_MouseUp(event->button());
    if (event->buttons() == Qt::NoButton)
        pressOnButton_ = false;
}
