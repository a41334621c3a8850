// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#pragma once
#include <QString>

class Pacer;

// Fills a history at `path` with `games` games of a few kinds over many days,
// as the statistics window meets them.
void fillBenchHistory(const QString &path, int games);
// With the history beside `settingsDir`'s KVZ.ini: opening the statistics
// window (every page's figures), scrolling its list to the end a page at a
// time, and opening the last game's sheet from it. Prints each against its
// target; false when one is missed.
bool statisticsWindowPhase(const QString &settingsDir, Pacer &pacer);
