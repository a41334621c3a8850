// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#pragma once
#include "history/historystore.h"

#include <memory>

class Game;
class Settings;

// Puts every game that reached its end into the game history. The history is
// found where the settings file's place says (Settings::historyFilePath) and
// opened at the first game's end, or when the history is first looked at; a
// history created then starts with the stored high scores.
class HistoryRecorder
{
public:
    explicit HistoryRecorder(const Settings &settings);
    ~HistoryRecorder();
    HistoryRecorder(const HistoryRecorder &) = delete;
    HistoryRecorder &operator=(const HistoryRecorder &) = delete;

    // Records the game as it ended at `endedAt`. Called before the game is
    // offered to the high-score table, so that a history created now takes
    // over the table without this game.
    void record(const Game &game, const QDateTime &endedAt);
    HistoryStore &store();

private:
    const Settings &settings_;
    std::unique_ptr<HistoryStore> store_;
};
