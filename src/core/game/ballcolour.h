// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#pragma once
#include <QString>

// The ball colour the player chose, as the settings file stores it.

constexpr int kBallColours = 5;

// Where the ball colour is stored in the settings file.
inline const QString kBallSection = QStringLiteral("BALL");
inline const QString kColorKey = QStringLiteral("COLOR");

// The ball colour index 0..4 stored as text: its leading number rounded half
// to even. Empty or non-numeric text, a value outside 0..4 and one too large
// for 16 bits all select colour 0.
int storedColourIndex(const QString &text);
