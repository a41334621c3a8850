// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
// The aiming states: one marker row per pass (every LoopDelay ms). A press or
// release is handled between passes, always after a step, so the position
// frozen for the throw is the one after the last step shown.

#include "branches.h"
#include "gamewindows.h"

#include "game/game.h"
#include "game/laneinput.h"
#include "lane/ballmotion.h"
#include "lane/lanemodel.h"

namespace {
// Passes in "location3" before the hook marker starts (about 250 ms held).
constexpr qint32 kHoldPassesBeforeHook = 4;

void drawAndStep(GameWindows &w, MarkerColumn column, qint16 &pos, qint16 &dir)
{
    w.lane().drawMarkers(AimingColumnLines(column, pos));
    StepAim(pos, dir);
}
}  // namespace

void ResetAimMarkers(GameWindows &w) { w.lane().drawMarkers(IdleMarkers()); }

void Location1Branch(GameWindows &w)
{
    Aim &aim = w.game().aim;
    drawAndStep(w, MarkerColumn::Start, aim.StartPos, aim.StartDir);
}

void Location2Branch(GameWindows &w)
{
    Aim &aim = w.game().aim;
    drawAndStep(w, MarkerColumn::Aim, aim.TargetPos, aim.TargetDir);
}

void Location3Branch(GameWindows &w)
{
    Game &game = w.game();
    game.aim.HoldCount = game.aim.HoldCount + 1;
    if (game.aim.HoldCount > kHoldPassesBeforeHook)
        game.advance(GameState::Location4);
    else
        game.aim.HookPos = kStraightHook;
}

void Location4Branch(GameWindows &w)
{
    Game &game = w.game();
    if (game.aim.ButtonHeld)
        drawAndStep(w, MarkerColumn::Hook, game.aim.HookPos, game.aim.HookDir);
    else
        game.advance(GameState::ThrowS);
}
