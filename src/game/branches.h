#pragma once
#include "game/loop.h"

// What one pass of the main loop does in each state. Each branch runs to
// completion inside one pass; the pauses inside it keep events flowing.

void StartDlgBranch();
void StartBranch();
void GameOverBranch();

void InitBranch();
void NextThrowBranch();
void ThrowSBranch();
void ThrowTBranch();
void ThrowEBranch();

void Location1Branch();
void Location2Branch();
void Location3Branch();
void Location4Branch();

void DebugBranch();

// Redraws the three aiming columns in their idle colours.
void ResetAimMarkers();

// The branches in the loop's dispatch order.
BranchTable GameBranches();
