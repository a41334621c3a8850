// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "common/gamefixture.h"

#include "hiscore/hiscoretable.h"

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
        windows().ToggleScreenMode();
        game().DebugMode = true;
        windows().dialogs().hooks.input = [this](const QString &) {
            return answers_.isEmpty() ? QString() : answers_.takeFirst();
        };
        windows().dialogs().hooks.yesNo = [this](const QString &text) {
            questions_ << text;
            sheetShownAtQuestion_ = windows().scoreSheetShown();
            return playAgain_;
        };
        windows().dialogs().hooks.ok = [this](const QString &text) { messages_ << text; };
    }

    // Starts a new game and plays balls from typed-in answers, separated by
    // blanks.
    void play(const QString &balls)
    {
        answers_ = balls.split(u' ', Qt::SkipEmptyParts);
        game().state = GameState::Init;
        runBranch();
        while (!answers_.isEmpty())
            for (const GameState state : {GameState::NextThrow, GameState::Debug, GameState::ThrowE}) {
                ASSERT_STREQ(StateName(game().state), StateName(state));
                runBranch();
            }
    }

    QStringList answers_, questions_, messages_;
    bool playAgain_ = false;
    bool sheetShownAtQuestion_ = false;
};
const QString kPlayAgain = QStringLiteral("続けてゲームしますか？");
}  // namespace

// The notation itself is the score record's; here the typed-in balls reach it.
TEST_F(ThrowSequenceTest, RecordsEachBallInTheGamesNotation)
{
    // clang-format off
    const struct { const char *name, *balls; QString score, sprit; } rows[] = {
        {"split leave", "-2 1", "81", "O "},
        {"above ten on a second ball", "5 11", "5*", "O "},
        {"strike in frame three", "3 4 5 5 10", "345*! ", "O O   "},
    };
    // clang-format on
    for (const auto &row : rows) {
        play(QString::fromLatin1(row.balls));
        EXPECT_EQ(game().record.szScore, row.score) << row.name;
        EXPECT_EQ(game().record.szSprit, row.sprit) << row.name;
    }
    // After the strike of the last row the next frame starts on a fresh rack.
    runBranch();
    EXPECT_EQ(windows().board().frameLabel(), QStringLiteral("F-04"));
    for (int pin = 1; pin <= 10; ++pin)
        EXPECT_EQ(game().rack.PinState[pin], 0) << pin;
}

TEST_F(ThrowSequenceTest, TenthFrameEndsAtItsLastBallAndAsksOnce)
{
    for (int i = 1; i <= 5; ++i)  // better games: none of these places
        settings_.set("Data", QStringLiteral("HISCORE%1").arg(i), "2003/07/15 21:04:09,x,y,200");
    // clang-format off
    const struct { const char *name, *tenth, *tail; } rows[] = {
        {"open", "7 2", "72"},
        {"three strikes", "10 10 10", "!!!"},
        {"strike, gutter, then ten", "10 0 10", "!G*"},
    };
    // clang-format on
    for (const auto &row : rows) {
        questions_.clear();
        play(QStringLiteral("0 0 ").repeated(9) + row.tenth);
        EXPECT_EQ(game().record.szScore, QStringLiteral("G-").repeated(9) + row.tail) << row.name;
        EXPECT_EQ(questions_, QStringList{kPlayAgain}) << row.name;
        EXPECT_EQ(game().state, GameState::GameOver) << row.name << " (answered No)";
    }
}

TEST_F(ThrowSequenceTest, AGameThatPlacesIsEnteredAnnouncedAndListed)
{
    playAgain_ = true;
    play(QStringLiteral("9 0 ").repeated(10));
    EXPECT_EQ(questions_,
              QStringList{QStringLiteral("ハイスコアがでました！\r\nあなたは、1位にランキングされました。\r\n") + kPlayAgain});
    EXPECT_TRUE(settings_.read("Data", "HISCORE1").endsWith(QStringLiteral(",090")));
    EXPECT_TRUE(windows().menu().mhiscore(0)->text().endsWith(QStringLiteral("スコア:090")));
    EXPECT_EQ(game().state, GameState::Init) << "Yes starts a new game";
}

TEST_F(ThrowSequenceTest, GameOverChosenDuringAWaitIsKept)
{
    game().DebugMode = false;  // real waits, which handle events
    fastClock();
    for (const GameState state : {GameState::Init, GameState::NextThrow, GameState::ThrowS, GameState::ThrowE}) {
        game().state = state;
        QMetaObject::invokeMethod(
            QCoreApplication::instance(), [this] { game().state = GameState::GameOver; }, Qt::QueuedConnection);
        runBranch();
        EXPECT_STREQ(StateName(game().state), "game-over") << "requested during " << StateName(state);
    }
    EXPECT_FALSE(game().roll.BallVisible) << "no roll starts after the request";

    // On the last ball the game is still recorded and its place announced,
    // but nobody is asked to play on.
    game().DebugMode = true;
    playAgain_ = true;
    play(QStringLiteral("9 0 ").repeated(9) + "9");
    answers_ = {"0"};
    runBranch();
    runBranch();
    ASSERT_EQ(game().state, GameState::ThrowE);
    game().DebugMode = false;
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [this] { game().state = GameState::GameOver; }, Qt::QueuedConnection);
    runBranch();
    EXPECT_STREQ(StateName(game().state), "game-over");
    EXPECT_TRUE(settings_.read("Data", "HISCORE1").endsWith(QStringLiteral(",090")));
    EXPECT_EQ(messages_, QStringList{QStringLiteral("ハイスコアがでました！\r\nあなたは、1位にランキングされました。")});
    EXPECT_TRUE(questions_.isEmpty());
}

TEST_F(ThrowSequenceTest, QuittingMidRollLeavesNoBallOnTheNextLane)
{
    play("");
    game().state = GameState::ThrowS;
    runBranch();
    ASSERT_TRUE(game().roll.BallVisible);
    game().state = GameState::GameOver;
    runBranch();
    play("");
    EXPECT_FALSE(game().roll.BallVisible);
}

TEST_F(ThrowSequenceTest, AHiddenSheetIsShownForTheQuestionAndUnloadedAfter)
{
    playAgain_ = true;
    play(QStringLiteral("0 0 ").repeated(9) + "7");
    windows().unloadScoreSheet();
    settings_.set("SCOREBOARD", "LEFT", "");
    answers_ = {"2"};
    for (int i = 0; i < 3; ++i)
        runBranch();
    EXPECT_TRUE(sheetShownAtQuestion_);
    EXPECT_FALSE(windows().scoreSheetLoaded());
    EXPECT_FALSE(settings_.read("SCOREBOARD", "LEFT").isEmpty()) << "unloading stores the position";
}
