#include "common/scriptedrandom.h"
#include "game/gamevars.h"
#include "lane/ballmotion.h"
#include "lane/lanemodel.h"

#include <gtest/gtest.h>
#include <cmath>
#include <vector>

namespace {

int DrawnCentre() { return static_cast<int>(std::nearbyint(BallDrawnTop + kBallSize / 2)); }

struct RollTrace
{
    std::vector<int> rowXs;      // x after the step that reached each row
    std::vector<int> rowCentres; // drawn centre line when each row was reached
    int gutterX = 0;             // x after the step that set GutterFlag, 0 if never
    int passes = 0;              // StepBall calls until GameState is "throw-e"
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
            trace.rowCentres.push_back(DrawnCentre());
        }
        if (GutterFlag && !trace.gutterX)
            trace.gutterX = BallX;
    }
    return trace;
}

struct PathCase
{
    const char *name;
    qint16 s, t, h;
    std::vector<int> rowXs;
    std::vector<int> rowCentres;
    int gutterX;
};

class BallPath : public ::testing::TestWithParam<PathCase> {};

TEST_P(BallPath, ReachesRowsAndGutterWhereExpected)
{
    const PathCase &c = GetParam();
    ScriptedRandom draws = ScriptedRandom::repeating(0.5);
    const RollTrace trace = Roll(c.s, c.t, c.h);
    EXPECT_EQ(trace.rowXs, c.rowXs);
    EXPECT_EQ(trace.rowCentres, c.rowCentres);
    EXPECT_EQ(trace.gutterX, c.gutterX);
    // 92 steps bring x to 301; the pass after that ends the roll in place.
    EXPECT_EQ(trace.passes, 93);
    EXPECT_EQ(BallX, 301);
}

INSTANTIATE_TEST_SUITE_P(
    Rolls, BallPath,
    ::testing::Values(PathCase{"Straight", 4, 4, 4, {277, 283, 289, 292}, {15, 15, 15, 15}, 0},
                      PathCase{"DriftAndHookIntoBottomGutter", 0, 8, 8, {}, {}, 208},
                      PathCase{"HookUpwardsPastHeadPin", 4, 4, 0, {277}, {4}, 280}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(BallMotion, GutterBallStopsCurvingAndRunsAlongTheEdge)
{
    ResetGameVars();
    BeginRoll(0, 8, 8);
    GameState = State::ThrowT;
    while (!GutterFlag)
        StepBall();
    // The curve part of the gutter step is not taken back.
    EXPECT_GT(BallY, 22.0f);
    EXPECT_LT(BallY, 22.0f + LateralStep);
    const float curve = CurveStep;
    const float edgeY = BallY;
    while (GameState == State::ThrowT)
        StepBall();
    EXPECT_EQ(CurveStep, curve);
    EXPECT_EQ(BallY, edgeY);
}

TEST(BallMotion, StartPositionCaughtAtATurnIsUsedUnchanged)
{
    ResetGameVars();
    BeginRoll(9, 4, 4);
    EXPECT_EQ(BallY, 22.0f);
    EXPECT_EQ(BallDrawnTop, 22.0f);
    BeginRoll(-1, 4, 4);
    EXPECT_EQ(BallY, 2.0f);
    EXPECT_TRUE(BallVisible);
}

TEST(BallMotion, BeginRollClearsThePreviousRoll)
{
    ResetGameVars();
    GutterFlag = StrikeFlag = kTrue;
    NextPin = 10;
    PathPins[0] = 3;
    BeginRoll(4, 4, 0);
    EXPECT_EQ(GutterFlag, kFalse);
    EXPECT_EQ(StrikeFlag, kFalse);
    EXPECT_EQ(NextPin, 1);
    EXPECT_EQ(PathPins[0], 0);
    EXPECT_EQ(LoopDelay, 18);
    for (qint16 h = 0; h <= 8; ++h) {
        BeginRoll(4, 4, h);
        EXPECT_EQ(HookValue, h - 4) << "hook " << h;
    }
}

TEST(AimingMarkers, AimColumnIsAChevronWithItsTipInTheMiddle)
{
    EXPECT_EQ(MarkerGeometry(MarkerColumn::Aim, 4).x1, 60);
    EXPECT_EQ(MarkerGeometry(MarkerColumn::Aim, 0).x1, 52);
    EXPECT_EQ(MarkerGeometry(MarkerColumn::Aim, 8).x2, 54);
    EXPECT_EQ(MarkerGeometry(MarkerColumn::Hook, 8).y1, 22);
}

TEST(AimingMarkers, OnlyTheCurrentRowIsHighlighted)
{
    const auto lines = AimingColumnLines(MarkerColumn::Start, 3);
    for (int row = 0; row < kMarkerRows; ++row)
        EXPECT_EQ(lines[row].colour, row == 3 ? kStartColumn.highlight : kWhite) << row;
    for (const MarkerLine &line : AimingColumnLines(MarkerColumn::Hook, 9))
        EXPECT_EQ(line.colour, kWhite);
}

TEST(AimingMarkers, IdleMarkersAreDrawnAimStartHookRowByRow)
{
    const auto lines = IdleMarkers();
    EXPECT_EQ(lines[0].colour, kAimColumn.idle);
    EXPECT_EQ(lines[1].colour, kStartColumn.idle);
    EXPECT_EQ(lines[2].colour, kHookColumn.idle);
    EXPECT_EQ(lines[3].y1, 8);
    EXPECT_EQ(lines.back().y1, 22);
}

}  // namespace
