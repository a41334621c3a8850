// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#pragma once
#include "history/historygame.h"

class Settings;

// The stored high scores as the games a new history starts with, oldest
// first, marked imported and rolled. A game ended when its stored date says
// (local time); an entry whose date cannot be read ends at `importTime`.
// Empty places are skipped.
HistoryGames highScoreHistory(const Settings &settings, const QDateTime &importTime);
