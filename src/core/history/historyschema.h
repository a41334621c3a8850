// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#pragma once
#include "history/historygame.h"

#include <functional>

class QSqlDatabase;

// The history's schema, version 3 (PRAGMA user_version):
//
//   CREATE TABLE games (
//     id       INTEGER PRIMARY KEY,
//     ended_at TEXT    NOT NULL,  -- ISO 8601 with the UTC offset
//     record   TEXT    NOT NULL,  -- the sheet's throw record
//     marks    TEXT    NOT NULL,  -- the split marks, the record's length
//     total    INTEGER NOT NULL,
//     typed    INTEGER NOT NULL,  -- 1: results typed in (-X, -D)
//     imported INTEGER NOT NULL,  -- 1: taken over from the high scores
//     leaves   TEXT    NOT NULL DEFAULT ''  -- added by version 2, see HistoryGame
//   );
//   -- added by version 3, for the list of games in each of its orders:
//   CREATE INDEX games_by_time ON games (coalesce(julianday(ended_at), 0), id);
//   CREATE INDEX games_by_total ON games (total, id);
//
// A database is brought up to the current version one step at a time, each
// step in the transaction that also sets its version; a database newer than
// this program knows is used as it is.

constexpr int kHistorySchemaVersion = 3;

// Runs the steps from the database's version up to the current one. Creating
// the table (the step from 0) also inserts `firstGames()`. False when a step
// failed; the database is then as it was before that step.
bool migrateHistory(QSqlDatabase &db, const std::function<HistoryGames()> &firstGames);

// The form `ended_at` is stored in: ISO 8601 to the second with the UTC
// offset, "2026-12-07T18:14:05+01:00" ("+00:00", never "Z").
QString historyTimeText(const QDateTime &time);
// Reads `ended_at` back: the stored form quickly, any other ISO 8601 text
// the slow way (a row edited by hand); invalid when it is no time.
QDateTime historyTimeFromText(const QString &text);

// Inserts one game (its id is ignored) inside the caller's transaction.
bool insertHistoryGame(QSqlDatabase &db, const HistoryGame &game);
