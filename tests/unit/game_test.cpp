// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "common/scriptedrandom.h"
#include "game/commandline.h"
#include "game/debuganswer.h"
#include "game/laneinput.h"
#include "game/loop.h"
#include "game/throwrules.h"
#include "lane/ballmotion.h"
#include "lane/framelabel.h"
#include "lane/lanemodel.h"
#include "lane/pinboardsequence.h"
#include "lane/pinmodel.h"
#include "lane/timing.h"
#include "platform/pacer.h"
#include "shapes/mod_RGN_Data.h"
#include "shapes/popregiondata.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QStringList>
#include <QTimer>
#include <cmath>
#include <gtest/gtest.h>
#include <string>
#include <tuple>

namespace {

// A rack written as the states of pins 1..10, e.g. "1110000000": 0 standing,
// 1 felled by this ball, 2 felled earlier. An image is visible while its pin stands.
void SetRack(Rack &rack, const char *states)
{
    for (int p = 1; p <= 10; ++p)
        rack.PinVisible[p] = (rack.PinState[p] = static_cast<qint16>(states[p - 1] - '0')) == 0;
}

std::string States(const Rack &rack)
{
    std::string s;
    for (int p = 1; p <= 10; ++p)
        s += static_cast<char>('0' + rack.PinState[p]);
    return s;
}

std::string Name(GameState state) { return stateName(state); }

// Arguments, debug mode, score sheet only.
TEST(CommandLine, MustBeExactlyOneSwitch)
{
    const std::tuple<const char *, bool, bool> rows[] = {{"-x", true, true},  {"/X", true, true},  {"-X extra", false, false},
                                                         {"", false, false},  {"-D", true, false}, {"/d", true, false},
                                                         {"-Y", false, false}};
    for (const auto &[args, debugMode, scoreSheetOnly] : rows) {
        const CommandLineSwitches s = parseCommandLine(QString::fromLatin1(args));
        EXPECT_EQ(std::pair(s.debugMode, s.scoreSheetOnly), std::pair(debugMode, scoreSheetOnly)) << '"' << args << '"';
    }
}

// Rack before, answer, rack after, strike, gutter, state after. The split
// answer hides every image.
TEST(DebugAnswer, FellsTheFirstStandingPins)
{
    const std::tuple<const char *, const char *, const char *, bool, bool, const char *> rows[] = {
        {"0000000000", "3", "1110000000", false, false, "throw-e"},
        {"1110000000", "4", "2221111000", false, false, "throw-e"},  // counts four more
        {"1111111000", "10", "2222222222", true, false, "throw-e"},
        {"0000000000", "-2", "1111110110", false, false, "throw-e"},  // the split: 7 and 10 stand
        {"1111100000", "-2", "2222210110", false, false, "throw-e"},
        {"0000001000", "-2", "1111112110", false, false, "throw-e"},
        {"1110000000", "-1", "1110000000", false, false, "game-over"},
        {"1100000000", "", "2200000000", false, true, "throw-e"},
        {"0000000000", ".6", "1000000000", false, false, "throw-e"},
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

// Press, state, right button, balloon up, held; state, held after, reacts: the
// throw button's press opens the menu, the score button's toggles the sheet.
TEST(LaneInput, ButtonsRecordAStateOrAFlagAndAreIgnoredUnderABalloon)
{
    enum Press { ThrowDown, ThrowUp, Score };
    const std::tuple<const char *, Press, GameState, bool, bool, bool, const char *, bool, bool> rows[] = {
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
    for (const auto &[name, press, state, right, balloon, held, after, heldAfter, reacts] : rows) {
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
            << name;
    }
}

#define NINE "9-9-9-9-9-9-9-9-9-"

TEST(ThrowRules, CountBallWritesTheRecordAndTellsTheMark)
{
    // The record so far, first ball, rack, strike and gutter flags, pins standing at the throw; seen:
    // "record|split marks of this ball|mark" and "|over" when complete; first ball after, leaves
    // after (a first ball adds its leave, standing pins '1').
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
        const QString marks = g.record.szSprit.mid(qstrlen(record)) + u'|' + "-*!"[int(count.mark)];
        EXPECT_EQ((g.record.szScore + u'|' + marks + (count.over ? "|over" : "")).toStdString(), seen);
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
        const bool fresh = !qstrcmp(after, "0000000000");
        EXPECT_EQ(std::tuple(States(g.rack), g.rack.FirstBallOfRack, g.rack.standingAtThrow), std::tuple(after, fresh, standing));
        for (int i = 0; i <= 10; ++i)
            EXPECT_EQ(g.rack.PinVisible[i], i == 0 ? fresh : after[i - 1] == '0') << "image " << i;
        const Aim &a = g.aim;  // the markers start again from row 0, moving down
        EXPECT_EQ(std::vector<int>({a.StartPos, a.TargetPos, a.HookPos, a.StartDir, a.TargetDir, a.HookDir, a.HoldCount}),
                  std::vector<int>({0, 0, 0, 1, 1, 1, 0}));
    }
}

TEST(ThrowRules, OnlyTheSecondBallAfterASplitTopplesAPathNeighbour)
{
    const std::tuple<const char *, bool, const char *, qint16, qint16, const char *> rows[] = {
        {"O", false, "0000001000", -2, 7, "0000001100"},
        {"O", false, "0000001100", -2, 7, "0000001100"},  // stops at a pin felled this roll
        {"O", false, "0000210000", 2, 6, "0001210000"},   // skips pins down earlier
        {"O", false, "0001000000", 2, 4, "0001000000"},   // the row ends before the other row
        {"O", false, "0000001000", -1, 7, "0000001000"},  // a small hook topples nothing
        {"O", false, "0000002000", -2, 7, "0000002000"},  // the path pin fell earlier
        {" ", false, "0000001000", -2, 7, "0000001000"},  // no split
        {"O", true, "0000001000", -2, 7, "0000001000"},
    };
    for (const auto &[sprit, first, before, hook, pathPin, after] : rows) {
        Game g;
        ScriptedRandom draws(g.random, {0.9999}, true);
        g.record = {"8", sprit, {}};
        g.rack.FirstBallOfRack = first;
        SetRack(g.rack, before);
        g.roll.PathPins[2] = pathPin;
        g.roll.HookValue = hook;
        toppleAfterSplit(g);
        EXPECT_EQ(States(g.rack), after) << before << sprit << first;
    }
}

// The box's texts where the game asks or announces are the throw sequence's
// widget test; a game ended from the menu that did not place shows none.
TEST(ThrowRules, NoEndOfGameBoxForAnEndedGameThatDidNotPlace)
{
    Game g;
    g.setUpState(GameState::GameOver);
    EXPECT_EQ(endOfGameBoxFor(g, 0).text, "");
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

// An event posted now, noted in `handled` when it is handled.
void Post(bool &handled)
{
    handled = false;
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [&handled] { handled = true; }, Qt::QueuedConnection);
}

TEST(Loop, APassRunsOnlyTheCurrentStatesBranchOrRestsUntilAnEventAndWaitsLastTheirTime)
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
    pacer.setTickSource({});
    bool handled = false;
    for (int ms : {0, 30}) {
        Post(handled);
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
    Post(handled);
    t.start();
    pacer.waitForEvent();
    EXPECT_TRUE(handled && t.elapsed() < 1000);
    g.DebugMode = true;
    int readings = 0;
    pacer.setTickSource([&readings] { return ++readings; });
    Wait(g, pacer, 2000);
    EXPECT_EQ(readings, 0);
}

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

TEST(BallMotion, RollsStartFreshAndReachRowsAndGutterWhereExpected)
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
    // A roll starts fresh from the caught positions.
    g.roll.GutterFlag = g.roll.StrikeFlag = true;
    g.roll.PathPins[0] = 5;
    beginRoll(g, {9, 4, 4});
    EXPECT_TRUE(r.BallDrawnTop == 22.0f && !r.GutterFlag && !r.StrikeFlag && r.PathPins[0] == 0 && r.NextPin == 1);
    for (int p = -1; p <= 9; ++p) {  // start and hook positions, with the overshoot caught at a turn
        beginRoll(g, {p, 4, p});
        EXPECT_TRUE(r.BallY == 2 * p + 4 && r.HookValue == p - 4) << p;
    }
    // A click too short to hold throws straight.
    for (const qint32 holdCount : {0, 5}) {
        g.setUpState(GameState::ThrowS);
        g.aim.HookPos = 0;  // the strongest hook one way
        g.aim.HoldCount = holdCount;
        startRoll(g);
        EXPECT_EQ(std::tuple(g.state(), r.HookValue, r.BallVisible),
                  std::tuple(GameState::ThrowT, qint16(holdCount ? -4 : 0), true));
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

TEST(PinModel, IsSplitOnNamedLeaves)
{
    // Leaves are the standing pins; every other pin is down.
    const std::pair<const char *, bool> rows[] = {
        {"7-10", true},   {"4-6", true},      {"5-7", true},
        {"2-3", true},    {"8-9", true},      {"3-4-5-6-7-8-9-10", true},
        {"2-4", false},   {"2-4-7-8", false}, {"4-6-7-10", false},
        {"5", false},     {"1-7-10", false},  {"", false},
        {"2-6-10", true}, {"6-8-10", true},   {"4-7-9", true},
        {"2-4-10", true}, {"7-8", true},      {"4-8", false},
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

TEST(PinBoard, LampsFollowTheStandingPinsTheLastMarkBlinksAndTheFrameShows)
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
    // The frame label stays at ten for the bonus balls.
    const QString nine = QStringLiteral("9-").repeated(9);
    EXPECT_EQ(QStringList({frameLabelFor(""), frameLabelFor("! 9"), frameLabelFor(nine.left(16)), frameLabelFor(nine),
                           frameLabelFor(nine + "!!")}),
              QStringList({"F-01", "F-02", "F-09", "F-10", "F-10"}));
}

const RegionTable kRegions = BuildRegionData();
const PopRegionTable kPopRegions = BuildPopRegionData();

// The header agrees with the rectangles, which lie within the bounds in band
// order: a band's rectangles share their rows and run left to right without
// overlap. Whether each outline matches its picture is the assets test's.
template <int Capacity>
void ExpectWellFormed(const RegionRecordOf<Capacity> &record)
{
    const RegionHeader &h = record.rdh;
    EXPECT_TRUE(h.rcBound.left == 0 && h.rcBound.top == 0 && h.nCount > 0);
    const std::vector<QRect> rects = regionRects(record).value_or(std::vector<QRect>{});
    ASSERT_EQ(rects.size(), h.nCount);
    for (size_t i = 0; i < rects.size(); ++i) {
        const QRect &r = rects[i], &p = rects[i ? i - 1 : 0];
        EXPECT_TRUE(QRect(0, 0, h.rcBound.right, h.rcBound.bottom).contains(r)) << "rect " << i;
        EXPECT_TRUE(i == 0 || (r.top() == p.top() ? r.bottom() == p.bottom() && r.left() > p.right() : r.top() > p.bottom()))
            << "band order at rect " << i;
    }
}

TEST(RegionData, FilledRecordsAreWellFormedAndTheLastIsEmpty)
{
    for (int shape = kShapeSolidLane; shape < kShapeNone; ++shape) {
        SCOPED_TRACE(shape);
        ExpectWellFormed(kRegions[shape]);
        ExpectWellFormed(kPopRegions[shape]);
    }
    EXPECT_FALSE(regionRects(kRegions[kShapeNone]).has_value() || regionRects(kPopRegions[kShapeNone]).has_value());
}

}  // namespace
