// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#pragma once
#include "game/game.h"

#include <array>
#include <functional>

class Pacer;

// What one pass does in each state, indexed by GameState. A state without a
// branch ("start-wait", "end") runs nothing and the pass rests until an
// event arrives.
using BranchTable = std::array<std::function<void()>, kGameStates>;

// One pass: returns false without doing anything when the state is "end";
// otherwise runs the branch of the current state and then handles events
// until the pass has lasted LoopDelay ms (an idle pass goes on resting until
// an event arrives).
bool runPass(Game &game, Pacer &pacer, const BranchTable &branches);

// Passes until the state is "end".
void runLoop(Game &game, Pacer &pacer, const BranchTable &branches);
