// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "game/loop.h"

#include "platform/pacer.h"

bool runPass(Game &game, Pacer &pacer, const BranchTable &branches)
{
    if (game.EndRequested)
        game.request(GameState::End);
    if (game.state() == GameState::End)
        return false;
    const qint64 t0 = pacer.GetTickCount();
    const GameState state = game.state();
    const auto &branch = branches[static_cast<std::size_t>(state)];
    if (branch)
        branch();
    pacer.processEventsUntil(t0 + game.LoopDelay);
    // Resting: nothing will happen until the player does something, so block
    // rather than pass again. Any event ends the rest; the next pass looks.
    if (!branch && game.state() == state)
        pacer.waitForEvent();
    return true;
}

void runLoop(Game &game, Pacer &pacer, const BranchTable &branches)
{
    while (runPass(game, pacer, branches)) {
    }
}
