// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
// A game, ball by ball: "init" sets it up, "next-throw" prepares each ball,
// "throw-s" starts the roll, "throw-t" moves it and "throw-e" counts it,
// writes the record and, after the last ball, ends the game. What happens
// is decided by the game's rules; these branches show it and pause.

#include "branches.h"
#include "highscores.h"
#include "historyrecorder.h"
#include "presenter.h"
#include "soundeffects.h"
#include "windowloader.h"

#include "desktop/dialogs.h"
#include "game/ballcolour.h"
#include "game/game.h"
#include "game/throwrules.h"
#include "hiscore/hiscoretable.h"
#include "lane/ballmotion.h"
#include "lane/framelabel.h"
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
void endOfGame(Game &game, WindowLoader &windows, HighScores &highScores, HistoryRecorder &history,
               const Dialogs &dialogs)
{
    const bool sheetWasVisible = windows.scoreSheetShown();
    if (!sheetWasVisible)
        windows.scoreSheet().show();
    const QDateTime now = QDateTime::currentDateTime();
    history.record(game, now);
    const int place = highScores.recordGame(game.record.szScore, game.record.szSprit, now);
    const EndOfGameBox box = endOfGameBoxFor(game, place);
    if (box.question)
        endGame(game, dialogs.askYesNo(box.text));
    else if (!box.text.isEmpty())
        dialogs.showOkMessage(box.text);
    if (!sheetWasVisible)
        windows.unloadScoreSheet();
}
}  // namespace

void initBranch(Game &game, WindowLoader &windows, Presenter &presenter, const Settings &settings)
{
    windows.unloadStartDialog();
    // The lane keeps the look it has.
    game.SolidLane = !game.SolidLane;
    presenter.ToggleScreenMode();
    beginGame(game);
    for (int i = 0; i <= kLastPin; ++i) {
        game.rack.raise(i);
        windows.lane().refresh();
        if (i < kBoardLamps) {
            windows.board().setLamp(i, true);
            presenter.Wait(kLampStep);
        }
    }
    clearRecord(game);
    windows.scoreSheet().DisplayScore(game.record.szScore, game.record.szSprit);
    const AfterShow after = game.ScoreSheetOnly ? AfterShow::Hide : AfterShow::Stay;
    showWindow(windows.lane(), after);
    showWindow(windows.board(), after);
    if (game.DebugMode)
        windows.scoreSheet().show();
    windows.lane().setBallColour(storedColourIndex(settings.ReadIniValue(kBallSection, kColorKey)));
    presenter.ShowMessageBalloon(kGameStart, kGameStartBalloon);
}

void nextThrowBranch(Game &game, frmLane &lane, frmDenkou &board, Presenter &presenter)
{
    board.setFrameLabel(frameLabelFor(game.record.szScore));
    prepareThrow(game);
    lane.refresh();
    presenter.playBoard(LightStandingPins(game.rack));
    game.moveOn(aimingState(game));
}

void throwSBranch(Game &game, frmLane &lane, Presenter &presenter, SoundEffects &sound)
{
    game.roll.GutterFlag = false;
    presenter.Wait(kBeforeRoll);
    if (game.state() == GameState::GameOver)
        return;
    ResetAimMarkers(lane);
    startRoll(game);
    lane.refresh();
    sound.hear(ThrowEvent::Kind::RollStarted);
}

void throwTBranch(Game &game, frmLane &lane, SoundEffects &sound)
{
    const StepStart before = stepStart(game);
    stepBall(game);
    lane.refresh();
    sound.hear(stepEvents(before, game));
}

void throwEBranch(Game &game, WindowLoader &windows, Presenter &presenter, HighScores &highScores,
                  HistoryRecorder &history, const Dialogs &dialogs, SoundEffects &sound)
{
    toppleAfterSplit(game);
    windows.lane().refresh();
    presenter.Wait(kAfterRoll);
    presenter.playBoard(DarkenFelledPins(game.rack));

    const BallCount ball = countBall(game);
    if (ball.mark != PinMark::None) {
        windows.board().setMarkVisible(static_cast<int>(ball.mark), true);
        sound.hear(ball.mark == PinMark::Strike ? ThrowEvent::Kind::StrikeMark
                                                : ThrowEvent::Kind::SpareMark);
    }
    windows.scoreSheet().DisplayScore(game.record.szScore, game.record.szSprit);
    presenter.playBoard(BlinkMark(lastThrowMark(game.record.szScore)));
    game.roll.BallVisible = false;
    windows.lane().refresh();

    if (!ball.over)
        game.moveOn(GameState::NextThrow);
    else
        endOfGame(game, windows, highScores, history, dialogs);
    presenter.playBoard(ClearLamps(game.rack));
}
