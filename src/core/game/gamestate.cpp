// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "game/game.h"

#include <array>

namespace {
constexpr std::array<const char *, kGameStates> kStateNames = {
    "start-dlg", "start-wait", "start",   "init",    "next-throw", "location1", "location2", "location3",
    "location4", "throw-s",    "throw-t", "throw-e", "debug",      "game-over", "end",
};
}  // namespace

const char *stateName(GameState state) { return kStateNames[static_cast<std::size_t>(state)]; }
