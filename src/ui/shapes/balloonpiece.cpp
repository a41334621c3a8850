// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "shapes/balloonpiece.h"

#include <QPainter>

namespace {
constexpr int kDesignWidth = 120;  // twips, before the balloon sizes the piece
constexpr int kDesignHeight = 150;
}  // namespace

BalloonPiece::BalloonPiece(const QString &caption) : ShapedWindow(caption)
{
    resizeTwips(kDesignWidth, kDesignHeight);
}

void BalloonPiece::setPicture(const QPixmap &picture)
{
    picture_ = picture;
    update();
}

void BalloonPiece::paintEvent(QPaintEvent *) { QPainter(this).drawPixmap(0, 0, picture_); }
