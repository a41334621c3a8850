// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "common/scriptedrandom.h"
#include "lane/ballmotion.h"
#include "lane/pinmodel.h"
#include "unit/rackstates.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace {

TEST(PinModel, DecidePinFallBranches)
{
    // centre: the drawn ball's centre line; pin 7's hit band is 16..24, pin 10's 4..12.
    // clang-format off
    const struct { const char *name, *rack; bool strike; int centre, pin; std::vector<double> draws; qint16 after; bool strikeAfter; } rows[] = {
        {"StrikeFlagFellsPinFarFromBall", "0000000000", true, 0, 7, {}, 1, true},
        {"UnsupportedMissJustAboveBand", "0000000000", false, 15, 7, {}, 0, false},
        {"UnsupportedHitTopOfBand", "0000000000", false, 16, 7, {0.9999}, 1, false},
        {"UnsupportedHitBottomOfBand", "0000000000", false, 12, 10, {0.5}, 1, false},
        {"UnsupportedMissJustBelowBand", "0000000000", false, 13, 10, {}, 0, false},
        {"HeadPinHitMakesSureStrike", "0000000000", false, 15, 1, {0.5, 0.09}, 1, true},
        {"HeadPinHitWithoutStrike", "0000000000", false, 15, 1, {0.5, 0.11}, 1, false},
        {"SupportedDirectHit", "0000000000", false, 15, 5, {0.9999}, 1, false},
        {"SupportDownEarlierDoesNotCount", "2220000000", false, 9, 5, {}, 0, false},
        {"SupportFellAnyLineLucky", "1000000000", false, 0, 5, {0.955}, 1, false},
        {"SupportFellDirectHitUnlucky", "0100000000", false, 15, 5, {0.965}, 0, false},
    };
    // clang-format on
    for (const auto &r : rows) {
        SCOPED_TRACE(r.name);
        Game g;
        SetRack(g.rack, r.rack);
        g.roll.StrikeFlag = r.strike;
        g.roll.BallDrawnTop = static_cast<float>(r.centre - kBallSize / 2);
        ScriptedRandom draws(g.random, r.draws);
        DecidePinFall(g, r.pin, kSupports[r.pin]);
        EXPECT_EQ(std::tuple(g.rack.PinState[r.pin], g.rack.PinVisible[r.pin], g.roll.StrikeFlag, draws.used()),
                  std::tuple(r.after, r.after == 0, r.strikeAfter, r.draws.size()));
    }
}

TEST(PinModel, StraightBallLeaves)
{
    // Draws on a full rack: pin 1, head-pin strike, pins 2, 3, 4, 5, 8, 9.
    // clang-format off
    const struct { const char *name, *before; std::vector<double> draws; const char *after; } rows[] = {
        {"UsualLeave6_7_10", "0000000000", {.5, .5, .5, .5, .5, .5, .5, .5}, "1111100110"},
        {"HeadPinStrike", "0000000000", {.5, .09}, "1111111111"},
        // Pins 1-3 of the first ball are passed and no longer support pin 5.
        {"SecondBallAfterThree", "1110000000", {.5, .965, .5, .5}, "2221100110"},
    };
    // clang-format on
    for (const auto &r : rows) {
        SCOPED_TRACE(r.name);
        Game g;
        SetRack(g.rack, r.before);
        ScriptedRandom draws(g.random, r.draws);
        beginRoll(g, {4, 4, 4});
        for (g.setUpState(GameState::ThrowT); g.state() == GameState::ThrowT;)
            stepBall(g);
        EXPECT_EQ(std::tuple(States(g.rack), g.roll.PathPins[0], g.roll.PathPins[1], g.roll.PathPins[2], draws.used()),
                  std::tuple(r.after, 3, 5, 9, r.draws.size()));
    }
}

TEST(PinModel, TopplePathNeighbour)
{
    // clang-format off
    const struct { const char *name, *before; qint16 hook; int pathPin; const char *after; } rows[] = {
        {"Pin7HookMinus2Topples8", "0000001000", -2, 7, "0000001100"},
        {"StopsAtPinFelledThisRoll", "0000001100", -2, 7, "0000001100"},
        {"Pin6HookPlus2SkipsPinsDownEarlierTo4", "0000210000", 2, 6, "0001210000"},
        {"RowEndsBeforeOtherRow", "0001000000", 2, 4, "0001000000"},
        {"SmallHookTopplesNothing", "0000001000", -1, 7, "0000001000"},
        {"PathPinNotFelledThisRoll", "0000002000", -2, 7, "0000002000"},
    };
    // clang-format on
    for (const auto &r : rows) {
        Game g;
        ScriptedRandom draws(g.random, {0.9999}, true);
        SetRack(g.rack, r.before);
        g.roll.HookValue = r.hook;
        TopplePathNeighbour(g, r.pathPin);
        EXPECT_EQ(States(g.rack), r.after) << r.name;
    }
}

TEST(PinModel, IsSplitOnNamedLeaves)
{
    // Leaves are the standing pins; every other pin is down.
    // clang-format off
    const std::pair<const char *, bool> rows[] = {
        {"7-10", true}, {"4-6", true}, {"5-7", true}, {"2-3", true}, {"8-9", true}, {"3-4-5-6-7-8-9-10", true},
        {"2-6-10", true}, {"6-8-10", true}, {"4-7-9", true}, {"2-4-10", true}, {"7-8", true}, {"4-8", false},
        {"2-4", false}, {"2-4-7-8", false}, {"4-6-7-10", false}, {"5", false}, {"1-7-10", false}, {"", false},
    };
    // clang-format on
    for (const auto &[leave, split] : rows) {
        Rack rack;
        SetRack(rack, "1111111111");
        for (const QString &pin : QString::fromLatin1(leave).split(u'-', Qt::SkipEmptyParts))
            rack.PinState[pin.toInt()] = 0;
        EXPECT_EQ(IsSplit(rack), split) << leave;
    }
}

}  // namespace
