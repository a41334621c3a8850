// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#pragma once

class Game;
class Pacer;

// Pauses for at least `milliseconds` while window events keep being handled;
// returns at once, handling nothing, in debug mode, and early once the
// desktop session ends (Game::EndRequested). The wait blocks in the
// event dispatcher, so it costs no CPU while nothing happens.
void Wait(const Game &game, Pacer &pacer, int milliseconds);
