// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "game/game.h"
#include "game/laneinput.h"

#include <gtest/gtest.h>
#include <string>
#include <tuple>

namespace {

TEST(LaneInput, ButtonsRecordAStateOrAFlagAndAreIgnoredUnderABalloon)
{
    enum Press { ThrowDown, ThrowUp, Score };
    // reacts: the throw button's press opens the menu; the score button's
    // press shows or hides the sheet.
    // clang-format off
    const struct { const char *name; Press press; GameState state; bool right, balloon, held; const char *after; bool heldAfter, reacts; } rows[] = {
        {"LeftFixesTheStart", ThrowDown, GameState::Location1, false, false, false, "location2", false, false},
        {"LeftFixesTheTargetAndHolds", ThrowDown, GameState::Location2, false, false, false, "location3", true, false},
        {"LeftWhileRollingDoesNothing", ThrowDown, GameState::ThrowT, false, false, false, "throw-t", false, false},
        {"RightOpensTheMenu", ThrowDown, GameState::Location2, true, false, false, "location2", false, true},
        {"RightUnderABalloonOpensNothing", ThrowDown, GameState::StartWait, true, true, false, "start-wait", false, false},
        {"LeftReleasedBeforeTheHookThrows", ThrowUp, GameState::Location3, false, false, true, "throw-s", false, false},
        {"RightReleasedOnlyLetsGo", ThrowUp, GameState::Location3, true, false, true, "location3", false, false},
        {"LeftReleasedDuringTheHookLetsGo", ThrowUp, GameState::Location4, false, false, true, "location4", false, false},
        {"ReleaseUnderABalloonIsIgnored", ThrowUp, GameState::Location3, false, true, true, "location3", true, false},
        {"LeftTogglesTheSheet", Score, GameState::Location1, false, false, false, "location1", false, true},
        {"RightLeavesTheSheet", Score, GameState::Location1, true, false, false, "location1", false, false},
        {"SheetStaysUnderABalloon", Score, GameState::StartWait, false, true, false, "start-wait", false, false},
    };
    // clang-format on
    for (const auto &r : rows) {
        Game g;
        g.setUpState(r.state);
        g.BalloonBusy = r.balloon;
        g.aim.ButtonHeld = r.held;
        bool reacts = false;
        if (r.press == ThrowDown)
            reacts = throwButtonDown(g, r.right);
        else if (r.press == ThrowUp)
            throwButtonUp(g, r.right);
        else
            reacts = scoreButtonToggles(g, !r.right);
        EXPECT_EQ(std::tuple(std::string(stateName(g.state())), g.aim.ButtonHeld, reacts),
                  std::tuple(std::string(r.after), r.heldAfter, r.reacts))
            << r.name;
    }
}

TEST(LaneInput, AimMarkerTurnsOnlyAfterLeavingTheRows)
{
    // clang-format off
    const struct { qint16 pos, dir, posAfter, dirAfter; } rows[] = {{0, 1, 1, 1},  {7, 1, 8, 1},   {8, 1, 9, -1}, {9, -1, 8, -1},
                        {1, -1, 0, -1}, {0, -1, -1, 1}, {-1, 1, 0, 1}};
    // clang-format on
    for (const auto &r : rows) {
        qint16 pos = r.pos, dir = r.dir;
        stepAim(pos, dir);
        EXPECT_EQ(std::pair(pos, dir), std::pair(r.posAfter, r.dirAfter)) << "from " << r.pos << " by " << r.dir;
    }
}

}  // namespace
