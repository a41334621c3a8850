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
class SoundEffects;
class WindowLoader;
class frmDenkou;
class frmLane;
class frmStart;

// What one pass of the main loop does in each state. Each branch runs to
// completion inside one pass; the pauses inside it keep events flowing, so a
// branch that pauses must leave a "game-over" request standing. Each is
// given only the parts it uses.

void startDlgBranch(Game &game, frmStart &dialog);
void startBranch(Game &game);
void gameOverBranch(Game &game, WindowLoader &windows, SoundEffects &sound);

void initBranch(Game &game, WindowLoader &windows, Presenter &presenter, const Settings &settings);
void nextThrowBranch(Game &game, frmLane &lane, frmDenkou &board, Presenter &presenter);
void throwSBranch(Game &game, frmLane &lane, Presenter &presenter, SoundEffects &sound);
void throwTBranch(Game &game, frmLane &lane, SoundEffects &sound);
void throwEBranch(Game &game, WindowLoader &windows, Presenter &presenter, HighScores &highScores,
                  HistoryRecorder &history, const Dialogs &dialogs, SoundEffects &sound);

void location1Branch(Game &game, frmLane &lane);
void location2Branch(Game &game, frmLane &lane);
void location3Branch(Game &game);
void location4Branch(Game &game, frmLane &lane);

void debugBranch(Game &game, frmLane &lane, const Dialogs &dialogs);

// Redraws the three aiming columns in their idle colours.
void ResetAimMarkers(frmLane &lane);

// Every state's branch, bound to the parts it uses.
BranchTable gameBranches(GameWindows &w);
