// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "common/scriptedrandom.h"
#include "game/game.h"
#include "lane/ballmotion.h"
#include "lane/lanemodel.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>
#include <tuple>

namespace {

// Rolls a ball and tells where it went: "x/centre" after each step that
// reached a pin row (x after the step, centre line of the drawn ball),
// "gutter@x" after the step that left the lane, then the passes taken.
std::string Trace(const RollAim &aim)
{
    Game g;
    ScriptedRandom draws(g.random, {0.5}, true);
    beginRoll(g, aim);
    const Roll &r = g.roll;
    std::string out;
    int passes = 0;
    for (g.setUpState(GameState::ThrowT); g.state() == GameState::ThrowT && passes < 200; ++passes) {
        const qint16 before = r.NextPin;
        const bool wasGutter = r.GutterFlag;
        stepBall(g);
        if (r.NextPin != before)
            out += std::to_string(r.BallX) + "/" + std::to_string(long(std::nearbyint(r.BallDrawnTop + kBallSize / 2))) + " ";
        if (r.GutterFlag && !wasGutter)
            out += "gutter@" + std::to_string(r.BallX) + " ";
    }
    return out + std::to_string(passes) + " passes to x " + std::to_string(r.BallX);
}

TEST(BallMotion, RollsReachRowsAndGutterWhereExpected)
{
    // 92 steps bring x to 301; the next pass ends the roll in place.
    // clang-format off
    const struct { const char *name; RollAim aim; const char *trace; } rows[] = {
        {"Straight", {4, 4, 4}, "277/15 283/15 289/15 292/15 93 passes to x 301"},
        {"DriftAndHookIntoBottomGutter", {0, 8, 8}, "gutter@208 93 passes to x 301"},
        {"HookUpwardsPastHeadPin", {4, 4, 0}, "277/4 gutter@280 93 passes to x 301"},
    };
    // clang-format on
    for (const auto &r : rows)
        EXPECT_EQ(Trace(r.aim), r.trace) << r.name;
}

TEST(BallMotion, GutterBallStopsCurvingAndRunsAlongTheEdge)
{
    Game g;
    const Roll &r = g.roll;
    beginRoll(g, {0, 8, 8});
    for (g.setUpState(GameState::ThrowT); !r.GutterFlag;)
        stepBall(g);
    // This step's curve is not taken back, so the ball rests just past 22.
    EXPECT_TRUE(r.BallY > 22.0f && r.BallY < 22.0f + r.LateralStep) << r.BallY;
    const float curve = r.CurveStep, edgeY = r.BallY;
    while (g.state() == GameState::ThrowT)
        stepBall(g);
    EXPECT_EQ(std::pair(r.CurveStep, r.BallY), std::pair(curve, edgeY));
}

TEST(BallMotion, BeginRollStartsFreshFromTheCaughtPositions)
{
    Game g;
    const Roll &r = g.roll;
    g.roll.GutterFlag = g.roll.StrikeFlag = true;
    g.roll.PathPins[0] = 5;
    beginRoll(g, {9, 4, 4});
    EXPECT_TRUE(r.BallDrawnTop == 22.0f && !r.GutterFlag && !r.StrikeFlag && r.PathPins[0] == 0 && r.NextPin == 1);
    for (int p = -1; p <= 9; ++p) {  // start and hook positions, with the overshoot caught at a turn
        beginRoll(g, {p, 4, p});
        EXPECT_TRUE(r.BallY == 2 * p + 4 && r.HookValue == p - 4) << p;
    }
}

TEST(AimingMarkers, ChevronHighlightAndIdleOrder)
{
    EXPECT_EQ(std::tuple(markerGeometry(MarkerColumn::Aim, 4).x1, markerGeometry(MarkerColumn::Aim, 0).x1,
                         markerGeometry(MarkerColumn::Hook, 8).y1),
              std::tuple(60, 52, 22));
    // While aiming the current row (3) wears the column's highlight and every other row is white; the
    // overshoot to 9 highlights nothing. Idle, the markers are drawn row by row as aim, start, hook.
    const auto idle = idleMarkers();
    int slot = 0;
    for (const MarkerColumn c : {MarkerColumn::Aim, MarkerColumn::Start, MarkerColumn::Hook}) {
        for (int row = 0; row < kMarkerRows; ++row) {
            const MarkerLine &line = idle[3 * row + slot];
            EXPECT_TRUE(aimingColumnLines(c, 3)[row].colour == (row == 3 ? styleOf(c).highlight : kWhite) &&
                        aimingColumnLines(c, 9)[row].colour == kWhite && line.colour == styleOf(c).idle &&
                        line.x1 == markerGeometry(c, row).x1 && line.y1 == markerGeometry(c, row).y1)
                << "column " << slot << " row " << row;
        }
        ++slot;
    }
}

}  // namespace
