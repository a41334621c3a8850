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
            return playAgain_;
        };
        SetDialogHooks(hooks);
    }
    void runBranch() { GameBranches()[DispatchIndex(GameState)](); }

    // Plays balls from typed-in answers until the answers run out, starting
    // a new game first.
    void play(const QStringList &answers)
    {
        answers_ = answers;
        GameState = State::Init;
        runBranch();
        while (!answers_.isEmpty()) {
            ASSERT_EQ(GameState, State::NextThrow);
            runBranch();  // next-throw
            ASSERT_EQ(GameState, State::Debug);
            runBranch();  // debug
            ASSERT_EQ(GameState, State::ThrowE);
            runBranch();  // throw-e
        }
    }

    QStringList answers_;
    QStringList questions_;
    bool playAgain_ = false;
};

QStringList repeat(const QStringList &balls, int times)
{
    QStringList all;
    for (int i = 0; i < times; ++i)
        all += balls;
    return all;
}
}  // namespace

TEST_F(ThrowSequenceTest, RecordsEachBallInTheGamesNotation)
{
    struct Row {
        const char *name;
        QStringList answers;
        QString score;
        QString sprit;
    };
    const Row rows[] = {
        {"open frame, first ball leaves a split", {"3", "4"}, "34", "O "},
        {"spare, pin 10 alone is no split", {"9", "1"}, "9*", "  "},
        {"strike in frame three", {"3", "4", "5", "5", "10"}, "345*! ", "O O   "},
        {"gutter balls", {"0", "0"}, "G-", "  "},
        {"gutter on the second ball", {"5", "0"}, "5-", "O "},
        {"split leave", {"-2", "1"}, "81", "O "},
        {"above ten on a second ball", {"5", "11"}, "5*", "O "},
        {"below minus two", {"-5", "-7"}, "--", "  "},
        {"not a number", {"abc", "4"}, "G4", "  "},
    };
    for (const Row &row : rows) {
        play(row.answers);
        EXPECT_EQ(szScore, row.score) << row.name;
        EXPECT_EQ(szSprit, row.sprit) << row.name;
    }
}

TEST_F(ThrowSequenceTest, AStrikeStartsTheNextFrameOnAFreshRack)
{
    play({"3", "4", "5", "5", "10"});
    EXPECT_EQ(GameState, State::NextThrow);
    runBranch();
    EXPECT_EQ(PinBoard()->frameLabel(), QStringLiteral("F-04"));
    EXPECT_EQ(FirstBallOfRack, 1);
    for (int pin = 1; pin <= 10; ++pin)
        EXPECT_EQ(PinState[pin], 0) << pin;
}

TEST_F(ThrowSequenceTest, TenthFrameEndings)
{
    const QStringList nine = repeat({"0", "0"}, 9);
    struct Row {
        const char *name;
        QStringList tenth;
        QString tail;
    };
    const Row rows[] = {
        {"open", {"7", "2"}, "72"},
        {"three strikes", {"10", "10", "10"}, "!!!"},
        {"spare and a third ball", {"9", "1", "5"}, "9*5"},
        {"strike then a cleared rack", {"10", "7", "3"}, "!73"},
        {"strike, gutter, then ten", {"10", "0", "10"}, "!G*"},
    };
    for (const Row &row : rows) {
        questions_.clear();
        play(nine + row.tenth);
        EXPECT_EQ(szScore.mid(18), row.tail) << row.name;
        EXPECT_EQ(szScore.size(), 18 + row.tenth.size()) << row.name;
        ASSERT_EQ(questions_.size(), 1) << row.name << " asks once, at the end";
        EXPECT_TRUE(questions_[0].endsWith(QStringLiteral("続けてゲームしますか？"))) << row.name;
        EXPECT_EQ(GameState, State::GameOver) << row.name << " (answered No)";
    }
}

TEST_F(ThrowSequenceTest, AFinishedGameIsEnteredAndAnnounced)
{
    play(repeat({"9", "0"}, 10));
    ASSERT_EQ(questions_.size(), 1);
    EXPECT_EQ(questions_[0],
              QStringLiteral("ハイスコアがでました！\r\nあなたは、1位にランキングされました。\r\n続けてゲームしますか？"));
    EXPECT_TRUE(ReadIniValue("Data", "HISCORE1").endsWith(QStringLiteral(",090")));

    // A worse game does not place: only the question.
    questions_.clear();
    playAgain_ = true;
    for (int i = 2; i <= 5; ++i)
        WriteIniValue("Data", QStringLiteral("HISCORE%1").arg(i), "2003/07/15 21:04:09,x,y,200");
    play(repeat({"0", "0"}, 10));
    EXPECT_EQ(questions_, QStringList{QStringLiteral("続けてゲームしますか？")});
    EXPECT_EQ(GameState, State::Init) << "Yes starts a new game";
}

TEST_F(ThrowSequenceTest, SecondBallAfterASplitTopplesAPathNeighbour)
{
    answers_ = {"-2"};
    GameState = State::Init;
    runBranch();
    runBranch();  // next-throw
    runBranch();  // debug: 7 and 10 stand
    runBranch();  // throw-e: "O"
    ASSERT_EQ(szSprit, QStringLiteral("O"));
    answers_ = {"-5"};
    runBranch();  // next-throw keeps the rack
    runBranch();  // debug: nothing falls; earlier pins stop counting
    // The ball passed pin 9 (down from the first ball) leaning left: it
    // topples the next standing pin of its row.
    PinState[9] = 1;
    PathPins[2] = 9;
    HookValue = 2;
    runBranch();  // throw-e
    EXPECT_EQ(PinState[7], 1);
    EXPECT_EQ(PinState[10], 0);
    EXPECT_EQ(szScore, QStringLiteral("82"));
}

TEST_F(ThrowSequenceTest, GameOverRequestSurvivesInitButNotThrowE)
{
    // Real waits, on a clock that jumps ahead so they end at once while
    // still handling events.
    DebugMode = kFalse;
    fastClock();
    auto requestGameOver = [] {
        QMetaObject::invokeMethod(QCoreApplication::instance(), [] { GameState = State::GameOver; },
                                  Qt::QueuedConnection);
    };
    requestGameOver();
    GameState = State::Init;
    runBranch();
    EXPECT_EQ(GameState, State::GameOver);

    GameState = State::NextThrow;
    runBranch();
    GameState = State::ThrowE;
    requestGameOver();
    runBranch();
    EXPECT_EQ(GameState, State::NextThrow);
}

