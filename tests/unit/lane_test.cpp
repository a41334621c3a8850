// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "common/scriptedrandom.h"
#include "lane/ballmotion.h"
#include "lane/framelabel.h"
#include "lane/lanemodel.h"
#include "lane/pinboardsequence.h"
#include "lane/pinmodel.h"
#include "unit/rackstates.h"

#include <QStringList>
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
    EXPECT_EQ(Trace({4, 4, 4}), "277/15 283/15 289/15 292/15 93 passes to x 301");
    EXPECT_EQ(Trace({0, 8, 8}), "gutter@208 93 passes to x 301");        // drift and hook into the bottom gutter
    EXPECT_EQ(Trace({4, 4, 0}), "277/4 gutter@280 93 passes to x 301");  // hook upwards past the head pin

    // A gutter ball stops curving and runs along the edge: this step's curve
    // is not taken back, so the ball rests just past 22.
    Game g;
    const Roll &r = g.roll;
    beginRoll(g, {0, 8, 8});
    for (g.setUpState(GameState::ThrowT); !r.GutterFlag;)
        stepBall(g);
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

TEST(PinModel, DecidePinFallBranches)
{
    // centre: the drawn ball's centre line; pin 7's hit band is 16..24, pin 10's 4..12.
    const std::tuple<const char *, const char *, bool, int, int, std::vector<double>, qint16, bool> rows[] = {
        {"StrikeFlagFellsPinFarFromBall", "0000000000", true, 0, 7, {}, 1, true},
        {"MissJustAboveBand", "0000000000", false, 15, 7, {}, 0, false},
        {"HitTopOfBand", "0000000000", false, 16, 7, {0.9999}, 1, false},
        {"HitBottomOfBand", "0000000000", false, 12, 10, {0.5}, 1, false},
        {"MissJustBelowBand", "0000000000", false, 13, 10, {}, 0, false},
        {"HeadPinHitMakesSureStrike", "0000000000", false, 15, 1, {0.5, 0.09}, 1, true},
        {"HeadPinHitWithoutStrike", "0000000000", false, 15, 1, {0.5, 0.11}, 1, false},
        {"SupportedDirectHit", "0000000000", false, 15, 5, {0.9999}, 1, false},
        {"SupportDownEarlierDoesNotCount", "2220000000", false, 9, 5, {}, 0, false},
        {"SupportFellAnyLineLucky", "1000000000", false, 0, 5, {0.955}, 1, false},
        {"SupportFellDirectHitUnlucky", "0100000000", false, 15, 5, {0.965}, 0, false},
    };
    for (const auto &[name, rack, strike, centre, pin, draws, after, strikeAfter] : rows) {
        SCOPED_TRACE(name);
        Game g;
        SetRack(g.rack, rack);
        g.roll.StrikeFlag = strike;
        g.roll.BallDrawnTop = static_cast<float>(centre - kBallSize / 2);
        ScriptedRandom scripted(g.random, draws);
        DecidePinFall(g, pin, kSupports[pin]);
        EXPECT_EQ(std::tuple(g.rack.PinState[pin], g.rack.PinVisible[pin], g.roll.StrikeFlag, scripted.used()),
                  std::tuple(after, after == 0, strikeAfter, draws.size()));
    }
}

TEST(PinModel, StraightBallLeaves)
{
    // Draws on a full rack: pin 1, head-pin strike, pins 2, 3, 4, 5, 8, 9.
    const std::tuple<const char *, std::vector<double>, const char *> rows[] = {
        {"0000000000", {.5, .5, .5, .5, .5, .5, .5, .5}, "1111100110"},  // the usual 6-7-10 leave
        {"0000000000", {.5, .09}, "1111111111"},                         // a head-pin strike
        // Pins 1-3 of the first ball are passed and no longer support pin 5.
        {"1110000000", {.5, .965, .5, .5}, "2221100110"},
    };
    for (const auto &[before, draws, after] : rows) {
        SCOPED_TRACE(after);
        Game g;
        SetRack(g.rack, before);
        ScriptedRandom scripted(g.random, draws);
        beginRoll(g, {4, 4, 4});
        for (g.setUpState(GameState::ThrowT); g.state() == GameState::ThrowT;)
            stepBall(g);
        EXPECT_EQ(std::tuple(States(g.rack), g.roll.PathPins[0], g.roll.PathPins[1], g.roll.PathPins[2], scripted.used()),
                  std::tuple(after, 3, 5, 9, draws.size()));
    }
}

