// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "game/throwrules.h"
#include "unit/rackstates.h"

#include <gtest/gtest.h>

namespace {

// Nine open frames, so that a row can show only its tenth frame.
#define NINE "9-9-9-9-9-9-9-9-9-"

TEST(ThrowRules, CountBallWritesTheRecordAndTellsTheMark)
{
    // The ball as it left the lane: the record so far (its split marks all
    // blank), whether it was a first ball, the rack, its flags and the pins
    // standing at the throw. Seen: "record|split marks of this ball|mark",
    // and "|over" when the record is complete.
    // clang-format off
    const struct { const char *name, *record; bool first; const char *rack; bool strike, gutter; int standing; const char *seen; bool firstAfter; } rows[] = {
        {"Spare", "7", false, "2222222111", false, false, 3, "7*| |*", false},
        {"StrikeInFrameOne", "", true, "1111111111", false, false, 10, "! |  |!", false},
        {"StrikeFlagWithPinsStanding", "", true, "1000000000", true, false, 10, "! |  |!", false},
        {"Gutter", "", true, "0000000000", false, true, 10, "G| |-", true},
        {"SplitLeaveOnAFirstBall", "", true, "1111110110", false, false, 10, "8|O|-", true},
        {"SameLeaveOnASecondBallIsNoSplit", "6", false, "2222220110", false, false, 4, "62| |-", false},
        // A typed-in ten fells every pin this roll; only those standing count.
        {"StrikeFlagCountsThoseStandingAtTheThrow", NINE "!7", false, "1111111111", true, false, 3, NINE "!73| |-|over", false},
        {"GameOverAfterTwentyOneSlots", NINE "!!", true, "1111111111", false, false, 10, NINE "!!!| |!|over", false},
    };
    // clang-format on
    for (const auto &r : rows) {
        SCOPED_TRACE(r.name);
        Game g;
        g.record.szScore = QString::fromLatin1(r.record);
        g.record.szSprit = QString(g.record.szScore.size(), u' ');
        g.rack.FirstBallOfRack = r.first;
        SetRack(g.rack, r.rack);
        g.roll.StrikeFlag = r.strike;
        g.roll.GutterFlag = r.gutter;
        g.rack.standingAtThrow = r.standing;
        const BallCount count = CountBall(g);
        const qsizetype before = qstrlen(r.record);
        ASSERT_EQ(g.record.szSprit.size(), g.record.szScore.size());
        EXPECT_EQ(g.record.szSprit.left(before), QString(before, u' '));
        const QString seen = g.record.szScore + u'|' + g.record.szSprit.mid(before) + u'|' + "-*!"[int(count.mark)] +
                             (count.over ? "|over" : "");
        EXPECT_EQ(seen.toStdString(), r.seen);
        EXPECT_EQ(g.rack.FirstBallOfRack, r.firstAfter);
    }
}

TEST(ThrowRules, PrepareThrowAlternatesBallsAndRaisesAFreshRackForTheFirst)
{
    // newGame: the record is cleared first, as "init" does after a game that
    // ended on a first ball; its first ball still gets a fresh rack.
    // clang-format off
    const struct { const char *name; bool first, newGame, debug; const char *rack, *after; int standing; const char *aiming; } rows[] = {
        {"FirstBallGetsAFreshRack", false, false, false, "2221100110", "0000000000", 10, "location1"},
        {"SecondBallKeepsTheStandingPins", true, false, true, "1110000001", "1110000001", 6, "debug"},
        {"NewGameStartsOnAFreshRack", true, true, false, "1110000001", "0000000000", 10, "location1"},
    };
    // clang-format on
    for (const auto &r : rows) {
        SCOPED_TRACE(r.name);
        Game g;
        g.record = {"9-9-9-9-9-9-9-9-9-7", "O"};
        g.rack.FirstBallOfRack = r.first;
        SetRack(g.rack, r.rack);
        g.aim = {5, 6, 7, -1, -1, -1, 9, true};
        g.DebugMode = r.debug;
        g.state = GameState::NextThrow;
        if (r.newGame)
            ClearRecord(g);
        PrepareThrow(g);
        MoveOn(g, AimingState(g));
        const bool fresh = r.after == std::string("0000000000");
        EXPECT_EQ(States(g.rack), r.after);
        for (int i = 0; i <= 10; ++i)
            EXPECT_EQ(g.rack.PinVisible[i], i == 0 ? fresh : r.after[i - 1] == '0') << "image " << i;
        EXPECT_EQ(std::tuple(g.rack.FirstBallOfRack, g.rack.standingAtThrow, g.LoopDelay, g.record.szScore.isEmpty(),
                             std::string(StateName(g.state))),
                  std::tuple(fresh, r.standing, qint16(50), r.newGame, std::string(r.aiming)));
        const Aim &a = g.aim;
        EXPECT_EQ(std::vector<int>({a.StartPos, a.TargetPos, a.HookPos, a.StartDir, a.TargetDir, a.HookDir, a.HoldCount}),
                  std::vector<int>({0, 0, 0, 1, 1, 1, 0}));
    }
}

TEST(ThrowRules, StatesMoveOnButAGameOverRequestStands)
{
    // clang-format off
    const struct { const char *name; GameState state, next; bool playOn; const char *moved, *ended; } rows[] = {
        {"NewGameGoesToItsFirstBall", GameState::Init, GameState::NextThrow, true, "next-throw", "init"},  // BeginGame
        {"CountedBallGoesOn", GameState::ThrowE, GameState::NextThrow, false, "next-throw", "game-over"},
        {"GameOverChosenDuringAWait", GameState::GameOver, GameState::NextThrow, true, "game-over", "init"},
    };
    // clang-format on
    for (const auto &r : rows) {
        Game g;
        g.state = r.state;
        if (r.state == GameState::Init)
            BeginGame(g);
        else
            MoveOn(g, r.next);
        EXPECT_STREQ(StateName(g.state), r.moved) << r.name;
        EndGame(g, r.playOn);
        EXPECT_STREQ(StateName(g.state), r.ended) << r.name << (r.playOn ? ", play on" : ", stop");
    }
}

TEST(ThrowRules, StartRollThrowsStraightAfterAClickTooShortToHold)
{
    // clang-format off
    const struct { const char *name; qint32 holdCount; qint16 hookPos, hookValue; } rows[] = {
        {"ClickNoPassSawThrowsStraight", 0, 0, 0},
        {"HeldButtonKeepsTheHook", 5, 0, -4},
        {"HeldButtonKeepsTheOtherHook", 1, 9, 5},
    };
    // clang-format on
    for (const auto &r : rows) {
        Game g;
        g.aim.StartPos = 2;
        g.aim.TargetPos = 6;
        g.aim.HookPos = r.hookPos;
        g.aim.HoldCount = r.holdCount;
        g.state = GameState::ThrowS;
        StartRoll(g);
        EXPECT_EQ(std::tuple(std::string(StateName(g.state)), g.roll.HookValue, g.roll.BallY, g.roll.BallVisible),
                  std::tuple(std::string("throw-t"), r.hookValue, 8.0f, true))
            << r.name;
    }
}

TEST(ThrowRules, OnlyTheSecondBallAfterASplitTopplesAPathNeighbour)
{
    // The ball felled path pin 9 leaning left (hook 2): pin 8 is down from
    // the first ball, so the neighbour that may fall is 7.
    // clang-format off
    const struct { const char *name, *sprit; bool first; const char *after; } rows[] = {
        {"SecondBallAfterASplit", "O", false, "2222221210"},
        {"SecondBallAfterNoSplit", " ", false, "2222220210"},
        {"FirstBall", "O", true, "2222220210"},
    };
    // clang-format on
    for (const auto &r : rows) {
        Game g;
        g.record = {"8", r.sprit};
        g.rack.FirstBallOfRack = r.first;
        SetRack(g.rack, "2222220210");
        g.roll.PathPins[2] = 9;
        g.roll.HookValue = 2;
        ToppleAfterSplit(g);
        EXPECT_EQ(States(g.rack), r.after) << r.name;
    }
}

TEST(ThrowRules, EndOfGameBoxAnnouncesANewPlaceAndAsksUnlessTheGameWasEnded)
{
    const QString placed = QStringLiteral("ハイスコアがでました！\r\nあなたは、1位にランキングされました。");
    const QString question = QStringLiteral("続けてゲームしますか？");
    // clang-format off
    const struct { const char *name; GameState state; qint16 place; QString text; bool question; } rows[] = {
        {"NotPlaced", GameState::ThrowE, 0, question, true},
        {"Placed", GameState::ThrowE, 1, placed + "\r\n" + question, true},
        {"EndedAndPlaced", GameState::GameOver, 1, placed, false},
        {"EndedNotPlaced", GameState::GameOver, 0, "", false},
    };
    // clang-format on
    for (const auto &r : rows) {
        Game g;
        g.state = r.state;
        const EndOfGameBox box = EndOfGameBoxFor(g, r.place);
        EXPECT_EQ(std::tuple(box.text, box.question), std::tuple(r.text, r.question)) << r.name;
    }
}

}  // namespace
