// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#pragma once
#include "game/loop.h"

class Dialogs;
class GameWindows;
class HighScores;
class HistoryRecorder;
class Presenter;
class Settings;
class WindowLoader;
class frmDenkou;
class frmLane;
class frmStart;

// What one pass of the main loop does in each state. Each branch runs to
// completion inside one pass; the pauses inside it keep events flowing, so a
// branch that pauses must leave a "game-over" request standing. Each is
// given only the parts it uses.

void StartDlgBranch(Game &game, frmStart &dialog);
void StartBranch(Game &game);
void GameOverBranch(Game &game, WindowLoader &windows);

void InitBranch(Game &game, WindowLoader &windows, Presenter &presenter, const Settings &settings);
void NextThrowBranch(Game &game, frmLane &lane, frmDenkou &board, Presenter &presenter);
void ThrowSBranch(Game &game, frmLane &lane, Presenter &presenter);
void ThrowTBranch(Game &game, frmLane &lane);
void ThrowEBranch(Game &game, WindowLoader &windows, Presenter &presenter, HighScores &highScores,
                  HistoryRecorder &history, const Dialogs &dialogs);

void Location1Branch(Game &game, frmLane &lane);
void Location2Branch(Game &game, frmLane &lane);
void Location3Branch(Game &game);
void Location4Branch(Game &game, frmLane &lane);

void DebugBranch(Game &game, frmLane &lane, const Dialogs &dialogs);

// Redraws the three aiming columns in their idle colours.
void ResetAimMarkers(frmLane &lane);

// Every state's branch, bound to the parts it uses.
BranchTable GameBranches(GameWindows &w);
