// The aiming states: one marker row per pass (every LoopDelay ms). A press or
// release is handled between passes, always after a step, so the position
// frozen for the throw is the one after the last step shown.

#include "game/branches.h"
#include "game/frmLane.h"
#include "game/gamevars.h"
#include "game/rules.h"
#include "lane/ballmotion.h"
#include "lane/lanemodel.h"

namespace {
// Passes in "location3" before the hook marker starts (about 250 ms held).
constexpr qint32 kHoldPassesBeforeHook = 4;

void drawAndStep(MarkerColumn column, qint16 &pos, qint16 &dir)
{
    LaneWindow()->drawMarkers(AimingColumnLines(column, pos));
    StepAim(pos, dir);
}
}  // namespace

void ResetAimMarkers() { LaneWindow()->drawMarkers(IdleMarkers()); }

void Location1Branch() { drawAndStep(MarkerColumn::Start, StartPos, StartDir); }

void Location2Branch() { drawAndStep(MarkerColumn::Aim, TargetPos, TargetDir); }

void Location3Branch()
{
    HoldCount = HoldCount + 1;
    if (HoldCount > kHoldPassesBeforeHook)
        GameState = State::Location4;
    else
        HookPos = kStraightHook;
}

void Location4Branch()
{
    if (ButtonHeld == kTrue)
        drawAndStep(MarkerColumn::Hook, HookPos, HookDir);
    else
        GameState = State::ThrowS;
}
