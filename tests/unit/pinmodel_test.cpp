#include "common/scriptedrandom.h"
#include "game/gamevars.h"
#include "lane/ballmotion.h"
#include "lane/pinmodel.h"

#include <gtest/gtest.h>
#include <QStringList>
#include <vector>

namespace {

// A rack is written as the states of pins 1..10, e.g. "1110000000"; a pin
// image is visible exactly while its pin stands.
void SetRack(const char *states)
{
    ResetGameVars();
    for (int p = 1; p <= 10; ++p) {
        PinState[p] = static_cast<qint16>(states[p - 1] - '0');
        PinVisible[p] = PinState[p] == 0;
    }
}

std::string Rack()
{
    std::string s;
    for (int p = 1; p <= 10; ++p)
        s += static_cast<char>('0' + PinState[p]);
    return s;
}

// A leave is written as its standing pins, "6-7-10"; every other pin is down.
void SetLeave(const char *leave)
{
    SetRack("1111111111");
    for (const QString &pin : QString::fromLatin1(leave).split(u'-', Qt::SkipEmptyParts))
        PinState[pin.toInt()] = 0;
}

void PlaceBallCentre(int centre) { BallDrawnTop = static_cast<float>(centre - kBallSize / 2); }

TEST(PinChance, LimitsAndHeadPinOdds)
{
    ScriptedRandom draws({0.955, 0.965, 0.9999, 0.9999, 0.09, 0.11});
    EXPECT_TRUE(Chance(100, 95));
    EXPECT_FALSE(Chance(100, 95));
    EXPECT_TRUE(Chance(100, 99));
    EXPECT_TRUE(Chance(100, 100));
    EXPECT_TRUE(HeadPinStrikeChance());
    EXPECT_FALSE(HeadPinStrikeChance());
}

struct FallCase
{
    const char *name;
    const char *rack;
    bool strike;
    int centre;
    int pin;
    std::vector<double> draws;
    qint16 stateAfter;
    bool strikeAfter;
};

class PinFall : public ::testing::TestWithParam<FallCase> {};

TEST_P(PinFall, DecidesByFlagLineAndSupports)
{
    const FallCase &c = GetParam();
    SetRack(c.rack);
    StrikeFlag = c.strike ? kTrue : kFalse;
    PlaceBallCentre(c.centre);
    ScriptedRandom draws(c.draws);
    DecidePinFall(c.pin, kSupports[c.pin]);
    EXPECT_EQ(PinState[c.pin], c.stateAfter);
    EXPECT_EQ(PinVisible[c.pin], c.stateAfter == 0);
    EXPECT_EQ(StrikeFlag == kTrue, c.strikeAfter);
    EXPECT_EQ(draws.used(), c.draws.size());
}

INSTANTIATE_TEST_SUITE_P(
    Branches, PinFall,
    ::testing::Values(
        FallCase{"StrikeFlagFellsPinFarFromBall", "0000000000", true, 0, 7, {}, 1, true},
        FallCase{"UnsupportedMissJustAboveBand", "0000000000", false, 15, 7, {}, 0, false},
        FallCase{"UnsupportedHitTopOfBand", "0000000000", false, 16, 7, {0.9999}, 1, false},
        FallCase{"UnsupportedHitBottomOfBand", "0000000000", false, 12, 10, {0.5}, 1, false},
        FallCase{"UnsupportedMissJustBelowBand", "0000000000", false, 13, 10, {}, 0, false},
        FallCase{"HeadPinHitMakesSureStrike", "0000000000", false, 15, 1, {0.5, 0.09}, 1, true},
        FallCase{"HeadPinHitWithoutStrike", "0000000000", false, 15, 1, {0.5, 0.11}, 1, false},
        FallCase{"OtherPinHitDrawsNoStrike", "0000000000", false, 15, 2, {0.5}, 1, false},
        FallCase{"SupportedDirectHit", "0000000000", false, 15, 5, {0.9999}, 1, false},
        FallCase{"SupportedMiss", "0000000000", false, 9, 5, {}, 0, false},
        FallCase{"SupportDownEarlierDoesNotCount", "2220000000", false, 9, 5, {}, 0, false},
        FallCase{"SupportFellAnyLineLucky", "1000000000", false, 0, 5, {0.955}, 1, false},
        FallCase{"SupportFellDirectHitUnlucky", "0100000000", false, 15, 5, {0.965}, 0, false}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(PinReached, PinFromFirstBallIsPassedWithoutCounting)
{
    SetRack("1200000000");
    ScriptedRandom draws({});
    PinReached(1);
    PinReached(2);
    EXPECT_EQ(Rack(), "2200000000");
}

struct StraightCase
{
    const char *name;
    const char *rackBefore;
    std::vector<double> draws;
    const char *rackAfter;
    bool strike;
};

class StraightBall : public ::testing::TestWithParam<StraightCase> {};

TEST_P(StraightBall, FellsPinsAlongCentreLine15)
{
    const StraightCase &c = GetParam();
    SetRack(c.rackBefore);
    ScriptedRandom draws(c.draws);
    BeginRoll(4, 4, 4);
    GameState = State::ThrowT;
    while (GameState == State::ThrowT)
        StepBall();
    EXPECT_EQ(Rack(), c.rackAfter);
    EXPECT_EQ(StrikeFlag == kTrue, c.strike);
    EXPECT_EQ(std::vector<qint16>(PathPins, PathPins + 3), (std::vector<qint16>{3, 5, 9}));
    EXPECT_EQ(draws.used(), c.draws.size());
}

// Draw order on a full rack: pin 1, head-pin strike, pins 2, 3, 4, 5, 8, 9.
INSTANTIATE_TEST_SUITE_P(
    Leaves, StraightBall,
    ::testing::Values(
        StraightCase{"UsualLeave6_7_10", "0000000000", {.5, .5, .5, .5, .5, .5, .5, .5}, "1111100110", false},
        StraightCase{"Pin5StandsPin9HitDirectly", "0000000000", {.5, .5, .5, .5, .5, .965, .5, .9999}, "1111000110", false},
        StraightCase{"Pin8Stands", "0000000000", {.5, .5, .5, .5, .5, .5, .965, .5}, "1111100010", false},
        StraightCase{"HeadPinStrike", "0000000000", {.5, .09}, "1111111111", true},
        // Pins 1-3 from the first ball are passed; pin 5 then needs a direct hit.
        StraightCase{"SecondBallAfterThree", "1110000000", {.5, .965, .5, .5}, "2221100110", false}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(PinModel, GutterBallFellsNothing)
{
    SetRack("0000000000");
    ScriptedRandom draws({});
    BeginRoll(0, 8, 8);
    GameState = State::ThrowT;
    while (GameState == State::ThrowT)
        StepBall();
    EXPECT_EQ(Rack(), "0000000000");
}

TEST(PinModel, StraightBallStrikesAboutOnceInTen)
{
    SeedRandom(20240506);
    int strikes = 0;
    constexpr int kRolls = 4000;
    for (int i = 0; i < kRolls; ++i) {
        SetRack("0000000000");
        BeginRoll(4, 4, 4);
        GameState = State::ThrowT;
        while (GameState == State::ThrowT)
            StepBall();
        strikes += Rack() == "1111111111" ? 1 : 0;
    }
    EXPECT_GT(strikes, kRolls * 7 / 100);
    EXPECT_LT(strikes, kRolls * 13 / 100);
}

struct ToppleCase
{
    const char *name;
    const char *rackBefore;
    qint16 hook;
    int pathPin;
    const char *rackAfter;
};

class Topple : public ::testing::TestWithParam<ToppleCase> {};

TEST_P(Topple, KnocksFirstStandingNeighbourAwayFromHook)
{
    const ToppleCase &c = GetParam();
    SetRack(c.rackBefore);
    HookValue = c.hook;
    ScriptedRandom draws = ScriptedRandom::repeating(0.9999);
    TopplePathNeighbour(c.pathPin);
    EXPECT_EQ(Rack(), c.rackAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Neighbours, Topple,
    ::testing::Values(ToppleCase{"Pin7HookMinus2Topples8", "0000001000", -2, 7, "0000001100"},
                      ToppleCase{"SkipsPinDownEarlier", "0000001200", -2, 7, "0000001210"},
                      ToppleCase{"SkipsTwoPinsDownEarlier", "0000001220", -4, 7, "0000001221"},
                      ToppleCase{"StopsAtPinFelledThisRoll", "0000001100", -2, 7, "0000001100"},
                      ToppleCase{"Pin9HookPlus2Topples8", "0000000010", 2, 9, "0000000110"},
                      ToppleCase{"Pin6SkipsTo4", "0000210000", 3, 6, "0001210000"},
                      ToppleCase{"Pin2LooksAt3", "0100000000", -3, 2, "0110000000"},
                      ToppleCase{"RowEndsBeforeOtherRow", "0001000000", 2, 4, "0001000000"},
                      ToppleCase{"Pin10HasNoHigherNeighbour", "0000000001", -2, 10, "0000000001"},
                      ToppleCase{"SmallHookTopplesNothing", "0000001000", -1, 7, "0000001000"},
                      ToppleCase{"PathPinNotFelledThisRoll", "0000002000", -2, 7, "0000002000"},
                      ToppleCase{"NoPathPin", "0000000000", -2, 0, "0000000000"}),
    [](const auto &info) { return std::string(info.param.name); });

struct SplitCase
{
    const char *name;
    const char *leave;
    bool split;
};

class Split : public ::testing::TestWithParam<SplitCase> {};

TEST_P(Split, RecognisesIsolatedPinsAndGaps)
{
    SetLeave(GetParam().leave);
    EXPECT_EQ(IsSplit(), GetParam().split);
}

INSTANTIATE_TEST_SUITE_P(
    Leaves, Split,
    ::testing::Values(SplitCase{"S7_10", "7-10", true}, SplitCase{"S4_6", "4-6", true},
                      SplitCase{"S2_7", "2-7", true}, SplitCase{"S5_7", "5-7", true},
                      SplitCase{"S6_7", "6-7", true}, SplitCase{"S6_7_10", "6-7-10", true},
                      SplitCase{"GapBehindHeadPin2_3", "2-3", true},
                      SplitCase{"GapBehind5_8_9", "8-9", true},
                      SplitCase{"GapBehind4_7_8_9_10", "7-8-9-10", true},
                      SplitCase{"OnlyHeadPinDown", "2-3-4-5-6-7-8-9-10", true},
                      SplitCase{"HeadPinAnd2Down", "3-4-5-6-7-8-9-10", true},
                      SplitCase{"N2_4", "2-4", false}, SplitCase{"N2_4_7_8", "2-4-7-8", false},
                      SplitCase{"N3_6_10", "3-6-10", false}, SplitCase{"N4_6_7_10", "4-6-7-10", false},
                      SplitCase{"N5Alone", "5", false}, SplitCase{"N10Alone", "10", false},
                      SplitCase{"HeadPinStanding", "1-7-10", false}, SplitCase{"AllDown", "", false}),
    [](const auto &info) { return std::string(info.param.name); });

}  // namespace
