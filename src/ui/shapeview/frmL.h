// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#pragma once
#include "shapeview/balloonpiece.h"

// Left end piece of the message balloon.
class frmL : public BalloonPiece
{
public:
    frmL() : BalloonPiece(QStringLiteral("LEFT")) {}
};
