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

void StartDlgBranch(Game &game, frmStart &dialog)
{
    game.LoopDelay = 0;
    dialog.moveToScreenCorner();
    dialog.show();
#if defined(__GLIBC__)
    // The allocator keeps what the game's windows and boxes freed for reuse;
    // the start dialog may stay up for hours, so hand it back now.
    malloc_trim(0);
#endif
    game.advance(GameState::StartWait);
}

void StartBranch(Game &game)
{
    game.LoopDelay = 0;
    game.advance(GameState::Init);
}

void GameOverBranch(Game &game, WindowLoader &windows)
{
    // The game may end mid-roll; the ball must not reappear on the next lane.
    game.roll.BallVisible = false;
    windows.unloadLane();
    windows.unloadBoard();
    windows.unloadScoreSheet();
    game.advance(GameState::StartDlg);
}

// Each branch is handed its parts as it runs: the windows among them are
// loaded on first use, and a game unloads them at its end.
BranchTable GameBranches(GameWindows &w)
{
    BranchTable table;
    const auto set = [&table](GameState state, std::function<void()> branch) {
        table[static_cast<std::size_t>(state)] = std::move(branch);
    };
    set(GameState::StartDlg, [&w] { StartDlgBranch(w.game(), w.loader().startDialog()); });
    set(GameState::Start, [&w] { StartBranch(w.game()); });
    set(GameState::Init, [&w] { InitBranch(w.game(), w.loader(), w.presenter(), w.settings()); });
    set(GameState::NextThrow,
        [&w] { NextThrowBranch(w.game(), w.loader().lane(), w.loader().board(), w.presenter()); });
    set(GameState::Location1, [&w] { Location1Branch(w.game(), w.loader().lane()); });
    set(GameState::Location2, [&w] { Location2Branch(w.game(), w.loader().lane()); });
    set(GameState::Location3, [&w] { Location3Branch(w.game()); });
    set(GameState::Location4, [&w] { Location4Branch(w.game(), w.loader().lane()); });
    set(GameState::ThrowS, [&w] { ThrowSBranch(w.game(), w.loader().lane(), w.presenter()); });
    set(GameState::ThrowT, [&w] { ThrowTBranch(w.game(), w.loader().lane()); });
    set(GameState::ThrowE,
        [&w] { ThrowEBranch(w.game(), w.loader(), w.presenter(), w.highScores(), w.history(), w.dialogs()); });
    set(GameState::Debug, [&w] { DebugBranch(w.game(), w.loader().lane(), w.dialogs()); });
    set(GameState::GameOver, [&w] { GameOverBranch(w.game(), w.loader()); });
    return table;
}
