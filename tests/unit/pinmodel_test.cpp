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

void RollStraight()
{
    BeginRoll(4, 4, 4);
    GameState = State::ThrowT;
    while (GameState == State::ThrowT)
        StepBall();
}

TEST(PinModel, DecidePinFallBranches)
{
    struct Row { const char *name, *rack; bool strike; int centre, pin; std::vector<double> draws; qint16 after; bool strikeAfter; };
    const Row rows[] = {
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
    for (const Row &r : rows) {
        SCOPED_TRACE(r.name);
        SetRack(r.rack);
        StrikeFlag = r.strike ? kTrue : kFalse;
        BallDrawnTop = static_cast<float>(r.centre - kBallSize / 2);
        ScriptedRandom draws(r.draws);
        DecidePinFall(r.pin, kSupports[r.pin]);
        EXPECT_EQ(PinState[r.pin], r.after);
        EXPECT_EQ(PinVisible[r.pin], r.after == 0);
        EXPECT_EQ(StrikeFlag == kTrue, r.strikeAfter);
        EXPECT_EQ(draws.used(), r.draws.size());
    }
}

TEST(PinModel, StraightBallLeaves)
{
    // Draws on a full rack: pin 1, head-pin strike, pins 2, 3, 4, 5, 8, 9.
    struct Row { const char *name, *before; std::vector<double> draws; const char *after; bool strike; };
    const Row rows[] = {
        {"UsualLeave6_7_10", "0000000000", {.5, .5, .5, .5, .5, .5, .5, .5}, "1111100110", false},
        {"Pin5StandsPin9HitDirectly", "0000000000", {.5, .5, .5, .5, .5, .965, .5, .9999}, "1111000110", false},
        {"Pin8Stands", "0000000000", {.5, .5, .5, .5, .5, .5, .965, .5}, "1111100010", false},
        {"HeadPinStrike", "0000000000", {.5, .09}, "1111111111", true},
        // Pins 1-3 of the first ball are passed and no longer support pin 5.
        {"SecondBallAfterThree", "1110000000", {.5, .965, .5, .5}, "2221100110", false},
    };
    for (const Row &r : rows) {
        SCOPED_TRACE(r.name);
        SetRack(r.before);
        ScriptedRandom draws(r.draws);
        RollStraight();
        EXPECT_EQ(Rack(), r.after);
        EXPECT_EQ(StrikeFlag == kTrue, r.strike);
        EXPECT_EQ(std::vector<qint16>(PathPins, PathPins + 3), (std::vector<qint16>{3, 5, 9}));
        EXPECT_EQ(draws.used(), r.draws.size());
    }
}

TEST(PinModel, StraightBallStrikesAboutOnceInTen)
{
    SeedRandom(20240506);
    constexpr int kRolls = 4000;
    int strikes = 0;
    for (int i = 0; i < kRolls; ++i) {
        SetRack("0000000000");
        RollStraight();
        strikes += Rack() == "1111111111" ? 1 : 0;
    }
    EXPECT_GT(strikes, kRolls * 7 / 100);
    EXPECT_LT(strikes, kRolls * 13 / 100);
}

TEST(PinModel, TopplePathNeighbour)
{
    struct Row { const char *name, *before; qint16 hook; int pathPin; const char *after; };
    const Row rows[] = {
        {"Pin7HookMinus2Topples8", "0000001000", -2, 7, "0000001100"},
        {"SkipsPinDownEarlier", "0000001200", -2, 7, "0000001210"},
        {"SkipsTwoPinsDownEarlier", "0000001220", -4, 7, "0000001221"},
        {"StopsAtPinFelledThisRoll", "0000001100", -2, 7, "0000001100"},
        {"Pin9HookPlus2Topples8", "0000000010", 2, 9, "0000000110"},
        {"Pin6SkipsTo4", "0000210000", 3, 6, "0001210000"},
        {"Pin2LooksAt3", "0100000000", -3, 2, "0110000000"},
        {"RowEndsBeforeOtherRow", "0001000000", 2, 4, "0001000000"},
        {"SmallHookTopplesNothing", "0000001000", -1, 7, "0000001000"},
        {"PathPinNotFelledThisRoll", "0000002000", -2, 7, "0000002000"},
        {"NoPathPin", "0000000000", -2, 0, "0000000000"},
    };
    ScriptedRandom draws({0.9999}, true);
    for (const Row &r : rows) {
        SCOPED_TRACE(r.name);
        SetRack(r.before);
        HookValue = r.hook;
        TopplePathNeighbour(r.pathPin);
        EXPECT_EQ(Rack(), r.after);
    }
}

TEST(PinModel, IsSplitOnNamedLeaves)
{
    // Leaves are the standing pins; every other pin is down.
    const std::pair<const char *, bool> rows[] = {
        {"7-10", true}, {"4-6", true}, {"2-7", true}, {"5-7", true}, {"6-7", true}, {"6-7-10", true},
        {"2-3", true}, {"8-9", true}, {"7-8-9-10", true}, {"2-3-4-5-6-7-8-9-10", true},
        {"3-4-5-6-7-8-9-10", true}, {"2-4", false}, {"2-4-7-8", false}, {"3-6-10", false},
        {"4-6-7-10", false}, {"5", false}, {"10", false}, {"1-7-10", false}, {"", false},
    };
    for (const auto &[leave, split] : rows) {
        SCOPED_TRACE(leave);
        SetRack("1111111111");
        for (const QString &pin : QString::fromLatin1(leave).split(u'-', Qt::SkipEmptyParts))
            PinState[pin.toInt()] = 0;
        EXPECT_EQ(IsSplit(), split);
    }
}

}  // namespace
