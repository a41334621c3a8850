// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
// How the loop's state changes. A branch moves the loop on to one of its own
// next states; a window handler or menu command requests a state, which the
// loop takes up at its next pass. A "game-over" requested while a branch
// waits stands against the branch's own next state (moveOn).

#include "game/game.h"

void Game::request(GameState next) { state_ = next; }

void Game::advance(GameState next) { state_ = next; }

void Game::moveOn(GameState next)
{
    if (state_ != GameState::GameOver)
        advance(next);
}
