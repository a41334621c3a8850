// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "historyrecorder.h"

#include "game/game.h"
#include "hiscore/hiscoretable.h"
#include "history/highscoreimport.h"
#include "settings/settings.h"

HistoryRecorder::HistoryRecorder(const Settings &settings) : settings_(settings) {}

HistoryRecorder::~HistoryRecorder() = default;

HistoryStore &HistoryRecorder::store()
{
    if (!store_) {
        const Settings &settings = settings_;
        store_ = std::make_unique<HistoryStore>(settings.historyFilePath(), [&settings] {
            return highScoreHistory(settings, QDateTime::currentDateTime());
        });
    }
    return *store_;
}

void HistoryRecorder::record(const Game &game, const QDateTime &endedAt)
{
    HistoryGame played;
    played.endedAt = endedAt;
    played.record = game.record.szScore;
    played.marks = game.record.szSprit;
    // The total the high-score table would store.
    played.total = highScoreText(game.record.szScore).toInt();
    played.typed = game.DebugMode;
    played.leaves = game.record.leaves;
    store().append(played);
}
