// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "lane/ballmotion.h"

#include "game/game.h"
#include "lane/lanemodel.h"
#include "lane/pinmodel.h"
#include "platform/numparse.h"

#include <algorithm>

namespace {

// Past this x (top-left corner) the ball has left the end of the lane.
constexpr int kLastBallX = kLaneInnerWidth - kBallSize;
// The ball's top may lie anywhere from the top edge down to this y.
constexpr float kLastBallY = static_cast<float>(kLaneInnerHeight - kBallSize);

bool leadsRow(int pin)
{
    const int r = rowIndexOf(pin);
    return r >= 0 && kRows[r].lead == pin;
}

// After the back row NextPin moves on to pin 10, which leads no row, so the
// back row runs only once although the ball is still over its column in the
// following step.
int leadAfter(int lead)
{
    const int r = rowIndexOf(lead) + 1;
    return r < kPinRows ? kRows[r].lead : kLastPin;
}

}  // namespace

void beginRoll(Game &game, const RollAim &aim)
{
    Roll &r = game.roll;
    r.GutterFlag = false;
    r.BallX = kBallStartX;
    r.BallY = static_cast<float>(kBallStartYPerRow * aim.start + kBallStartYBase);
    // Worked out in double and stored narrowed; HookValue reads the stored value.
    r.CurveStep = static_cast<float>((aim.hook - kStraightHook) * kCurvePerHookRow);
    r.HookValue = RoundToInt16(r.CurveStep * kHookValuePerCurve).value_or(0);
    r.BallDrawnLeft = static_cast<float>(r.BallX);
    r.BallDrawnTop = r.BallY;
    r.LateralStep = static_cast<float>((aim.target - aim.start) * kLateralPerAimRow);
    r.BallVisible = true;
    game.LoopDelay = kRollLoopDelay;
    r.NextPin = kFirstPin;
    r.StrikeFlag = false;
    std::fill(std::begin(r.PathPins), std::end(r.PathPins), qint16(0));
}

void stepBall(Game &game)
{
    Roll &r = game.roll;
    r.BallDrawnLeft = static_cast<float>(r.BallX);
    r.BallDrawnTop = r.BallY;

    if (r.BallX > kLastBallX) {
        game.advance(GameState::ThrowE);
    } else {
        r.BallX = static_cast<qint16>(r.BallX + kBallStepX);
        r.BallY += r.LateralStep;
        if (r.BallX > kCurveAfterX && !r.GutterFlag) {
            r.BallY += r.CurveStep;
            r.CurveStep *= kCurveGrowth;
        }
        if (r.BallY < 0.0f || r.BallY > kLastBallY) {
            // Only the drift is taken back: the ball keeps this step's curve
            // and may stay a fraction of a pixel beyond the edge.
            r.BallY -= r.LateralStep;
            r.GutterFlag = true;
        }
    }

    // The column test uses the new x but the pin model reads where the ball
    // is drawn, which is still the position from the start of this step.
    if (r.GutterFlag || !leadsRow(r.NextPin))
        return;
    const PinImage &lead = kPinImages[r.NextPin];
    if (r.BallX > lead.left && r.BallX < lead.left + kPinWidth) {
        RowReached(game, r.NextPin);
        r.NextPin = leadAfter(r.NextPin);
    }
}
