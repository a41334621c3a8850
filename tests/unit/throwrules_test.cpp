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
    // The ball as it left the lane: the record so far, whether it was a first
    // ball, the rack, its flags and the pins standing at the throw. Seen:
    // "record|split marks of this ball|mark", and "|over" when the record is
    // complete. How each ball is written is the score record's own test.
    // A first ball adds its leave (standing pins '1') to the stored leaves.
    // clang-format off
    const struct { const char *name, *record; bool first; const char *rack; bool strike, gutter; int standing; const char *seen; bool firstAfter; const char *leaves; } rows[] = {
        {"Spare", "7", false, "2222222111", false, false, 3, "7*| |*", false, "0000000111"},
        {"StrikeInFrameOne", "", true, "1111111111", false, false, 10, "! |  |!", false, "0000000000"},
        {"StrikeFlagWithPinsStanding", "", true, "1000000000", true, false, 10, "! |  |!", false, "0000000000"},
        {"Gutter", "", true, "0000000000", false, true, 10, "G| |-", true, "1111111111"},
        {"SplitLeaveOnAFirstBall", "", true, "1111110110", false, false, 10, "8|O|-", true, "0000001001"},
        // A typed-in ten fells every pin this roll; only those standing count.
        {"StrikeFlagCountsThoseStandingAtTheThrow", NINE "!7", false, "1111111111", true, false, 3, NINE "!73| |-|over", false, ""},
        {"NothingAfterTheLastBall", NINE "-1", true, "0000000111", false, false, 10, NINE "-1||-|over", true, ""},
    };
    // clang-format on
    for (const auto &r : rows) {
        SCOPED_TRACE(r.name);
        Game g;
        const bool second = r.leaves[0] != '\0' && !r.first;  // the rack's first ball is stored already
        g.record = {QString::fromLatin1(r.record), QString(qstrlen(r.record), u' '),
                    second ? QString::fromLatin1(r.leaves) : QString()};
        g.rack.FirstBallOfRack = r.first;
        SetRack(g.rack, r.rack);
        g.roll.StrikeFlag = r.strike;
        g.roll.GutterFlag = r.gutter;
        g.rack.standingAtThrow = r.standing;
        const BallCount count = countBall(g);
        const QString seen = g.record.szScore + u'|' + g.record.szSprit.mid(qstrlen(r.record)) + u'|' + "-*!"[int(count.mark)] +
                             (count.over ? "|over" : "");
        EXPECT_EQ(seen.toStdString(), r.seen);
        EXPECT_EQ(g.rack.FirstBallOfRack, r.firstAfter);
        EXPECT_EQ(g.record.leaves.toStdString(), r.leaves);
    }
}

TEST(ThrowRules, PrepareThrowAlternatesBallsAndRaisesAFreshRackForTheFirst)
{
    // newGame: the record is cleared first, as "init" does after a game that
    // ended on a first ball; its first ball still gets a fresh rack.
    // clang-format off
    const struct { const char *name; bool first, newGame; const char *rack, *after; int standing; } rows[] = {
        {"FirstBallGetsAFreshRack", false, false, "2221100110", "0000000000", 10},
        {"SecondBallKeepsTheStandingPins", true, false, "1110000001", "1110000001", 6},
        {"NewGameStartsOnAFreshRack", true, true, "1110000001", "0000000000", 10},
    };
    // clang-format on
    for (const auto &r : rows) {
        SCOPED_TRACE(r.name);
        Game g;
        g.rack.FirstBallOfRack = r.first;
        SetRack(g.rack, r.rack);
        g.aim = {5, 6, 7, -1, -1, -1, 9, true};
        if (r.newGame)
            clearRecord(g);
        prepareThrow(g);
        const bool fresh = r.after == std::string("0000000000");
        EXPECT_EQ(States(g.rack), r.after);
        for (int i = 0; i <= 10; ++i)
            EXPECT_EQ(g.rack.PinVisible[i], i == 0 ? fresh : r.after[i - 1] == '0') << "image " << i;
        EXPECT_EQ(std::pair(g.rack.FirstBallOfRack, g.rack.standingAtThrow), std::pair(fresh, r.standing));
        // The markers start again from row 0, moving down.
        const Aim &a = g.aim;
        EXPECT_EQ(std::vector<int>({a.StartPos, a.TargetPos, a.HookPos, a.StartDir, a.TargetDir, a.HookDir, a.HoldCount}),
                  std::vector<int>({0, 0, 0, 1, 1, 1, 0}));
    }
}

TEST(ThrowRules, StatesMoveOnButAGameOverRequestStands)
{
    Game g;
    g.setUpState(GameState::ThrowE);
    g.moveOn(GameState::NextThrow);
    EXPECT_EQ(g.state(), GameState::NextThrow);
    g.request(GameState::GameOver);  // chosen from the menu during a wait
    g.moveOn(GameState::NextThrow);
    EXPECT_EQ(g.state(), GameState::GameOver);
    g.setUpState(GameState::ThrowE);
    endGame(g, true);
    EXPECT_EQ(g.state(), GameState::Init);
    g.setUpState(GameState::ThrowE);
    endGame(g, false);
    EXPECT_EQ(g.state(), GameState::GameOver);
}

TEST(ThrowRules, StartRollThrowsStraightAfterAClickTooShortToHold)
{
    for (const qint32 holdCount : {0, 5}) {
        Game g;
        g.setUpState(GameState::ThrowS);
        g.aim.HookPos = 0;  // the strongest hook one way
        g.aim.HoldCount = holdCount;
        startRoll(g);
        EXPECT_EQ(std::tuple(g.state(), g.roll.HookValue, g.roll.BallVisible),
                  std::tuple(GameState::ThrowT, qint16(holdCount ? -4 : 0), true))
            << "held for " << holdCount << " passes";
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
        g.record = {"8", r.sprit, {}};
        g.rack.FirstBallOfRack = r.first;
        SetRack(g.rack, "2222220210");
        g.roll.PathPins[2] = 9;
        g.roll.HookValue = 2;
        toppleAfterSplit(g);
        EXPECT_EQ(States(g.rack), r.after) << r.name;
    }
}

TEST(ThrowRules, EndOfGameBoxAnnouncesANewPlaceAndAsksUnlessTheGameWasEnded)
{
    const QString placed = QStringLiteral("ハイスコアがでました！\r\nあなたは、1位にランキングされました。");
    const QString question = QStringLiteral("続けてゲームしますか？");
    // clang-format off
    const struct { const char *name; GameState state; int place; QString text; bool question; } rows[] = {
        {"NotPlaced", GameState::ThrowE, 0, question, true},
        {"Placed", GameState::ThrowE, 1, placed + "\r\n" + question, true},
        {"EndedAndPlaced", GameState::GameOver, 1, placed, false},
        {"EndedNotPlaced", GameState::GameOver, 0, "", false},
    };
    // clang-format on
    for (const auto &r : rows) {
        Game g;
        g.setUpState(r.state);
        const EndOfGameBox box = endOfGameBoxFor(g, r.place);
        EXPECT_EQ(std::tuple(box.text, box.question), std::tuple(r.text, r.question)) << r.name;
    }
}

}  // namespace
