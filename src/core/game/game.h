// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#pragma once
#include "game/rack.h"
#include "platform/random.h"

#include <QString>
#include <QtGlobal>

// The state of one running program: where the loop stands, the aim being
// taken, the ball on the lane, the pins of the rack and the throw record.
// One Game is created at start-up and handed by reference to whatever reads
// or changes it. Window handlers and menu commands only record a request
// here (a state or a flag); the main loop does the work at its next pass.

// The states of the main loop. Each pass runs the branch of the current
// state; "start-wait" and "end" have none.
enum class GameState {
    StartDlg,   // "start-dlg": show the start dialog
    StartWait,  // "start-wait": rest until the player chooses
    Start,      // "start"
    Init,       // "init": set up a new game
    NextThrow,  // "next-throw": prepare the next ball
    Location1,  // "location1": the start marker runs
    Location2,  // "location2": the target marker runs
    Location3,  // "location3": the button is held, the hook has not started
    Location4,  // "location4": the hook marker runs
    ThrowS,     // "throw-s": the ball is placed
    ThrowT,     // "throw-t": the ball rolls
    ThrowE,     // "throw-e": the ball is counted
    Debug,      // "debug": the result is typed in
    GameOver,   // "game-over": back to the start dialog
    End,        // "end": the loop stops
};
constexpr int kGameStates = static_cast<int>(GameState::End) + 1;

// The state's name as the game's messages and tests spell it: "throw-s" ...
const char *stateName(GameState state);

// The three aiming markers and the button that fixes them.
struct Aim
{
    qint16 StartPos = 0, TargetPos = 0, HookPos = 0;  // rows 0..8 (-1 and 9 at a turn)
    qint16 StartDir = 0, TargetDir = 0, HookDir = 0;  // +1 or -1
    qint32 HoldCount = 0;                             // passes spent in "location3"
    bool ButtonHeld = false;  // the throw button is still down after the press into "location3"
};

// The ball on its way down the lane, in lane pixels.
struct Roll
{
    qint16 BallX = 0;  // top-left corner
    float BallY = 0;
    float BallDrawnLeft = 0;  // where the ball is drawn, the start of the last step
    float BallDrawnTop = 0;
    bool BallVisible = false;
    float CurveStep = 0;
    float LateralStep = 0;
    qint16 HookValue = 0;     // hook setting minus 4, times the curve factor
    qint16 PathPins[3] = {};  // path pin of rows 2, 3 and 4, 0 for none
    qint16 NextPin = 0;       // lead pin of the next row the ball reaches
    bool GutterFlag = false;  // the ball left the lane sideways
    bool StrikeFlag = false;  // every standing pin the ball reaches falls
};

// The current game: throw record and split marks, one character per slot,
// and the pins each ball at a fresh rack left standing (HistoryGame::leaves'
// form: ten characters a ball, '1' standing, '0' down).
struct Record
{
    QString szScore;
    QString szSprit;
    QString leaves;
};

// The state is read freely but changes only through the operations below;
// which state may follow which is the table in transitions.cpp.
class Game
{
public:
    GameState state() const { return state_; }

    // A window handler or menu command asks for `next`; the loop takes it up
    // at its next pass.
    void request(GameState next);
    // The running branch passes the loop on to `next`, one of its own next
    // states in that table (checked in debug builds).
    void advance(GameState next);
    // As advance, unless "game-over" was requested while the branch waited:
    // that request stands.
    void moveOn(GameState next);
    // Puts the loop in `state` outright, for tests that start mid-game.
    void setUpState(GameState state) { state_ = state; }

    qint16 LoopDelay = 0;  // minimum length of one loop pass, ms

    bool DebugMode = false;       // results are typed in; waits return at once
    bool ScoreSheetOnly = false;  // lane and pin board stay hidden during a game
    bool SolidLane = false;       // the lane wears its solid look (else the skeleton)
    bool BalloonBusy = false;     // a message balloon is up: presses are ignored
    bool EndRequested = false;    // the desktop session ends: the next pass ends the loop

    Aim aim;
    Roll roll;
    Rack rack;
    Record record;
    Random random;

private:
    GameState state_ = GameState::StartDlg;
};
