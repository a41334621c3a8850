// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#pragma once
#include <QDateTime>
#include <QString>
#include <QtGlobal>

class Settings;

// The five best games, kept only in the settings file: section "Data", keys
// "HISCORE1" (best) to "HISCORE5". An entry is
//   date,record,marks,score
// with the date as "yyyy/MM/dd hh:mm:ss" (24-hour) and the score as the final
// total in three digits ("087", "300"). A missing or empty key is an empty
// slot. Among equal scores the older entry stands higher.

constexpr int kHighScorePlaces = 5;
inline const QString kHighScoreSection = QStringLiteral("Data");
inline const QString kHighScoreDateFormat = QStringLiteral("yyyy/MM/dd hh:mm:ss");
constexpr int kHighScoreDigits = 3;
constexpr QChar kHighScoreFieldSeparator = u',';

// "HISCORE" followed by the place digit.
QString highScoreKey(int place);

// The value an entry competes with: the leading number of the text after its
// last comma. An entry without a comma, with an empty or non-numeric score
// field, or with a score that does not fit 16 bits counts as 0.
int highScoreValue(const QString &entry);

// The score text stored for a record: the last three characters of its frame
// totals. A record too short to have finished a frame (only ever seen for an
// unfinished game) is stored as "000"; a shorter totals string is padded
// with leading zeros.
QString highScoreText(const QString &szScore);

// Offers a finished game, played up to `now`, to the table. Returns the
// place 1..5 it was entered at, or 0 when it did not beat any entry of a
// full table. The entries below the new one move down one place and the
// fifth is dropped.
int RecordHighScore(Settings &settings, const QString &szScore, const QString &szSprit,
                    const QDateTime &now);

// The stored entry of `place` (1..5), "" for an empty slot.
QString storedHighScore(const Settings &settings, int place);
