#include "game/gamevars.h"
#include "game/rules.h"

#include <gtest/gtest.h>

namespace {

TEST(Rules, CommandLineMustBeExactlyOneSwitch)
{
    struct Row { const char *args; qint16 debugMode, scoreSheetOnly; };
    const Row rows[] = {{"-x", -1, -1}, {"/X", -1, -1}, {"-X extra", 0, 0}, {"", 0, 0},
                        {"-D", -1, 0},  {"/d", -1, 0},  {"-Y", 0, 0}};
    for (const Row &r : rows) {
        const CommandLineSwitches s = ParseCommandLine(QString::fromLatin1(r.args));
        EXPECT_EQ(s.debugMode, r.debugMode) << '"' << r.args << '"';
        EXPECT_EQ(s.scoreSheetOnly, r.scoreSheetOnly) << '"' << r.args << '"';
    }
}

TEST(Rules, StoredColourSelectsAnExistingColour)
{
    const std::pair<const char *, qint16> rows[] = {
        {"", 0}, {"2.5", 2}, {"3.5", 4}, {"  3 ", 3}, {"abc", 0}, {"4", 4},
        {"4.5", 4}, {"7", 0}, {"-1", 0}, {"99999999", 0}};
    for (const auto &[text, colour] : rows)
        EXPECT_EQ(StoredColourIndex(QString::fromLatin1(text)), colour) << '"' << text << '"';
}

TEST(Rules, DebugAnswerFellsTheFirstStandingPins)
{
    // Racks are the states of pins 1..10; an image is visible while its pin
    // stands, except after the split answer, which hides every image.
    struct Row { const char *name, *before, *answer, *after; bool strike, gutter; const QString &state; };
    const Row rows[] = {
        {"ThreeOnFreshRack", "0000000000", "3", "1110000000", false, false, State::ThrowE},
        {"FourAfterThreeCountsFour", "1110000000", "4", "2221111000", false, false, State::ThrowE},
        {"TenOnFirstBall", "0000000000", "10", "2222222222", true, false, State::ThrowE},
        {"TenOnSecondBall", "1111111000", "10", "2222222222", true, false, State::ThrowE},
        {"SplitLeavesSevenAndTen", "0000000000", "-2", "1111110110", false, false, State::ThrowE},
        {"QuitChangesNoPin", "1110000000", "-1", "1110000000", false, false, State::GameOver},
        {"ZeroIsGutter", "0000000000", "0", "0000000000", false, true, State::ThrowE},
        {"EmptyIsGutter", "1100000000", "", "2200000000", false, true, State::ThrowE},
        {"TextIsGutter", "0000000000", "abc", "0000000000", false, true, State::ThrowE},
        {"HalfRoundsToEven", "0000000000", "2.5", "1100000000", false, false, State::ThrowE},
        {"ElevenFellsAllWithoutStrike", "1110000000", "11", "2221111111", false, false, State::ThrowE},
        {"HugeFellsAll", "0000000000", "1e9", "1111111111", false, false, State::ThrowE},
        {"BelowMinusTwoFellsNothing", "1110000000", "-5", "2220000000", false, false, State::ThrowE},
        {"HugeNegativeFellsNothing", "0000000000", "-1e9", "0000000000", false, false, State::ThrowE},
    };
    for (const Row &r : rows) {
        SCOPED_TRACE(r.name);
        ResetGameVars();
        for (int p = 1; p <= 10; ++p) {
            PinState[p] = static_cast<qint16>(r.before[p - 1] - '0');
            PinVisible[p] = PinState[p] == 0;
        }
        StrikeFlag = GutterFlag = kTrue;
        NextPin = 10;
        ApplyDebugAnswer(QString::fromLatin1(r.answer));
        std::string rack;
        for (int p = 1; p <= 10; ++p) {
            rack += static_cast<char>('0' + PinState[p]);
            EXPECT_EQ(PinVisible[p], PinState[p] == 0 && qstrcmp(r.answer, "-2") != 0) << "pin " << p;
        }
        EXPECT_EQ(rack, r.after);
        EXPECT_EQ(StrikeFlag == kTrue, r.strike);
        EXPECT_EQ(GutterFlag == kTrue, r.gutter);
        EXPECT_EQ(NextPin, 1);
        EXPECT_EQ(GameState, r.state);
    }
}

TEST(Rules, FrameLabelStaysAtTenForBonusBalls)
{
    const QString nine = QStringLiteral("9-").repeated(9);
    EXPECT_EQ(FrameLabel(QString()), "F-01");
    EXPECT_EQ(FrameLabel("! 9"), "F-02");
    EXPECT_EQ(FrameLabel(nine.left(16)), "F-09");
    EXPECT_EQ(FrameLabel(nine), "F-10");
    EXPECT_EQ(FrameLabel(nine + "!!"), "F-10");
    EXPECT_FALSE(IsGameOver(nine + "7*"));
    EXPECT_TRUE(IsGameOver(nine + "72"));
}

TEST(Rules, AimMarkerTurnsOnlyAfterLeavingTheRows)
{
    struct Row { qint16 pos, dir, posAfter, dirAfter; };
    const Row rows[] = {{0, 1, 1, 1},  {7, 1, 8, 1},   {8, 1, 9, -1}, {9, -1, 8, -1},
                        {1, -1, 0, -1}, {0, -1, -1, 1}, {-1, 1, 0, 1}};
    for (const Row &r : rows) {
        qint16 pos = r.pos, dir = r.dir;
        StepAim(pos, dir);
        EXPECT_EQ(pos, r.posAfter) << "from " << r.pos << " by " << r.dir;
        EXPECT_EQ(dir, r.dirAfter) << "from " << r.pos << " by " << r.dir;
    }
}

}  // namespace
