// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
// A game, ball by ball: "init" sets it up, "next-throw" prepares each ball,
// "throw-s" starts the roll, "throw-t" moves it and "throw-e" counts it,
// writes the record and, after the last ball, ends the game. What happens
// is decided by the game's rules; these branches show it and pause.

#include "branches.h"
#include "gamewindows.h"

#include "game/game.h"
#include "game/rules.h"
#include "game/throwrules.h"
#include "hiscore/hiscoretable.h"
#include "lane/ballmotion.h"
#include "lane/lanemodel.h"
#include "lane/pinboardsequence.h"
#include "settings/settings.h"

#include <QDateTime>

namespace {
// Pauses, ms.
constexpr int kBeforeRoll = 500;
constexpr int kAfterRoll = 150;
constexpr int kGameStartBalloon = 2000;

const QString kGameStart = QStringLiteral("Game Start!!");

// A window that is to stay out of sight is still shown once, then hidden.
enum class AfterShow { Stay, Hide };
void showWindow(QWidget &window, AfterShow after)
{
    window.show();
    if (after == AfterShow::Hide)
        window.hide();
}

// The end of a game: the high-score table, the announcement and the question
// whether to play on. A sheet that was hidden is shown for the box and
// unloaded again afterwards, which stores its place; the next game's first
// DisplayScore loads it again.
void endOfGame(GameWindows &w)
{
    Game &game = w.game();
    const bool sheetWasVisible = w.scoreSheetShown();
    if (!sheetWasVisible)
        w.scoreSheet().show();
    const QDateTime now = QDateTime::currentDateTime();
    w.history().record(game, now);
    const int place = RecordHighScore(w.settings(), game.record.szScore, game.record.szSprit, now);
    w.ListHighScores();
    const EndOfGameBox box = EndOfGameBoxFor(game, place);
    if (box.question)
        EndGame(game, w.dialogs().AskYesNo(box.text));
    else if (!box.text.isEmpty())
        w.dialogs().ShowOkMessage(box.text);
    if (!sheetWasVisible)
        w.unloadScoreSheet();
}
}  // namespace

void InitBranch(GameWindows &w)
{
    Game &game = w.game();
    w.unloadStartDialog();
    // The lane keeps the look it has.
    game.SolidLane = !game.SolidLane;
    w.ToggleScreenMode();
    BeginGame(game);
    for (int i = 0; i <= kLastPin; ++i) {
        game.rack.raise(i);
        w.lane().refresh();
        if (i < kBoardLamps) {
            w.board().setLamp(i, true);
            w.Wait(kLampStep);
        }
    }
    ClearRecord(game);
    w.scoreSheet().DisplayScore(game.record.szScore, game.record.szSprit);
    const AfterShow after = game.ScoreSheetOnly ? AfterShow::Hide : AfterShow::Stay;
    showWindow(w.lane(), after);
    showWindow(w.board(), after);
    if (game.DebugMode)
        w.scoreSheet().show();
    w.lane().setBallColour(StoredColourIndex(w.settings().ReadIniValue(kBallSection, kColorKey)));
    w.ShowMessageBalloon(kGameStart, kGameStartBalloon);
}

void NextThrowBranch(GameWindows &w)
{
    Game &game = w.game();
    w.board().setFrameLabel(FrameLabel(game.record.szScore));
    PrepareThrow(game);
    w.lane().refresh();
    w.PlayBoard(LightStandingPins(game.rack));
    game.moveOn(AimingState(game));
}

void ThrowSBranch(GameWindows &w)
{
    Game &game = w.game();
    game.roll.GutterFlag = false;
    w.Wait(kBeforeRoll);
    if (game.state() == GameState::GameOver)
        return;
    ResetAimMarkers(w);
    StartRoll(game);
    w.lane().refresh();
}

void ThrowTBranch(GameWindows &w)
{
    StepBall(w.game());
    w.lane().refresh();
}

void ThrowEBranch(GameWindows &w)
{
    Game &game = w.game();
    ToppleAfterSplit(game);
    w.lane().refresh();
    w.Wait(kAfterRoll);
    w.PlayBoard(DarkenFelledPins(game.rack));

    const BallCount ball = CountBall(game);
    if (ball.mark != PinMark::None)
        w.board().setMarkVisible(static_cast<int>(ball.mark), true);
    w.scoreSheet().DisplayScore(game.record.szScore, game.record.szSprit);
    w.PlayBoard(BlinkMark(LastThrowMark(game.record.szScore)));
    game.roll.BallVisible = false;
    w.lane().refresh();

    if (!ball.over)
        game.moveOn(GameState::NextThrow);
    else
        endOfGame(w);
    w.PlayBoard(ClearLamps(game.rack));
}
