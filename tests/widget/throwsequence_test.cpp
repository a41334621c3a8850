#include "common/gamefixture.h"
#include "game/branches.h"
#include "shapes/mod_RGN_Proc.h"

#include <QCoreApplication>
#include <QStringList>
#include <gtest/gtest.h>

namespace {
// Drives the game state by state without the loop's pacing, answering the
// debug box from a script.
class ThrowSequenceTest : public GameFixture
{
protected:
    void SetUp() override
    {
        GameFixture::SetUp();
        ToggleScreenMode();
        DebugMode = kTrue;
        DialogHooks hooks;
        hooks.input = [this](const QString &) { return answers_.isEmpty() ? QString() : answers_.takeFirst(); };
        hooks.yesNo = [this](const QString &text) {
            questions_ << text;
            sheetShownAtQuestion_ = ScoreSheetLoaded() && ScoreSheet()->isVisible();
            return playAgain_;
        };
        SetDialogHooks(hooks);
    }
    void runBranch() { GameBranches()[DispatchIndex(GameState)](); }

    // Starts a new game and plays balls from typed-in answers, separated by
    // blanks.
    void play(const QString &balls)
    {
        answers_ = balls.split(u' ', Qt::SkipEmptyParts);
        GameState = State::Init;
        runBranch();
        while (!answers_.isEmpty())
            for (const QString &state : {State::NextThrow, State::Debug, State::ThrowE}) {
                ASSERT_EQ(GameState, state);
                runBranch();
            }
    }

    QStringList answers_, questions_;
    bool playAgain_ = false;
    bool sheetShownAtQuestion_ = false;
};
const QString kPlayAgain = QStringLiteral("続けてゲームしますか？");
}  // namespace

TEST_F(ThrowSequenceTest, RecordsEachBallInTheGamesNotation)
{
    const struct { const char *name, *balls; QString score, sprit; } rows[] = {
        {"open frame, first ball leaves a split", "3 4", "34", "O "},
        {"spare, pin 10 alone is no split", "9 1", "9*", "  "},
        {"gutter balls", "0 0", "G-", "  "},
        {"split leave", "-2 1", "81", "O "},
        {"above ten on a second ball", "5 11", "5*", "O "},
        {"strike in frame three", "3 4 5 5 10", "345*! ", "O O   "},
    };
    for (const auto &row : rows) {
        play(QString::fromLatin1(row.balls));
        EXPECT_EQ(szScore, row.score) << row.name;
        EXPECT_EQ(szSprit, row.sprit) << row.name;
    }
    // After the strike of the last row the next frame starts on a fresh rack.
    runBranch();
    EXPECT_EQ(PinBoard()->frameLabel(), QStringLiteral("F-04"));
    for (int pin = 1; pin <= 10; ++pin)
        EXPECT_EQ(PinState[pin], 0) << pin;
}

TEST_F(ThrowSequenceTest, TenthFrameEndsAtItsLastBallAndAsksOnce)
{
    for (int i = 1; i <= 5; ++i)  // better games: none of these places
        WriteIniValue("Data", QStringLiteral("HISCORE%1").arg(i), "2003/07/15 21:04:09,x,y,200");
    const struct { const char *name, *tenth, *tail; } rows[] = {
        {"open", "7 2", "72"},
        {"three strikes", "10 10 10", "!!!"},
        {"strike, gutter, then ten", "10 0 10", "!G*"},
    };
    for (const auto &row : rows) {
        questions_.clear();
        play(QStringLiteral("0 0 ").repeated(9) + row.tenth);
        EXPECT_EQ(szScore, QStringLiteral("G-").repeated(9) + row.tail) << row.name;
        EXPECT_EQ(questions_, QStringList{kPlayAgain}) << row.name;
        EXPECT_EQ(GameState, State::GameOver) << row.name << " (answered No)";
    }
}

TEST_F(ThrowSequenceTest, AGameThatPlacesIsEnteredAndAnnounced)
{
    playAgain_ = true;
    play(QStringLiteral("9 0 ").repeated(10));
    EXPECT_EQ(questions_, QStringList{QStringLiteral("ハイスコアがでました！\r\nあなたは、1位にランキングされました。\r\n") + kPlayAgain});
    EXPECT_TRUE(ReadIniValue("Data", "HISCORE1").endsWith(QStringLiteral(",090")));
    EXPECT_EQ(GameState, State::Init) << "Yes starts a new game";
}

TEST_F(ThrowSequenceTest, SecondBallAfterASplitTopplesAPathNeighbour)
{
    play("-2");  // 7 and 10 stand
    answers_ = {"-5"};
    runBranch();  // next-throw keeps the rack
    runBranch();  // debug: nothing falls; earlier pins stop counting
    // The ball passed pin 9 leaning left: it topples the next standing pin of
    // its row.
    PinState[9] = 1;
    PathPins[2] = 9;
    HookValue = 2;
    runBranch();  // throw-e
    EXPECT_EQ(PinState[7], 1);
    EXPECT_EQ(PinState[10], 0);
    EXPECT_EQ(szScore, QStringLiteral("82"));
}

TEST_F(ThrowSequenceTest, GameOverChosenDuringAWaitIsKept)
{
    DebugMode = kFalse;  // real waits, which handle events
    fastClock();
    for (const QString &state : {State::Init, State::NextThrow, State::ThrowS, State::ThrowE}) {
        GameState = state;
        QMetaObject::invokeMethod(QCoreApplication::instance(), [] { GameState = State::GameOver; },
                                  Qt::QueuedConnection);
        runBranch();
        EXPECT_EQ(GameState.toStdString(), State::GameOver.toStdString()) << "requested during " << state.toStdString();
    }
    EXPECT_FALSE(BallVisible) << "no roll starts after the request";
}

TEST_F(ThrowSequenceTest, QuittingMidRollLeavesNoBallOnTheNextLane)
{
    play("");
    GameState = State::ThrowS;
    runBranch();
    ASSERT_TRUE(BallVisible);
    GameState = State::GameOver;
    runBranch();
    play("");
    EXPECT_FALSE(BallVisible);
}

TEST_F(ThrowSequenceTest, AHiddenSheetIsShownForTheQuestionAndUnloadedAfter)
{
    playAgain_ = true;
    play(QStringLiteral("0 0 ").repeated(9) + "7");
    UnloadScoreSheet();
    WriteIniValue("SCOREBOARD", "LEFT", "");
    answers_ = {"2"};
    for (int i = 0; i < 3; ++i)
        runBranch();
    EXPECT_TRUE(sheetShownAtQuestion_);
    EXPECT_FALSE(ScoreSheetLoaded());
    EXPECT_FALSE(ReadIniValue("SCOREBOARD", "LEFT").isEmpty()) << "unloading stores the position";
}
