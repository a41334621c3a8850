// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "common/gamefixture.h"

#include <QLabel>

namespace {
// Drives the game state by state, answering the debug box from a script.
class ThrowSequenceTest : public GameFixture
{
protected:
    void SetUp() override
    {
        GameFixture::SetUp();
        windows().presenter().ToggleScreenMode();
        game().DebugMode = true;
        windows().dialogs().hooks.input = [this](const QString &) {
            return answers_.isEmpty() ? QString() : answers_.takeFirst();
        };
        windows().dialogs().hooks.yesNo = [this](const QString &text) {
            questions_ << text;
            sheetShownAtQuestion_ = loader().scoreSheetShown();
            return playAgain_;
        };
        windows().dialogs().hooks.ok = [this](const QString &text) { messages_ << text; };
    }

    // Starts a new game and plays balls from typed-in answers, blank-separated.
    void play(const QString &balls)
    {
        answers_ = balls.split(u' ', Qt::SkipEmptyParts);
        runBranch(GameState::Init);
        while (!answers_.isEmpty())
            for (const GameState state : {GameState::NextThrow, GameState::Debug, GameState::ThrowE}) {
                ASSERT_STREQ(stateName(game().state()), stateName(state));
                runBranch();
            }
    }

    QStringList answers_, questions_, messages_;
    bool playAgain_ = false, sheetShownAtQuestion_ = false;
};
const QString kPlayAgain = QStringLiteral("続けてゲームしますか？");
}  // namespace

// What an answer fells and how it is written are the core's; here the balls
// reach the record and the sheet, and the game ends at its last ball with a
// single question.
TEST_F(ThrowSequenceTest, BallsReachTheRecordAndTheSheetUntilTheLastOne)
{
    for (int i = 1; i <= 5; ++i)  // better games: none of these places
        settings_.set("Data", QStringLiteral("HISCORE%1").arg(i), "2003/07/15 21:04:09,x,y,200");
    const QString nineGutters = QStringLiteral("0 0 ").repeated(9), nineG = QStringLiteral("G-").repeated(9);
    const std::tuple<const char *, QString, QString, QString, bool> rows[] = {
        {"tenth frame open", nineGutters + "7 2", nineG + "72", QString(18, u' ') + "O ", true},
        {"strike in frame three", "3 4 5 5 10", "345*! ", "O O   ", false},
    };
    for (const auto &[name, balls, score, sprit, over] : rows) {  // balls typed in, record, marks, game over
        questions_.clear();
        play(balls);
        frmScore drawn;
        drawn.DisplayScore(score, sprit);
        EXPECT_EQ(std::tuple(game().record.szScore, game().record.szSprit, questions_, game().state()),
                  std::tuple(score, sprit, over ? QStringList{kPlayAgain} : QStringList{},
                             over ? GameState::GameOver : GameState::NextThrow))
            << name << " (answered No)";
        EXPECT_TRUE(loader().scoreSheet().grab().toImage() == drawn.grab().toImage()) << name;
    }
    runBranch();  // the board names the next frame
    EXPECT_EQ(loader().board().findChild<QLabel *>()->text(), QStringLiteral("F-04"));
    const QImage midGame = loader().scoreSheet().grab().toImage();
    play("");  // a new game clears the sheet before its first ball
    frmScore empty;
    empty.DisplayScore({}, {});
    EXPECT_TRUE(loader().scoreSheet().grab().toImage() == empty.grab().toImage() && midGame != empty.grab().toImage());
}

// A game that places is entered, listed and announced: with the question
// whether to play on, or alone when the game was ended from the menu during
// its last ball. A hidden sheet is shown for the box and unloaded after,
// which stores its place. Every one of them goes into the history.
TEST_F(ThrowSequenceTest, AGameThatPlacesIsEnteredListedAndAnnounced)
{
    const QString placed = QStringLiteral("ハイスコアがでました！\r\nあなたは、1位にランキングされました。");
    // clang-format off
    const struct { const char *name; bool ended, sheetHidden; QStringList questions, messages; GameState after; } rows[] = {
        {"played to the end, Yes", false, false, {placed + "\r\n" + kPlayAgain}, {}, GameState::Init},
        {"played to the end with the sheet hidden", false, true, {placed + "\r\n" + kPlayAgain}, {}, GameState::Init},
        {"ended during its last ball", true, false, {}, {placed}, GameState::GameOver},
    };
    // clang-format on
    playAgain_ = true;
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        settings_.write({});
        questions_.clear(), messages_.clear(), sheetShownAtQuestion_ = false;
        play(QStringLiteral("9 0 ").repeated(9) + "9");
        answers_ = {"0"};
        runBranch(), runBranch();  // next-throw, debug
        ASSERT_EQ(game().state(), GameState::ThrowE);
        if (row.sheetHidden)
            loader().unloadScoreSheet(), settings_.set("SCOREBOARD", "LEFT", "");
        if (row.ended)
            game().request(GameState::GameOver);  // chosen from the menu during the ball's pauses
        throwEBranch(game(), loader(), windows().presenter(), windows().highScores(), windows().history(), windows().dialogs(),
                     windows().sound());
        EXPECT_EQ(std::tuple(questions_, messages_, game().state()), std::tuple(row.questions, row.messages, row.after));
        EXPECT_TRUE(settings_.read("Data", "HISCORE1").endsWith(QStringLiteral(",090")));
        EXPECT_TRUE(menuItem(QStringLiteral("ハイスコア"), 0)->text().endsWith(QStringLiteral("スコア:090")));
        EXPECT_EQ(std::tuple(sheetShownAtQuestion_, loader().scoreSheetLoaded()), std::tuple(!row.ended, !row.sheetHidden));
        EXPECT_FALSE(settings_.read("SCOREBOARD", "LEFT").isEmpty()) << "the sheet's place";
        const std::optional<HistoryGames> history = windows().history().store().games();
        ASSERT_TRUE(history);
        ASSERT_EQ(history->size(), &row - rows + 1);
        EXPECT_EQ(std::tuple(history->back().total, history->back().typed), std::tuple(90, true));
    }
}

TEST_F(ThrowSequenceTest, GameOverChosenDuringAWaitIsKeptAndTheBallStaysAway)
{
    game().DebugMode = false;  // real waits, which handle events
    fastClock();
    for (const GameState state : {GameState::Init, GameState::NextThrow, GameState::ThrowS, GameState::ThrowE}) {
        game().setUpState(state);
        QMetaObject::invokeMethod(
            QCoreApplication::instance(), [this] { game().request(GameState::GameOver); }, Qt::QueuedConnection);
        runBranch();
        EXPECT_STREQ(stateName(game().state()), "game-over") << "requested during " << stateName(state);
    }
    EXPECT_FALSE(game().roll.BallVisible) << "no roll starts after the request";
    // A game ended mid-roll leaves no ball on the next lane.
    runBranch(GameState::ThrowS);
    ASSERT_TRUE(game().roll.BallVisible);
    game().request(GameState::GameOver);
    runBranch();
    play("");
    EXPECT_FALSE(game().roll.BallVisible);
}
