#pragma once
#include <QString>
#include <array>
#include <functional>

// The order in which a pass compares GameState with the branch names; the
// first match runs, at most one branch a pass. "start-wait" and any unknown
// value match nothing and the pass rests until an event arrives.
inline constexpr std::array<const char *, 13> kDispatchOrder = {
    "start-dlg", "start",     "init",      "next-throw", "debug",     "throw-s",  "throw-t",
    "throw-e",   "location1", "location2", "location3",  "location4", "game-over"};

using BranchTable = std::array<std::function<void()>, kDispatchOrder.size()>;

// Index into kDispatchOrder, or -1 when the state runs no branch.
int DispatchIndex(const QString &state);

// One pass: returns false without doing anything when GameState is "end";
// otherwise runs the branch for GameState and then handles events until the
// pass has lasted LoopDelay ms (an idle pass goes on resting until an event
// arrives).
bool RunPass(const BranchTable &branches);

// Passes until GameState is "end".
void RunLoop(const BranchTable &branches);
