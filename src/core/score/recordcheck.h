// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#pragma once
#include <QString>

// Whether `record` and `marks` are a finished game exactly as the game
// writes one: read ball by ball and written again with appendThrow, they
// come out the same. A row edited by hand into anything else (a short or
// overlong record, a spare with no pins left, a count above the pins
// standing, a split circle under a ball that left none) is not.
bool isWrittenGame(const QString &record, const QString &marks);
