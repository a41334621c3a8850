// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "shapeview/balloonpiece.h"

#include "platform/twips.h"

#include <QPainter>

namespace {
constexpr QSize kDesignSize = fromTwips(QSize(120, 150));
}  // namespace

BalloonPiece::BalloonPiece(const QString &caption) : ShapedWindow(caption) { setFixedSize(kDesignSize); }

void BalloonPiece::setPicture(const QPixmap &picture)
{
    picture_ = picture;
    update();
}

void BalloonPiece::paintEvent(QPaintEvent *) { QPainter(this).drawPixmap(0, 0, picture_); }
