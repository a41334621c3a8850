// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
// Between games: the start dialog, the start of a game and its end, and the
// table that binds every state to its branch.

#include "branches.h"
#include "gamewindows.h"

#include "game/game.h"

#if defined(__GLIBC__)
#include <malloc.h>
#endif

void StartDlgBranch(GameWindows &w)
{
    w.game().LoopDelay = 0;
    frmStart &dialog = w.startDialog();
    dialog.moveToScreenCorner();
    dialog.show();
#if defined(__GLIBC__)
    // The allocator keeps what the game's windows and boxes freed for reuse;
    // the start dialog may stay up for hours, so hand it back now.
    malloc_trim(0);
#endif
    w.game().advance(GameState::StartWait);
}

void StartBranch(GameWindows &w)
{
    w.game().LoopDelay = 0;
    w.game().advance(GameState::Init);
}

void GameOverBranch(GameWindows &w)
{
    // The game may end mid-roll; the ball must not reappear on the next lane.
    w.game().roll.BallVisible = false;
    w.unloadLane();
    w.unloadBoard();
    w.unloadScoreSheet();
    w.game().advance(GameState::StartDlg);
}

BranchTable GameBranches(GameWindows &w)
{
    const auto bind = [&w](void (*branch)(GameWindows &)) { return [&w, branch] { branch(w); }; };
    BranchTable table;
    const auto set = [&table](GameState state, std::function<void()> branch) {
        table[static_cast<std::size_t>(state)] = std::move(branch);
    };
    set(GameState::StartDlg, bind(StartDlgBranch));
    set(GameState::Start, bind(StartBranch));
    set(GameState::Init, bind(InitBranch));
    set(GameState::NextThrow, bind(NextThrowBranch));
    set(GameState::Location1, bind(Location1Branch));
    set(GameState::Location2, bind(Location2Branch));
    set(GameState::Location3, bind(Location3Branch));
    set(GameState::Location4, bind(Location4Branch));
    set(GameState::ThrowS, bind(ThrowSBranch));
    set(GameState::ThrowT, bind(ThrowTBranch));
    set(GameState::ThrowE, bind(ThrowEBranch));
    set(GameState::Debug, bind(DebugBranch));
    set(GameState::GameOver, bind(GameOverBranch));
    return table;
}
