// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#pragma once
#include "history/historygame.h"

// A finished game as the history holds it, from its record and marks.
inline HistoryGame historyGame(const char *record, const char *marks, int total, bool typed = false)
{
    HistoryGame g;
    g.record = QString::fromLatin1(record);
    g.marks = QString::fromLatin1(marks);
    g.total = total;
    g.typed = typed;
    return g;
}
