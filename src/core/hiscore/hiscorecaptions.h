// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#pragma once
#include <QString>

// How a stored high-score entry reads in the menu, and its fields for the
// replay sheet. Entries are found in the settings file, which may have been
// edited by hand, so nothing here assumes the four-field form.

struct HighScoreEntryFields
{
    QString date;    // before the first comma
    QString record;  // between the first and second comma
    QString marks;   // between the second and third comma
    QString score;   // after the last comma
};

// Splits an entry by its first, second, third and last comma. A field whose
// opening comma is missing is empty; a field whose closing comma is missing
// runs to the end of the entry. So an entry without commas is all date, and
// "d,r" gives record "r" and score "r".
HighScoreEntryFields highScoreFields(const QString &entry);

// The stored date "yyyy/MM/dd hh:mm:ss" as "yyyy年MM月dd日 HH:mm:ss". A date
// alone reads as midnight; text that is no date is returned as it stands.
QString highScoreCaptionDate(const QString &storedDate);

// The menu caption of `place` (1..5): "１位：2003年07月15日 21:04:09  スコア:087",
// or "２位：(なし)" for an empty entry. The score is shown as stored, or
// without its leading zeros in a language that writes numbers so (English).
QString highScoreCaption(int place, const QString &entry);
