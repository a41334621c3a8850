// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "game/commandline.h"
#include "game/debuganswer.h"
#include "game/laneinput.h"
#include "game/loop.h"
#include "game/throwrules.h"
#include "lane/timing.h"
#include "platform/pacer.h"
#include "unit/rackstates.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <gtest/gtest.h>
#include <string>
#include <tuple>

namespace {

std::string Name(GameState state) { return stateName(state); }

TEST(CommandLine, MustBeExactlyOneSwitch)
{
    const std::tuple<const char *, bool, bool> rows[] = {// arguments, debug mode, score sheet only
                                                         {"-x", true, true},  {"/X", true, true},  {"-X extra", false, false},
                                                         {"", false, false},  {"-D", true, false}, {"/d", true, false},
                                                         {"-Y", false, false}};
    for (const auto &[args, debugMode, scoreSheetOnly] : rows) {
        const CommandLineSwitches s = parseCommandLine(QString::fromLatin1(args));
        EXPECT_EQ(std::pair(s.debugMode, s.scoreSheetOnly), std::pair(debugMode, scoreSheetOnly)) << '"' << args << '"';
    }
}

// Racks are the states of pins 1..10; an image is visible while its pin
// stands, except after the split answer, which hides every image.
TEST(DebugAnswer, FellsTheFirstStandingPins)
{
    const std::tuple<const char *, const char *, const char *, bool, bool, const char *> rows[] = {
        // rack before, answer, rack after, strike, gutter, state after
        {"0000000000", "3", "1110000000", false, false, "throw-e"},
        {"1110000000", "4", "2221111000", false, false, "throw-e"},  // counts four more
        {"1111111000", "10", "2222222222", true, false, "throw-e"},
        {"0000000000", "-2", "1111110110", false, false, "throw-e"},  // the split: 7 and 10 stand
        {"1111100000", "-2", "2222210110", false, false, "throw-e"},
        {"0000001000", "-2", "1111112110", false, false, "throw-e"},
        {"1110000000", "-1", "1110000000", false, false, "game-over"},
        {"1100000000", "", "2200000000", false, true, "throw-e"},
        {"0000000000", "1e9", "1111111111", false, false, "throw-e"},
        {"1110000000", "-1e9", "2220000000", false, false, "throw-e"},
        {"0000000000", "　３", "1110000000", false, false, "throw-e"},  // full-width space and digit
        {"1110000000", "－１", "1110000000", false, false, "game-over"},
    };
    for (const auto &[before, answer, after, strike, gutter, state] : rows) {
        SCOPED_TRACE(answer);
        Game g;
        g.setUpState(GameState::Debug);
        SetRack(g.rack, before);
        g.roll.StrikeFlag = g.roll.GutterFlag = true;
        g.roll.NextPin = 10;
        applyDebugAnswer(g, QString::fromUtf8(answer));
        for (int p = 1; p <= 10; ++p)
            EXPECT_EQ(g.rack.PinVisible[p], g.rack.PinState[p] == 0 && qstrcmp(answer, "-2") != 0) << "pin " << p;
        EXPECT_EQ(std::tuple(States(g.rack), g.roll.StrikeFlag, g.roll.GutterFlag, g.roll.NextPin, Name(g.state())),
                  std::tuple(after, strike, gutter, qint16(1), std::string(state)));
    }
}

// The throw button's press may open the menu; the score button's shows or
// hides the sheet ("reacts").
TEST(LaneInput, ButtonsRecordAStateOrAFlagAndAreIgnoredUnderABalloon)
{
    enum Press { ThrowDown, ThrowUp, Score };
    const std::tuple<Press, GameState, bool, bool, bool, const char *, bool, bool> rows[] = {
        // press, state, right button, balloon up, held before; state after, held after, reacts
        {ThrowDown, GameState::Location1, false, false, false, "location2", false, false},
        {ThrowDown, GameState::Location2, false, false, false, "location3", true, false},
        {ThrowDown, GameState::ThrowT, false, false, false, "throw-t", false, false},
        {ThrowDown, GameState::Location2, true, false, false, "location2", false, true},
        {ThrowDown, GameState::StartWait, true, true, false, "start-wait", false, false},
        {ThrowUp, GameState::Location3, false, false, true, "throw-s", false, false},
        {ThrowUp, GameState::Location3, true, false, true, "location3", false, false},
        {ThrowUp, GameState::Location4, false, false, true, "location4", false, false},
        {ThrowUp, GameState::Location3, false, true, true, "location3", true, false},
        {Score, GameState::Location1, false, false, false, "location1", false, true},
        {Score, GameState::Location1, true, false, false, "location1", false, false},
        {Score, GameState::StartWait, false, true, false, "start-wait", false, false},
    };
    int row = 0;
    for (const auto &[press, state, right, balloon, held, after, heldAfter, reacts] : rows) {
        Game g;
        g.setUpState(state);
        g.BalloonBusy = balloon;
        g.aim.ButtonHeld = held;
        bool reacted = false;
        if (press == ThrowDown)
            reacted = throwButtonDown(g, right);
        else if (press == ThrowUp)
            throwButtonUp(g, right);
        else
            reacted = scoreButtonToggles(g, !right);
        EXPECT_EQ(std::tuple(Name(g.state()), g.aim.ButtonHeld, reacted), std::tuple(std::string(after), heldAfter, reacts))
            << "row " << row++;
    }
    // An aiming marker turns only after leaving the rows 0..8.
    const std::tuple<qint16, qint16, qint16, qint16> steps[] = {
        {0, 1, 1, 1}, {8, 1, 9, -1}, {9, -1, 8, -1}, {0, -1, -1, 1}, {-1, 1, 0, 1}};
    for (auto [pos, dir, posAfter, dirAfter] : steps) {
        stepAim(pos, dir);
        EXPECT_EQ(std::pair(pos, dir), std::pair(posAfter, dirAfter));
    }
}

// Nine open frames, so that a row can show only its tenth frame.
#define NINE "9-9-9-9-9-9-9-9-9-"

TEST(ThrowRules, CountBallWritesTheRecordAndTellsTheMark)
{
    // The ball as it left the lane: the record so far, whether it was a first
    // ball, the rack, its flags and the pins standing at the throw. Seen:
    // "record|split marks of this ball|mark", and "|over" when the record is
    // complete. A first ball adds its leave (standing pins '1') to the leaves.
    const std::tuple<const char *, bool, const char *, bool, bool, int, const char *, bool, const char *> rows[] = {
        {"7", false, "2222222111", false, false, 3, "7*| |*", false, "0000000111"},
        {"", true, "1111111111", false, false, 10, "! |  |!", false, "0000000000"},
        {"", true, "1000000000", true, false, 10, "! |  |!", false, "0000000000"},  // the strike flag, pins standing
        {"", true, "0000000000", false, true, 10, "G| |-", true, "1111111111"},
        {"", true, "1111110110", false, false, 10, "8|O|-", true, "0000001001"},
        // A typed-in ten fells every pin this roll; only those standing count.
        {NINE "!7", false, "1111111111", true, false, 3, NINE "!73| |-|over", false, ""},
        {NINE "-1", true, "0000000111", false, false, 10, NINE "-1||-|over", true, ""},  // nothing after the last ball
    };
    for (const auto &[record, first, rack, strike, gutter, standing, seen, firstAfter, leaves] : rows) {
        SCOPED_TRACE(seen);
        Game g;
        const bool second = leaves[0] != '\0' && !first;  // the rack's first ball is stored already
        g.record = {record, QString(qstrlen(record), u' '), second ? QString::fromLatin1(leaves) : QString()};
        g.rack.FirstBallOfRack = first;
        SetRack(g.rack, rack);
        g.roll.StrikeFlag = strike;
        g.roll.GutterFlag = gutter;
        g.rack.standingAtThrow = standing;
        const BallCount count = countBall(g);
        EXPECT_EQ((g.record.szScore + u'|' + g.record.szSprit.mid(qstrlen(record)) + u'|' + "-*!"[int(count.mark)] +
                   (count.over ? "|over" : ""))
                      .toStdString(),
                  seen);
        EXPECT_EQ(std::pair(g.rack.FirstBallOfRack, g.record.leaves.toStdString()), std::pair(firstAfter, std::string(leaves)));
    }
}

// A first ball gets a fresh rack, a second keeps the standing pins; a new
// game's record is cleared first, as "init" does after a game that ended on
// a first ball, and its first ball still gets a fresh rack.
TEST(ThrowRules, PrepareThrowAlternatesBallsAndRaisesAFreshRackForTheFirst)
{
    const std::tuple<bool, bool, const char *, const char *, int> rows[] = {
        {false, false, "2221100110", "0000000000", 10},  // first before, new game, rack, rack after, standing
        {true, false, "1110000001", "1110000001", 6},
        {true, true, "1110000001", "0000000000", 10},
    };
    for (const auto &[first, newGame, rack, after, standing] : rows) {
        SCOPED_TRACE(after);
        Game g;
        g.rack.FirstBallOfRack = first;
        SetRack(g.rack, rack);
        g.aim = {5, 6, 7, -1, -1, -1, 9, true};
        if (newGame)
            clearRecord(g);
        prepareThrow(g);
        const bool fresh = after == std::string("0000000000");
        EXPECT_EQ(States(g.rack), after);
        for (int i = 0; i <= 10; ++i)
            EXPECT_EQ(g.rack.PinVisible[i], i == 0 ? fresh : after[i - 1] == '0') << "image " << i;
        EXPECT_EQ(std::pair(g.rack.FirstBallOfRack, g.rack.standingAtThrow), std::pair(fresh, standing));
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
    for (const bool playOn : {true, false}) {
        g.setUpState(GameState::ThrowE);
        endGame(g, playOn);
        EXPECT_EQ(g.state(), playOn ? GameState::Init : GameState::GameOver);
    }
    // A click too short to hold throws straight.
    for (const qint32 holdCount : {0, 5}) {
        g.setUpState(GameState::ThrowS);
        g.aim.HookPos = 0;  // the strongest hook one way
        g.aim.HoldCount = holdCount;
        startRoll(g);
        EXPECT_EQ(std::tuple(g.state(), g.roll.HookValue, g.roll.BallVisible),
                  std::tuple(GameState::ThrowT, qint16(holdCount ? -4 : 0), true));
    }
}

TEST(ThrowRules, OnlyTheSecondBallAfterASplitTopplesAPathNeighbour)
{
    // The ball felled path pin 9 leaning left (hook 2): pin 8 is down from
    // the first ball, so the neighbour that may fall is 7.
    const std::tuple<const char *, bool, const char *> rows[] = {
        {"O", false, "2222221210"}, {" ", false, "2222220210"}, {"O", true, "2222220210"}};  // split mark, first ball
    for (const auto &[sprit, first, after] : rows) {
        Game g;
        g.record = {"8", sprit, {}};
        g.rack.FirstBallOfRack = first;
        SetRack(g.rack, "2222220210");
        g.roll.PathPins[2] = 9;
        g.roll.HookValue = 2;
        toppleAfterSplit(g);
        EXPECT_EQ(States(g.rack), after) << sprit << first;
    }
}

TEST(ThrowRules, EndOfGameBoxAnnouncesANewPlaceAndAsksUnlessTheGameWasEnded)
{
    const QString placed = QStringLiteral("ハイスコアがでました！\r\nあなたは、1位にランキングされました。");
    const QString question = QStringLiteral("続けてゲームしますか？");
    const std::tuple<GameState, int, QString, bool> rows[] = {
        {GameState::ThrowE, 0, question, true},
        {GameState::ThrowE, 1, placed + "\r\n" + question, true},
        {GameState::GameOver, 1, placed, false},  // ended from the menu
        {GameState::GameOver, 0, "", false},
    };
    for (const auto &[state, place, text, asks] : rows) {
        Game g;
        g.setUpState(state);
        const EndOfGameBox box = endOfGameBoxFor(g, place);
        EXPECT_EQ(std::tuple(box.text, box.question), std::tuple(text, asks)) << place;
    }
}

// A branch for every state but "start-wait", as the game has; each one notes
// its state's name and moves the game on to "start", except that the start
// marker runs on in "location1" as aiming does.
BranchTable Recording(Game &g, std::string &ran)
{
    BranchTable table;
    for (int i = 0; i < kGameStates; ++i)
        if (static_cast<GameState>(i) != GameState::StartWait)
            table[static_cast<size_t>(i)] = [&g, &ran, i] {
                ran += stateName(static_cast<GameState>(i));
                if (g.state() != GameState::Location1)
                    g.setUpState(GameState::Start);
            };
    return table;
}

TEST(Loop, APassRunsOnlyTheCurrentStatesBranchOrRestsUntilAnEvent)
{
    const std::tuple<GameState, bool, const char *, const char *, bool, bool> rows[] = {
        // state, session ended; branch run, state after, loop goes on, pass rests
        {GameState::Location1, false, "location1", "location1", true, false},
        {GameState::ThrowE, false, "throw-e", "start", true, false},
        {GameState::StartWait, false, "", "start-wait", true, true},
        {GameState::End, false, "", "end", false, false},
        {GameState::ThrowT, true, "", "end", false, false},
    };
    for (const auto &[state, endRequested, ran, after, goesOn, rests] : rows) {
        SCOPED_TRACE(Name(state));
        Game g;
        Pacer pacer;
        std::string branch;
        g.setUpState(state);
        g.EndRequested = endRequested;
        bool woken = false;  // the event that ends a rest
        const QObject wakeScope;
        QTimer::singleShot(200, &wakeScope, [&woken] { woken = true; });
        EXPECT_EQ(runPass(g, pacer, Recording(g, branch)), goesOn);
        EXPECT_EQ(std::tuple(branch, woken, Name(g.state())), std::tuple(std::string(ran), rests, std::string(after)));
    }
    // A pass lasts at least LoopDelay on the tick count.
    Game g;
    Pacer pacer;
    std::string ran;
    qint64 now = 1000;  // moves on at every reading
    pacer.setTickSource([&now] { return now += 20; });
    g.setUpState(GameState::Location1);
    g.LoopDelay = 50;
    runPass(g, pacer, Recording(g, ran));
    EXPECT_GE(now - 1020, 50);
}

TEST(Loop, WaitLastsItsTimeHandlesEventsEndsWithTheSessionAndIsSkippedInDebugMode)
{
    Game g;
    Pacer pacer;
    for (int ms : {0, 30}) {
        bool handled = false;
        QMetaObject::invokeMethod(
            QCoreApplication::instance(), [&handled] { handled = true; }, Qt::QueuedConnection);
        // The wait ends when the tick count has moved on by its time, which
        // may be up to a millisecond sooner than `ms` after the call.
        const qint64 start = pacer.GetTickCount();
        Wait(g, pacer, ms);
        EXPECT_GE(pacer.GetTickCount() - start, ms);
        EXPECT_TRUE(handled) << ms;
    }
    // The session's end, noted during a long wait, cuts it short.
    const QObject endScope;
    QTimer::singleShot(50, &endScope, [&g] { g.EndRequested = true; });
    QElapsedTimer t;
    t.start();
    Wait(g, pacer, 5000);
    EXPECT_LT(t.elapsed(), 1000);
    // A rest ends with an event already pending; only a late timer would wake
    // a rest that ignored it.
    QTimer late;
    late.start(2000);
    bool handled = false;
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [&handled] { handled = true; }, Qt::QueuedConnection);
    t.start();
    pacer.waitForEvent();
    EXPECT_TRUE(handled && t.elapsed() < 1000);
    g.DebugMode = true;
    int readings = 0;
    pacer.setTickSource([&readings] { return ++readings; });
    Wait(g, pacer, 2000);
    EXPECT_EQ(readings, 0);
}

}  // namespace
