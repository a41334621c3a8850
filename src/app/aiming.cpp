// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
// The aiming states: one marker row per pass (every LoopDelay ms). A press or
// release is handled between passes, always after a step, so the position
// frozen for the throw is the one after the last step shown.

#include "branches.h"

#include "game/game.h"
#include "game/laneinput.h"
#include "gameview/frmLane.h"
#include "lane/ballmotion.h"
#include "lane/lanemodel.h"

namespace {
// Passes in "location3" before the hook marker starts (about 250 ms held).
constexpr qint32 kHoldPassesBeforeHook = 4;

void drawAndStep(frmLane &lane, MarkerColumn column, qint16 &pos, qint16 &dir)
{
    lane.drawMarkers(aimingColumnLines(column, pos));
    stepAim(pos, dir);
}
}  // namespace

void ResetAimMarkers(frmLane &lane) { lane.drawMarkers(idleMarkers()); }

void location1Branch(Game &game, frmLane &lane)
{
    drawAndStep(lane, MarkerColumn::Start, game.aim.StartPos, game.aim.StartDir);
}

void location2Branch(Game &game, frmLane &lane)
{
    drawAndStep(lane, MarkerColumn::Aim, game.aim.TargetPos, game.aim.TargetDir);
}

void location3Branch(Game &game)
{
    game.aim.HoldCount = game.aim.HoldCount + 1;
    if (game.aim.HoldCount > kHoldPassesBeforeHook)
        game.advance(GameState::Location4);
    else
        game.aim.HookPos = kStraightHook;
}

void location4Branch(Game &game, frmLane &lane)
{
    if (game.aim.ButtonHeld)
        drawAndStep(lane, MarkerColumn::Hook, game.aim.HookPos, game.aim.HookDir);
    else
        game.advance(GameState::ThrowS);
}
