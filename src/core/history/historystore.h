// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#pragma once
#include "history/historygame.h"

#include <optional>

// The game history: every finished game, in an SQLite database beside the
// settings file or in the user's data folder. The database is opened on
// first use, not at start-up.
class HistoryStore
{
public:
    explicit HistoryStore(QString path);
    ~HistoryStore();
    HistoryStore(const HistoryStore &) = delete;
    HistoryStore &operator=(const HistoryStore &) = delete;

    // Appends one finished game in its own transaction; false when the
    // history cannot be written (the game plays on regardless).
    bool append(const HistoryGame &game);
    // Every stored game, oldest first; nothing when the history cannot be
    // opened.
    std::optional<HistoryGames> games();
};
