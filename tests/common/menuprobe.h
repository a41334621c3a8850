// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#pragma once
#include "gamewindows.h"

#include "game/game.h"

#include <QAction>

// The ticked ball colour: its index, -1 for none, -2 for more than one.
inline int checkedColour(const frmMenu &menu)
{
    int checked = -1;
    for (int i = 0; i < kBallColours; ++i)
        if (menu.colourTicked(i))
            checked = checked == -1 ? i : -2;
    return checked;
}

// Whether the ball drawn on the lane wears `colour`: the ball is the only
// thing that differs between the colours.
inline bool ballWears(GameWindows &w, int colour)
{
    Roll &roll = w.game().roll;
    roll.BallVisible = true;
    roll.BallDrawnLeft = 100;
    roll.BallDrawnTop = 10;
    frmLane &lane = w.loader().lane();
    const QImage shown = lane.grab().toImage();
    lane.setBallColour(colour);
    return shown == lane.grab().toImage();
}
