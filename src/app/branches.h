// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#pragma once
#include "game/loop.h"

class GameWindows;

// What one pass of the main loop does in each state. Each branch runs to
// completion inside one pass; the pauses inside it keep events flowing, so a
// branch that pauses must leave a "game-over" request standing.

void StartDlgBranch(GameWindows &w);
void StartBranch(GameWindows &w);
void GameOverBranch(GameWindows &w);

void InitBranch(GameWindows &w);
void NextThrowBranch(GameWindows &w);
void ThrowSBranch(GameWindows &w);
void ThrowTBranch(GameWindows &w);
void ThrowEBranch(GameWindows &w);

void Location1Branch(GameWindows &w);
void Location2Branch(GameWindows &w);
void Location3Branch(GameWindows &w);
void Location4Branch(GameWindows &w);

void DebugBranch(GameWindows &w);

// Redraws the three aiming columns in their idle colours.
void ResetAimMarkers(GameWindows &w);

// Every state's branch, bound to the windows.
BranchTable GameBranches(GameWindows &w);
