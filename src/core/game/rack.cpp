// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "game/rack.h"

#include "lane/lanemodel.h"

namespace {
int countPins(const Rack &rack, int state)
{
    int n = 0;
    for (int pin = kFirstPin; pin <= kLastPin; ++pin)
        n += rack.PinState[pin] == state;
    return n;
}
}  // namespace

int Rack::standingCount() const { return countPins(*this, kStanding); }

int Rack::felledThisRollCount() const { return countPins(*this, kFelledThisRoll); }

void Rack::raise(int image)
{
    PinState[image] = kStanding;
    PinVisible[image] = true;
}

void Rack::raiseAll()
{
    for (int image = 0; image <= kLastPin; ++image)
        raise(image);
}

void Rack::knock(int pin)
{
    PinState[pin] = kFelledThisRoll;
    PinVisible[pin] = false;
}

void Rack::retire(int pin)
{
    PinState[pin] = kFelledEarlier;
    PinVisible[pin] = false;
}
