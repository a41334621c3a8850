// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#pragma once
#include "shapeview/balloonpiece.h"

// Right end piece of the message balloon.
class frmR : public BalloonPiece
{
public:
    frmR() : BalloonPiece(QStringLiteral("RIGHT")) {}
};
