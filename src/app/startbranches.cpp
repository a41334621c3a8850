// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
// Between games: the start dialog, the start of a game and its end, and the
// table that binds every state to its branch.

#include "branches.h"
#include "gamewindows.h"
#include "soundeffects.h"

#include "game/game.h"

#if defined(__GLIBC__)
#include <malloc.h>
#endif

void startDlgBranch(Game &game, frmStart &dialog)
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

void startBranch(Game &game)
{
    game.LoopDelay = 0;
    game.advance(GameState::Init);
}

void gameOverBranch(Game &game, WindowLoader &windows, SoundEffects &sound)
{
    // The game may end mid-roll; the ball must not reappear on the next lane,
    // nor its rumble go on.
    game.roll.BallVisible = false;
    sound.silence();
    windows.unloadLane();
    windows.unloadBoard();
    windows.unloadScoreSheet();
    game.advance(GameState::StartDlg);
}

// Each branch is handed its parts as it runs: the windows among them are
// loaded on first use, and a game unloads them at its end.
BranchTable gameBranches(GameWindows &w)
{
    BranchTable table;
    const auto set = [&table](GameState state, std::function<void()> branch) {
        table[static_cast<std::size_t>(state)] = std::move(branch);
    };
    set(GameState::StartDlg, [&w] { startDlgBranch(w.game(), w.loader().startDialog()); });
    set(GameState::Start, [&w] { startBranch(w.game()); });
    set(GameState::Init, [&w] { initBranch(w.game(), w.loader(), w.presenter(), w.settings()); });
    set(GameState::NextThrow,
        [&w] { nextThrowBranch(w.game(), w.loader().lane(), w.loader().board(), w.presenter()); });
    set(GameState::Location1, [&w] { location1Branch(w.game(), w.loader().lane()); });
    set(GameState::Location2, [&w] { location2Branch(w.game(), w.loader().lane()); });
    set(GameState::Location3, [&w] { location3Branch(w.game()); });
    set(GameState::Location4, [&w] { location4Branch(w.game(), w.loader().lane()); });
    set(GameState::ThrowS, [&w] { throwSBranch(w.game(), w.loader().lane(), w.presenter(), w.sound()); });
    set(GameState::ThrowT, [&w] { throwTBranch(w.game(), w.loader().lane(), w.sound()); });
    set(GameState::ThrowE, [&w] {
        throwEBranch(w.game(), w.loader(), w.presenter(), w.highScores(), w.history(), w.dialogs(),
                     w.sound());
    });
    set(GameState::Debug, [&w] { debugBranch(w.game(), w.loader().lane(), w.dialogs()); });
    set(GameState::GameOver, [&w] { gameOverBranch(w.game(), w.loader(), w.sound()); });
    return table;
}
