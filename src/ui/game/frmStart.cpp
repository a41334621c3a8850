// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "game/frmStart.h"

#include "platform/pictures.h"

#include <QMouseEvent>
#include <QPainter>

const QRect frmStart::kLabel1 = TwipsToPixels(QRect(-15, 45, 360, 345));
const QRect frmStart::kLabel2 = TwipsToPixels(QRect(870, 45, 345, 345));

frmStart::frmStart()
{
    setWindowIcon(ProgramIcon());
    setClickAreas({kLabel1, kLabel2});
    face_ = Picture("start");
    resizeTwips(kWidthTwips, kHeightTwips);
}

void frmStart::paintEvent(QPaintEvent *) { QPainter(this).drawPixmap(0, 0, face_); }

void frmStart::mousePressEvent(QMouseEvent *event)
{
    const QPoint at = event->position().toPoint();
    const int label = kLabel1.contains(at) ? 1 : kLabel2.contains(at) ? 2 : 0;
    if (label != 0) {
        // A label is clicked by a left press and release on it.
        pressedLabel_ = event->button() == Qt::LeftButton ? label : 0;
        return;
    }
    emit Form_MouseDown(event->button());
}

void frmStart::mouseReleaseEvent(QMouseEvent *event)
{
    const QPoint at = event->position().toPoint();
    const int label = std::exchange(pressedLabel_, 0);
    if (event->button() != Qt::LeftButton)
        return;
    if (label == 1 && kLabel1.contains(at))
        emit Label1_Click();
    else if (label == 2 && kLabel2.contains(at))
        emit Label2_Click();
}
