// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "game/laneinput.h"

#include "game/game.h"
#include "lane/lanemodel.h"

bool throwButtonDown(Game &game, bool rightButton)
{
    if (game.BalloonBusy)
        return false;
    if (rightButton)
        return true;
    if (game.state() == GameState::Location1) {
        game.request(GameState::Location2);
    } else if (game.state() == GameState::Location2) {
        game.aim.ButtonHeld = true;
        game.request(GameState::Location3);
    }
    return false;
}

void throwButtonUp(Game &game, bool rightButton)
{
    if (game.BalloonBusy)
        return;
    game.aim.ButtonHeld = false;
    if (!rightButton && game.state() == GameState::Location3)
        game.request(GameState::ThrowS);
}

bool scoreButtonToggles(const Game &game, bool leftButton) { return !game.BalloonBusy && leftButton; }

void stepAim(qint16 &pos, qint16 &dir)
{
    pos = static_cast<qint16>(pos + dir);
    if (pos > kMarkerRows - 1 || pos < 0)
        dir = static_cast<qint16>(-dir);
}
