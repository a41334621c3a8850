// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "gameview/frmStart.h"

#include "desktop/pictures.h"

#include <QMouseEvent>
#include <QPainter>

frmStart::frmStart()
{
    setWindowIcon(programIcon());
    setClickAreas({kLabel1, kLabel2});
    face_ = pictureNamed("start");
    setFixedSize(kSize);
}

void frmStart::paintEvent(QPaintEvent *) { QPainter(this).drawPixmap(0, 0, face_); }

void frmStart::mousePressEvent(QMouseEvent *event)
{
    const QPoint at = event->position().toPoint();
    const Label label = kLabel1.contains(at) ? Label::S : kLabel2.contains(at) ? Label::E : Label::None;
    if (label != Label::None) {
        // A label is clicked by a left press and release on it.
        pressedLabel_ = event->button() == Qt::LeftButton ? label : Label::None;
        return;
    }
    Q_EMIT Form_MouseDown(event->button());
}

void frmStart::mouseReleaseEvent(QMouseEvent *event)
{
    const QPoint at = event->position().toPoint();
    const Label label = std::exchange(pressedLabel_, Label::None);
    if (event->button() != Qt::LeftButton)
        return;
    if (label == Label::S && kLabel1.contains(at))
        Q_EMIT Label1_Click();
    else if (label == Label::E && kLabel2.contains(at))
        Q_EMIT Label2_Click();
}
