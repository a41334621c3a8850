#include "lane/ballmotion.h"

#include "game/gamevars.h"
#include "lane/lanemodel.h"
#include "lane/pinmodel.h"
#include "platform/numparse.h"

#include <algorithm>

namespace {

// Past this x (top-left corner) the ball has left the end of the lane.
constexpr int kLastBallX = kLaneInnerWidth - kBallSize;
// The ball's top may lie anywhere from the top edge down to this y.
constexpr float kLastBallY = static_cast<float>(kLaneInnerHeight - kBallSize);

bool LeadsRow(int pin)
{
    const int r = RowIndexOf(pin);
    return r >= 0 && kRows[r].lead == pin;
}

// After the back row NextPin moves on to pin 10, which leads no row, so the
// back row runs only once although the ball is still over its column in the
// following step.
qint16 LeadAfter(int lead)
{
    const int r = RowIndexOf(lead) + 1;
    return r < kPinRows ? kRows[r].lead : static_cast<qint16>(kLastPin);
}

}  // namespace

void BeginRoll(qint16 s, qint16 t, qint16 h)
{
    GutterFlag = kFalse;
    BallX = kBallStartX;
    BallY = static_cast<float>(kBallStartYPerRow * s + kBallStartYBase);
    // Worked out in double and stored narrowed; HookValue reads the stored value.
    CurveStep = static_cast<float>((h - kStraightHook) * kCurvePerHookRow);
    HookValue = RoundToInt16(CurveStep * kHookValuePerCurve).value_or(0);
    BallDrawnLeft = static_cast<float>(BallX);
    BallDrawnTop = BallY;
    LateralStep = static_cast<float>((t - s) * kLateralPerAimRow);
    BallVisible = true;
    LoopDelay = kRollLoopDelay;
    NextPin = kFirstPin;
    StrikeFlag = kFalse;
    std::fill(std::begin(PathPins), std::end(PathPins), qint16(0));
}

void StepBall()
{
    BallDrawnLeft = static_cast<float>(BallX);
    BallDrawnTop = BallY;

    if (BallX > kLastBallX) {
        GameState = State::ThrowE;
    } else {
        BallX = static_cast<qint16>(BallX + kBallStepX);
        BallY += LateralStep;
        if (BallX > kCurveAfterX && GutterFlag == kFalse) {
            BallY += CurveStep;
            CurveStep *= kCurveGrowth;
        }
        if (BallY < 0.0f || BallY > kLastBallY) {
            // Only the drift is taken back: the ball keeps this step's curve
            // and may stay a fraction of a pixel beyond the edge.
            BallY -= LateralStep;
            GutterFlag = kTrue;
        }
    }

    // The column test uses the new x but the pin model reads where the ball
    // is drawn, which is still the position from the start of this step.
    if (GutterFlag != kFalse || !LeadsRow(NextPin))
        return;
    const PinImage &lead = kPinImages[NextPin];
    if (BallX > lead.left && BallX < lead.left + kPinWidth) {
        RowReached(NextPin);
        NextPin = LeadAfter(NextPin);
    }
}
