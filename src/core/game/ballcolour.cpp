// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "game/ballcolour.h"

#include "platform/numparse.h"

int storedColourIndex(const QString &text)
{
    const int c = RoundToInt16(leadingNumber(text)).value_or(0);
    return c >= 0 && c < kBallColours ? c : 0;
}
