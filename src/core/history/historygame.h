// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#pragma once
#include <QDateTime>
#include <QString>
#include <QVector>

// One finished game as the history keeps it: one row of the `games` table.
struct HistoryGame
{
    qint64 id = 0;          // the row's id; 0 for a game not stored yet
    QDateTime endedAt;      // when the game reached its end, with its UTC offset
    QString record;         // the throw record as the sheet shows it
    QString marks;          // the split marks, the record's length
    int total = 0;          // the final total
    bool typed = false;     // the results were typed in rather than rolled
    bool imported = false;  // taken over from the stored high scores
    // The pins standing after every ball at a fresh rack, in the record's
    // order: ten characters a ball, '1' standing and '0' down for pins 1..10
    // ("0000000000" after a strike). "" when not known: games recorded before
    // the history kept them, and imported ones.
    QString leaves;
    // ended_at as the row holds it, kept only when it is no time (a row
    // edited by hand), so that it can be shown as it stands.
    QString storedEndedAt;
};

using HistoryGames = QVector<HistoryGame>;