TEST(PinModel, TopplePathNeighbour)
{
    const std::tuple<const char *, qint16, int, const char *> rows[] = {
        {"0000001000", -2, 7, "0000001100"},  // rack, hook, path pin, rack after
        {"0000001100", -2, 7, "0000001100"},  // stops at a pin felled this roll
        {"0000210000", 2, 6, "0001210000"},   // skips pins down earlier
        {"0001000000", 2, 4, "0001000000"},   // the row ends before the other row
        {"0000001000", -1, 7, "0000001000"},  // a small hook topples nothing
        {"0000002000", -2, 7, "0000002000"},  // the path pin fell earlier
    };
    for (const auto &[before, hook, pathPin, after] : rows) {
        Game g;
        ScriptedRandom draws(g.random, {0.9999}, true);
        SetRack(g.rack, before);
        g.roll.HookValue = hook;
        TopplePathNeighbour(g, pathPin);
        EXPECT_EQ(States(g.rack), after) << before;
    }
}

TEST(PinModel, IsSplitOnNamedLeaves)
{
    // Leaves are the standing pins; every other pin is down.
    const std::pair<const char *, bool> rows[] = {
        {"7-10", true}, {"4-6", true},      {"5-7", true},       {"2-3", true}, {"8-9", true},     {"3-4-5-6-7-8-9-10", true},
        {"2-4", false}, {"2-4-7-8", false}, {"4-6-7-10", false}, {"5", false},  {"1-7-10", false}, {"", false},
    };
    for (const auto &[leave, split] : rows) {
        Rack rack;
        SetRack(rack, "1111111111");
        for (const QString &pin : QString::fromLatin1(leave).split(u'-', Qt::SkipEmptyParts))
            rack.PinState[pin.toInt()] = 0;
        EXPECT_EQ(IsSplit(rack), split) << leave;
    }
}

// Steps as text: "L3+30" lamp 3 lit then 30 ms, "M0-" mark 0 hidden, "P250"
// a pause of 250 ms.
std::string Steps(const BoardSequence &steps)
{
    std::string out;
    for (const BoardStep &s : steps) {
        if (s.what == BoardStep::What::Pause)
            out += "P";
        else
            out += (s.what == BoardStep::What::Lamp ? "L" : "M") + std::to_string(s.index) + (s.on ? "+" : "-");
        out += (s.pauseMs ? std::to_string(s.pauseMs) : "") + " ";
    }
    return out;
}

TEST(PinBoard, LampsFollowTheStandingPinsAndTheLastMarkBlinks)
{
    // Lamp i shows pin i + 1. Clearing steps once more through the standing
    // pins' lamps, 30 ms each, and leaves them dark.
    const std::string allDark = "L0-5 L1-5 L2-5 L3-5 L4-5 L5-5 L6-5 L7-5 L8-5 L9-5 ";
    Rack rack;
    SetRack(rack, "0111110110");
    EXPECT_EQ(Steps(LightStandingPins(rack)), "L0+30 L6+30 L9+30 ");
    EXPECT_EQ(Steps(DarkenFelledPins(rack)), "L1-5 L2-5 L3-5 L4-5 L5-5 L7-5 L8-5 P250 ");
    EXPECT_EQ(Steps(ClearLamps(rack)), allDark + "L0-30 L6-30 L9-30 ");
    SetRack(rack, "2221111111");
    EXPECT_EQ(Steps(LightStandingPins(rack)) + Steps(DarkenFelledPins(rack)), allDark + "P250 ");
    EXPECT_EQ(Steps(ClearLamps(rack)), allDark);
    // The last ball's mark blinks three times behind the blank, then every mark goes.
    const auto blinks = [](const char *round) { return QString(round).repeated(3).toStdString() + "P600 M0- M1- M2- "; };
    EXPECT_EQ(Steps(BlinkMark(PinMark::None)), blinks(""));
    EXPECT_EQ(Steps(BlinkMark(PinMark::Spare)), blinks("P200 M1- M0+200 M1+ M0- "));
    EXPECT_EQ(Steps(BlinkMark(PinMark::Strike)), blinks("P200 M2- M0+200 M2+ M0- "));
}

TEST(PinBoard, FrameLabelStaysAtTenForBonusBalls)
{
    const QString nine = QStringLiteral("9-").repeated(9);
    EXPECT_EQ(QStringList({frameLabelFor(""), frameLabelFor("! 9"), frameLabelFor(nine.left(16)), frameLabelFor(nine),
                           frameLabelFor(nine + "!!")}),
              QStringList({"F-01", "F-02", "F-09", "F-10", "F-10"}));
}

}  // namespace
