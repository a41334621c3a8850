// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#pragma once
#include "shapeview/shapedwindow.h"

#include <QPixmap>

// A frameless end piece of the balloon: one picture, cut to shape by its
// region. Its design size holds until the balloon sizes it.
class BalloonPiece : public ShapedWindow
{
public:
    explicit BalloonPiece(const QString &caption);
    void setPicture(const QPixmap &picture);

protected:
    void paintEvent(QPaintEvent *) override;

private:
    QPixmap picture_;
};
