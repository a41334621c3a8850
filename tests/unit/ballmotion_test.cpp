#include "common/scriptedrandom.h"
#include "game/gamevars.h"
#include "lane/ballmotion.h"
#include "lane/lanemodel.h"

#include <gtest/gtest.h>
#include <cmath>
#include <string>

namespace {

// Rolls a ball and tells where it went: "x/centre" after each step that
// reached a pin row (x after the step, centre line of the drawn ball),
// "gutter@x" after the step that left the lane, then the passes taken.
std::string Roll(qint16 s, qint16 t, qint16 h)
{
    ResetGameVars();
    BeginRoll(s, t, h);
    std::string out;
    int passes = 0;
    for (GameState = State::ThrowT; GameState == State::ThrowT && passes < 200; ++passes) {
        const qint16 before = NextPin, wasGutter = GutterFlag;
        StepBall();
        if (NextPin != before)
            out += std::to_string(BallX) + "/" + std::to_string(long(std::nearbyint(BallDrawnTop + kBallSize / 2))) + " ";
        if (GutterFlag && !wasGutter)
            out += "gutter@" + std::to_string(BallX) + " ";
    }
    return out + std::to_string(passes) + " passes to x " + std::to_string(BallX);
}

TEST(BallMotion, RollsReachRowsAndGutterWhereExpected)
{
    // 92 steps bring x to 301; the next pass ends the roll in place.
    const struct { const char *name; qint16 s, t, h; const char *trace; } rows[] = {
        {"Straight", 4, 4, 4, "277/15 283/15 289/15 292/15 93 passes to x 301"},
        {"DriftAndHookIntoBottomGutter", 0, 8, 8, "gutter@208 93 passes to x 301"},
        {"HookUpwardsPastHeadPin", 4, 4, 0, "277/4 gutter@280 93 passes to x 301"},
    };
    ScriptedRandom draws({0.5}, true);
    for (const auto &r : rows)
        EXPECT_EQ(Roll(r.s, r.t, r.h), r.trace) << r.name;
}

TEST(BallMotion, GutterBallStopsCurvingAndRunsAlongTheEdge)
{
    BeginRoll(0, 8, 8);
    for (GameState = State::ThrowT; !GutterFlag;)
        StepBall();
    // This step's curve is not taken back, so the ball rests just past 22.
    EXPECT_TRUE(BallY > 22.0f && BallY < 22.0f + LateralStep) << BallY;
    const float curve = CurveStep, edgeY = BallY;
    while (GameState == State::ThrowT)
        StepBall();
    EXPECT_EQ(std::pair(CurveStep, BallY), std::pair(curve, edgeY));
}

TEST(BallMotion, BeginRollStartsFreshFromTheCaughtPositions)
{
    GutterFlag = StrikeFlag = PathPins[0] = kTrue;
    BeginRoll(9, 4, 4);
    EXPECT_TRUE(BallDrawnTop == 22.0f && GutterFlag == kFalse && StrikeFlag == kFalse && PathPins[0] == 0 && NextPin == 1);
    for (qint16 p = -1; p <= 9; ++p) {  // start and hook positions, with the overshoot caught at a turn
        BeginRoll(p, 4, p);
        EXPECT_TRUE(BallY == 2 * p + 4 && HookValue == p - 4) << p;
    }
}

TEST(AimingMarkers, ChevronHighlightAndIdleOrder)
{
    EXPECT_EQ(std::tuple(MarkerGeometry(MarkerColumn::Aim, 4).x1, MarkerGeometry(MarkerColumn::Aim, 0).x1,
                         MarkerGeometry(MarkerColumn::Hook, 8).y1), std::tuple(60, 52, 22));
    // The current row is highlighted; the overshoot to 9 highlights nothing.
    const auto start = AimingColumnLines(MarkerColumn::Start, 3), hook = AimingColumnLines(MarkerColumn::Hook, 9);
    for (int row = 0; row < kMarkerRows; ++row)
        EXPECT_TRUE(start[row].colour == (row == 3 ? kStartColumn.highlight : kWhite) && hook[row].colour == kWhite) << row;
    const auto idle = IdleMarkers();
    EXPECT_TRUE(idle[0].colour == kAimColumn.idle && idle[1].colour == kStartColumn.idle && idle[2].colour == kHookColumn.idle);
    EXPECT_EQ(idle[3].y1, 8);
}

}  // namespace
