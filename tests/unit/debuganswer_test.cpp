// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "game/debuganswer.h"
#include "game/game.h"
#include "unit/rackstates.h"

#include <gtest/gtest.h>

namespace {

TEST(DebugAnswer, FellsTheFirstStandingPins)
{
    // Racks are the states of pins 1..10; an image is visible while its pin
    // stands, except after the split answer, which hides every image.
    // clang-format off
    const struct { const char *name, *before, *answer, *after; bool strike, gutter; const char *state; } rows[] = {
        {"ThreeOnFreshRack", "0000000000", "3", "1110000000", false, false, "throw-e"},
        {"FourAfterThreeCountsFour", "1110000000", "4", "2221111000", false, false, "throw-e"},
        {"TenOnSecondBall", "1111111000", "10", "2222222222", true, false, "throw-e"},
        {"SplitLeavesSevenAndTen", "0000000000", "-2", "1111110110", false, false, "throw-e"},
        {"SplitOnSecondBallCountsOnlyNewPins", "1111100000", "-2", "2222210110", false, false, "throw-e"},
        {"SplitOnSecondBallWithSevenDown", "0000001000", "-2", "1111112110", false, false, "throw-e"},
        {"QuitChangesNoPin", "1110000000", "-1", "1110000000", false, false, "game-over"},
        {"EmptyIsGutter", "1100000000", "", "2200000000", false, true, "throw-e"},
        {"FractionRoundsToAPin", "0000000000", ".6", "1000000000", false, false, "throw-e"},
        {"HugeFellsAllWithoutStrike", "0000000000", "1e9", "1111111111", false, false, "throw-e"},
        {"HugeNegativeFellsNothing", "1110000000", "-1e9", "2220000000", false, false, "throw-e"},
        {"FullWidthSpaceAndThree", "0000000000", "　３", "1110000000", false, false, "throw-e"},
        {"FullWidthMinusOneQuits", "1110000000", "－１", "1110000000", false, false, "game-over"},
    };
    // clang-format on
    for (const auto &r : rows) {
        SCOPED_TRACE(r.name);
        Game g;
        g.setUpState(GameState::Debug);
        SetRack(g.rack, r.before);
        g.roll.StrikeFlag = g.roll.GutterFlag = true;
        g.roll.NextPin = 10;
        applyDebugAnswer(g, QString::fromUtf8(r.answer));
        for (int p = 1; p <= 10; ++p)
            EXPECT_EQ(g.rack.PinVisible[p], g.rack.PinState[p] == 0 && qstrcmp(r.answer, "-2") != 0) << "pin " << p;
        EXPECT_EQ(
            std::tuple(States(g.rack), g.roll.StrikeFlag, g.roll.GutterFlag, g.roll.NextPin, std::string(stateName(g.state()))),
            std::tuple(r.after, r.strike, r.gutter, qint16(1), std::string(r.state)));
    }
}

}  // namespace
