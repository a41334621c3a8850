// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "history/highscoreimport.h"

#include "hiscore/hiscorecaptions.h"
#include "hiscore/hiscoretable.h"

#include <algorithm>

HistoryGames highScoreHistory(const Settings &settings, const QDateTime &importTime)
{
    HistoryGames games;
    for (int place = 1; place <= kHighScorePlaces; ++place) {
        const QString entry = storedHighScore(settings, place);
        if (entry.isEmpty())
            continue;
        const HighScoreEntryFields fields = highScoreFields(entry);
        HistoryGame game;
        game.endedAt = QDateTime::fromString(fields.date, kHighScoreDateFormat);
        if (!game.endedAt.isValid())
            game.endedAt = importTime;
        game.record = fields.record;
        game.marks = fields.marks;
        game.total = highScoreValue(entry);
        game.imported = true;
        games.append(game);
    }
    std::stable_sort(games.begin(), games.end(),
                     [](const HistoryGame &a, const HistoryGame &b) { return a.endedAt < b.endedAt; });
    return games;
}
