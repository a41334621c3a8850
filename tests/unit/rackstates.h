// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#pragma once
#include "game/game.h"

#include <string>

// A rack written as the states of pins 1..10, e.g. "1110000000": 0 standing,
// 1 felled by this ball, 2 felled earlier. An image is visible while its pin stands.
inline void SetRack(Rack &rack, const char *states)
{
    for (int p = 1; p <= 10; ++p)
        rack.PinVisible[p] = (rack.PinState[p] = static_cast<qint16>(states[p - 1] - '0')) == 0;
}

inline std::string States(const Rack &rack)
{
    std::string s;
    for (int p = 1; p <= 10; ++p)
        s += static_cast<char>('0' + rack.PinState[p]);
    return s;
}
