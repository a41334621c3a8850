#include "game/gamevars.h"
#include "game/rules.h"
#include "score/scorerecord.h"

#include <gtest/gtest.h>
#include <QStringList>

namespace {

TEST(Rules, CommandLineMustBeExactlyOneSwitch)
{
    const struct { const char *args; qint16 debugMode, scoreSheetOnly; } rows[] = {{"-x", -1, -1}, {"/X", -1, -1}, {"-X extra", 0, 0}, {"", 0, 0},
                        {"-D", -1, 0},  {"/d", -1, 0},  {"-Y", 0, 0}};
    for (const auto &r : rows) {
        const CommandLineSwitches s = ParseCommandLine(QString::fromLatin1(r.args));
        EXPECT_EQ(std::pair(s.debugMode, s.scoreSheetOnly), std::pair(r.debugMode, r.scoreSheetOnly)) << '"' << r.args << '"';
    }
}

TEST(Rules, StoredColourSelectsAnExistingColour)
{
    const std::pair<const char *, qint16> rows[] = {{"", 0},    {"2.5", 2}, {"3.5", 4}, {"  3 ", 3}, {"abc", 0},
                                                    {"4.5", 4}, {"7", 0},   {"-1", 0},  {"99999999", 0}};
    for (const auto &[text, colour] : rows)
        EXPECT_EQ(StoredColourIndex(QString::fromLatin1(text)), colour) << '"' << text << '"';
}

TEST(Rules, DebugAnswerFellsTheFirstStandingPins)
{
    // Racks are the states of pins 1..10; an image is visible while its pin
    // stands, except after the split answer, which hides every image.
    const struct { const char *name, *before, *answer, *after; bool strike, gutter; const QString &state; } rows[] = {
        {"ThreeOnFreshRack", "0000000000", "3", "1110000000", false, false, State::ThrowE},
        {"FourAfterThreeCountsFour", "1110000000", "4", "2221111000", false, false, State::ThrowE},
        {"TenOnSecondBall", "1111111000", "10", "2222222222", true, false, State::ThrowE},
        {"SplitLeavesSevenAndTen", "0000000000", "-2", "1111110110", false, false, State::ThrowE},
        {"SplitOnSecondBallCountsOnlyNewPins", "1111100000", "-2", "2222210110", false, false, State::ThrowE},
        {"SplitOnSecondBallWithSevenDown", "0000001000", "-2", "1111112110", false, false, State::ThrowE},
        {"QuitChangesNoPin", "1110000000", "-1", "1110000000", false, false, State::GameOver},
        {"EmptyIsGutter", "1100000000", "", "2200000000", false, true, State::ThrowE},
        {"ElevenFellsAllWithoutStrike", "1110000000", "11", "2221111111", false, false, State::ThrowE},
        {"HugeFellsAll", "0000000000", "1e9", "1111111111", false, false, State::ThrowE},
        {"BelowMinusTwoFellsNothing", "1110000000", "-5", "2220000000", false, false, State::ThrowE},
        {"HugeNegativeFellsNothing", "0000000000", "-1e9", "0000000000", false, false, State::ThrowE},
    };
    for (const auto &r : rows) {
        SCOPED_TRACE(r.name);
        ResetGameVars();
        for (int p = 1; p <= 10; ++p)
            PinVisible[p] = (PinState[p] = static_cast<qint16>(r.before[p - 1] - '0')) == 0;
        StrikeFlag = GutterFlag = kTrue;
        NextPin = 10;
        ApplyDebugAnswer(QString::fromLatin1(r.answer));
        std::string rack;
        for (int p = 1; p <= 10; ++p) {
            rack += static_cast<char>('0' + PinState[p]);
            EXPECT_EQ(PinVisible[p], PinState[p] == 0 && qstrcmp(r.answer, "-2") != 0) << "pin " << p;
        }
        EXPECT_EQ(std::tuple(rack, StrikeFlag == kTrue, GutterFlag == kTrue, NextPin, GameState.toStdString()),
                  std::tuple(r.after, r.strike, r.gutter, qint16(1), r.state.toStdString()));
    }
}

TEST(Rules, FrameLabelStaysAtTenForBonusBalls)
{
    const QString nine = QStringLiteral("9-").repeated(9);
    EXPECT_EQ(QStringList({FrameLabel(""), FrameLabel("! 9"), FrameLabel(nine.left(16)), FrameLabel(nine), FrameLabel(nine + "!!")}),
              QStringList({"F-01", "F-02", "F-09", "F-10", "F-10"}));
    EXPECT_TRUE(!GameOverAfter(nine + "7*") && GameOverAfter(nine + "72"));
}

TEST(Rules, AimMarkerTurnsOnlyAfterLeavingTheRows)
{
    const struct { qint16 pos, dir, posAfter, dirAfter; } rows[] = {{0, 1, 1, 1},  {7, 1, 8, 1},   {8, 1, 9, -1}, {9, -1, 8, -1},
                        {1, -1, 0, -1}, {0, -1, -1, 1}, {-1, 1, 0, 1}};
    for (const auto &r : rows) {
        qint16 pos = r.pos, dir = r.dir;
        StepAim(pos, dir);
        EXPECT_EQ(std::pair(pos, dir), std::pair(r.posAfter, r.dirAfter)) << "from " << r.pos << " by " << r.dir;
    }
}

}  // namespace
