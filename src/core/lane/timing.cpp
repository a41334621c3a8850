// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "lane/timing.h"

#include "game/game.h"
#include "platform/pacer.h"

void Wait(const Game &game, Pacer &pacer, int milliseconds)
{
    if (game.DebugMode)
        return;
    pacer.ProcessEventsUntil(pacer.GetTickCount() + milliseconds);
}
