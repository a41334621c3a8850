// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "lane/timing.h"

#include "game/game.h"
#include "platform/pacer.h"

namespace {
// A wait looks this often whether the session is ending, so that a long
// pause cannot hold up the end.
constexpr qint64 kEndCheckMs = 100;
}  // namespace

void Wait(const Game &game, Pacer &pacer, int milliseconds)
{
    if (game.DebugMode)
        return;
    const qint64 deadline = pacer.GetTickCount() + milliseconds;
    do {
        pacer.processEventsUntil(qMin(deadline, pacer.GetTickCount() + kEndCheckMs));
    } while (!game.EndRequested && pacer.GetTickCount() < deadline);
}
