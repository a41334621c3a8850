#include "common/scriptedrandom.h"
#include "game/gamevars.h"
#include "lane/ballmotion.h"
#include "lane/lanemodel.h"

#include <gtest/gtest.h>
#include <cmath>
#include <vector>

namespace {

struct RollTrace
{
    std::vector<int> rowXs;       // x after each step that reached a row
    std::vector<int> rowCentres;  // the drawn ball's centre line at that moment
    int gutterX = 0;              // x after the step that set GutterFlag
    int passes = 0;               // StepBall calls until "throw-e"
};

RollTrace Roll(qint16 s, qint16 t, qint16 h)
{
    ResetGameVars();
    BeginRoll(s, t, h);
    GameState = State::ThrowT;
    RollTrace trace;
    while (GameState == State::ThrowT && trace.passes < 200) {
        const qint16 before = NextPin;
        StepBall();
        ++trace.passes;
        if (NextPin != before) {
            trace.rowXs.push_back(BallX);
            trace.rowCentres.push_back(static_cast<int>(std::nearbyint(BallDrawnTop + kBallSize / 2)));
        }
        if (GutterFlag && !trace.gutterX)
            trace.gutterX = BallX;
    }
    return trace;
}

TEST(BallMotion, RollsReachRowsAndGutterWhereExpected)
{
    struct Row { const char *name; qint16 s, t, h; std::vector<int> rowXs, centres; int gutterX; };
    const Row rows[] = {
        {"Straight", 4, 4, 4, {277, 283, 289, 292}, {15, 15, 15, 15}, 0},
        {"DriftAndHookIntoBottomGutter", 0, 8, 8, {}, {}, 208},
        {"HookUpwardsPastHeadPin", 4, 4, 0, {277}, {4}, 280},
    };
    ScriptedRandom draws({0.5}, true);
    for (const Row &r : rows) {
        SCOPED_TRACE(r.name);
        const RollTrace trace = Roll(r.s, r.t, r.h);
        EXPECT_EQ(trace.rowXs, r.rowXs);
        EXPECT_EQ(trace.rowCentres, r.centres);
        EXPECT_EQ(trace.gutterX, r.gutterX);
        // 92 steps bring x to 301; the next pass ends the roll in place.
        EXPECT_EQ(trace.passes, 93);
        EXPECT_EQ(BallX, 301);
    }
}

TEST(BallMotion, GutterBallStopsCurvingAndRunsAlongTheEdge)
{
    ResetGameVars();
    BeginRoll(0, 8, 8);
    GameState = State::ThrowT;
    while (!GutterFlag)
        StepBall();
    // This step's curve is not taken back, so the ball rests just past 22.
    EXPECT_GT(BallY, 22.0f);
    EXPECT_LT(BallY, 22.0f + LateralStep);
    const float curve = CurveStep, edgeY = BallY;
    while (GameState == State::ThrowT)
        StepBall();
    EXPECT_EQ(CurveStep, curve);
    EXPECT_EQ(BallY, edgeY);
}

TEST(BallMotion, BeginRollStartsFreshFromTheCaughtPositions)
{
    ResetGameVars();
    GutterFlag = StrikeFlag = kTrue;
    PathPins[0] = 3;
    BeginRoll(9, 4, 4);
    EXPECT_EQ(BallY, 22.0f);
    EXPECT_EQ(BallDrawnTop, 22.0f);
    EXPECT_TRUE(GutterFlag == kFalse && StrikeFlag == kFalse && PathPins[0] == 0 && NextPin == 1);
    BeginRoll(-1, 4, 4);
    EXPECT_EQ(BallY, 2.0f);
    for (qint16 h = 0; h <= 8; ++h) {
        BeginRoll(4, 4, h);
        EXPECT_EQ(HookValue, h - 4) << "hook " << h;
    }
}

TEST(AimingMarkers, ChevronHighlightAndIdleOrder)
{
    EXPECT_EQ(MarkerGeometry(MarkerColumn::Aim, 4).x1, 60);
    EXPECT_EQ(MarkerGeometry(MarkerColumn::Aim, 0).x1, 52);
    EXPECT_EQ(MarkerGeometry(MarkerColumn::Hook, 8).y1, 22);
    const auto column = AimingColumnLines(MarkerColumn::Start, 3);
    for (int row = 0; row < kMarkerRows; ++row)
        EXPECT_EQ(column[row].colour, row == 3 ? kStartColumn.highlight : kWhite) << row;
    for (const MarkerLine &line : AimingColumnLines(MarkerColumn::Hook, 9))
        EXPECT_EQ(line.colour, kWhite);
    const auto idle = IdleMarkers();
    EXPECT_EQ(idle[0].colour, kAimColumn.idle);
    EXPECT_EQ(idle[1].colour, kStartColumn.idle);
    EXPECT_EQ(idle[2].colour, kHookColumn.idle);
    EXPECT_EQ(idle[3].y1, 8);
}

}  // namespace
