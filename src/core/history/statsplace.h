// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#pragma once
#include <QRect>
#include <optional>

class Settings;

// The statistics window's place and size, stored in section STATS as LEFT,
// TOP, WIDTH and HEIGHT in twips, as the score sheet's place is, and seen by
// the window in logical pixels.

// The stored rectangle: empty when LEFT is missing or the size is not
// positive. Values read as the score sheet's place does.
std::optional<QRect> readStatsRect(const Settings &settings);
void writeStatsRect(Settings &settings, const QRect &pixels);

// The page of the window last shown, as PAGE in the same section: 0 when it
// is missing or names no page below `pages`.
int readStatsPage(const Settings &settings, int pages);
void writeStatsPage(Settings &settings, int page);
