// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
// Which state follows which. A branch moves the loop on to one of its own
// next states; a window handler or menu command requests a state, which the
// loop takes up at its next pass. A "game-over" requested while a branch
// waits stands against the branch's own next state (moveOn).

#include "game/game.h"

#include <QtGlobal>

namespace {
// Who moves the loop from `from` to `to`.
enum class By {
    Branch,   // the branch of `from`, when it is done
    Handler,  // a press, a click or a menu command while `from` runs or rests
};

struct Transition
{
    GameState from;
    GameState to;
    By by;
};

using S = GameState;

// Any state may be requested to "game-over" (the menu's end command, closing
// the lane or the board) or to "end" (the desktop session ends); those two
// are not repeated for every state.
constexpr Transition kTransitions[] = {
    {S::StartDlg, S::StartWait, By::Branch},  // the dialog is up
    {S::StartWait, S::Start, By::Handler},    // the blue ball: start a game
    {S::StartWait, S::End, By::Handler},      // the red ball or closing the dialog
    {S::Start, S::Init, By::Branch},
    {S::Init, S::NextThrow, By::Branch},        // the rack stands, the record is empty
    {S::NextThrow, S::Location1, By::Branch},   // aim the ball
    {S::NextThrow, S::Debug, By::Branch},       // or type in its result
    {S::Location1, S::Location2, By::Handler},  // press: the start is fixed
    {S::Location2, S::Location3, By::Handler},  // press: the target is fixed
    {S::Location3, S::ThrowS, By::Handler},     // release at once: a straight ball
    {S::Location3, S::Location4, By::Branch},   // held long enough: the hook runs
    {S::Location4, S::ThrowS, By::Branch},      // released: the hook is fixed
    {S::ThrowS, S::ThrowT, By::Branch},         // the ball is placed
    {S::ThrowT, S::ThrowE, By::Branch},         // the ball has left the lane
    {S::ThrowE, S::NextThrow, By::Branch},      // the game goes on
    {S::ThrowE, S::Init, By::Branch},           // the last ball, and play again
    {S::ThrowE, S::GameOver, By::Branch},       // the last ball, and no more
    {S::Debug, S::ThrowE, By::Branch},          // a count was typed in
    {S::Debug, S::GameOver, By::Branch},        // "-1" was typed in: the game ends
    {S::GameOver, S::StartDlg, By::Branch},
};

constexpr bool follows(GameState from, GameState to, By by)
{
    for (const Transition &t : kTransitions)
        if (t.from == from && t.to == to && t.by == by)
            return true;
    return false;
}
}  // namespace

void Game::request(GameState next) { state_ = next; }

void Game::advance(GameState next)
{
    // The typed-in result may come back after the menu asked for "game-over";
    // the answer decides then, as it always has.
    Q_ASSERT(follows(state_, next, By::Branch) || state_ == GameState::GameOver);
    state_ = next;
}

void Game::moveOn(GameState next)
{
    if (state_ != GameState::GameOver)
        advance(next);
}
