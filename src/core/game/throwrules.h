// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#pragma once
#include "game/game.h"
#include "score/scorerecord.h"

// The decisions of a game, ball by ball, apart from what the windows show.
// The loop's branches call these in order and show the outcome; every pause
// between them lets events in, so a "game-over" chosen from the menu meanwhile
// must not be overwritten (Game::moveOn).

// Length of a loop pass while aiming, ms.
constexpr qint16 kAimingLoopDelay = 50;

// "init": a new game; the next state is "next-throw". The rack is raised pin
// image by pin image (Rack::raise), then the record starts empty.
void beginGame(Game &game);
void clearRecord(Game &game);

// "next-throw": the aiming markers start again from row 0, the loop paces
// for aiming, and a first ball gets a fresh rack while a second ball keeps
// the standing pins.
void prepareThrow(Game &game);
// Where "next-throw" goes when it is done: aiming, or the typed-in result.
GameState aimingState(const Game &game);

// "throw-s" after its pause: a click so short that no "location3" pass saw
// it throws straight; the ball is placed and the state becomes "throw-t".
void startRoll(Game &game);

// "throw-e", before the count: on the second ball after a split, a felled
// path pin may topple its neighbour.
void toppleAfterSplit(Game &game);

struct BallCount
{
    PinMark mark = PinMark::None;  // the mark this ball shows on the pin board
    bool over = false;             // the record is complete
};

// "throw-e": counts the ball and appends it to the record. A ball that
// counts as a strike starts the next ball on a fresh rack.
BallCount countBall(Game &game);

// The box at the end of a game: the new place announced first, then the
// question whether to play on. A "game-over" chosen from the menu while the
// last ball was counted stands: then the box only announces the place, and
// there is none when the game did not place.
struct EndOfGameBox
{
    QString text;   // "" for no box
    bool question;  // Yes/No, else OK only
};
EndOfGameBox endOfGameBoxFor(const Game &game, int place);

// After the question: "init" for another game, else "game-over".
void endGame(Game &game, bool playOn);
