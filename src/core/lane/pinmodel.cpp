// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "lane/pinmodel.h"

#include "platform/numparse.h"

#include <cmath>

namespace {

// A hook of at least this size (either way) makes a felled path pin push
// its neighbour over; the pin on the side the ball curves away from falls.
constexpr int kToppleHook = 2;

// The hit band starts this fraction of the pin's height below its top.
constexpr int kBandStartDivisor = 3;

bool validPin(int pin) { return pin >= kFirstPin && pin <= kLastPin; }

bool anySupportFelledThisRoll(const Rack &rack, const PinList &supports)
{
    for (int s : supports) {
        if (rack.PinState[s] == kFelledThisRoll)
            return true;
    }
    return false;
}

bool allFelled(const Rack &rack, const PinList &pins)
{
    for (int p : pins) {
        if (rack.standing(p))
            return false;
    }
    return true;
}

bool allStanding(const Rack &rack, const PinList &pins)
{
    for (int p : pins) {
        if (!rack.standing(p))
            return false;
    }
    return true;
}

}  // namespace

bool Chance(Random &random, int range, int limit)
{
    return static_cast<int>(std::floor(random.rnd() * range)) <= limit;
}

bool HeadPinStrikeChance(Random &random)
{
    return static_cast<int>(std::floor(random.rnd() * kHeadPinStrikeRange)) < kHeadPinStrikeBelow;
}

std::optional<qint16> ballCentreRow(const Roll &roll)
{
    // The centre lies a whole number of pixels below the top (3 for the
    // 7-pixel ball); it is rounded the way every screen position is narrowed
    // to an integer.
    constexpr int kCentreBelowTop = kBallSize / 2;
    return RoundToInt16(roll.BallDrawnTop + static_cast<float>(kCentreBelowTop));
}

bool BallOverPin(const Roll &roll, int pin)
{
    if (!validPin(pin))
        return false;
    const auto c = ballCentreRow(roll);
    if (!c)
        return false;
    const int top = kPinImages[pin].top;
    return top + kPinHeight / kBandStartDivisor <= *c && *c <= top + kPinHeight;
}

void KnockPin(Rack &rack, int pin)
{
    if (!validPin(pin))
        return;
    rack.knock(pin);
}

void PinReached(Game &game, int pin)
{
    if (!validPin(pin))
        return;
    Rack &rack = game.rack;
    switch (rack.PinState[pin]) {
    case kStanding:
        DecidePinFall(game, pin, kSupports[pin]);
        break;
    case kFelledThisRoll:
        // Felled by the first ball and now passed by the second: it no longer
        // counts for this ball nor supports the pins behind it.
        rack.retire(pin);
        break;
    default:
        break;
    }
}

void DecidePinFall(Game &game, int pin, const PinList &supports)
{
    Rack &rack = game.rack;
    Roll &roll = game.roll;
    if (roll.StrikeFlag) {
        KnockPin(rack, pin);
        return;
    }
    if (supports.size == 0) {
        if (!BallOverPin(roll, pin))
            return;
        if (Chance(game.random, kChanceRange, kSureLimit)) {
            KnockPin(rack, pin);
            if (pin == kFirstPin)
                roll.StrikeFlag = HeadPinStrikeChance(game.random);
        }
        return;
    }
    if (!anySupportFelledThisRoll(rack, supports)) {
        if (BallOverPin(roll, pin) && Chance(game.random, kChanceRange, kSureLimit))
            KnockPin(rack, pin);
        return;
    }
    // A support fell in front of it: the ball's line no longer matters.
    if (Chance(game.random, kChanceRange, kSupportedLimit))
        KnockPin(rack, pin);
}

int rowIndexOf(int pin)
{
    for (int r = 0; r < kPinRows; ++r) {
        if (pin >= kRows[r].lead && pin <= kRows[r].last)
            return r;
    }
    return -1;
}

void RowReached(Game &game, int leadPin)
{
    const int r = rowIndexOf(leadPin);
    if (r < 0 || kRows[r].lead != leadPin)
        return;
    for (int p = kRows[r].lead; p <= kRows[r].last; ++p) {
        // PathPins has no entry for the head pin's row.
        if (r > 0 && BallOverPin(game.roll, p))
            game.roll.PathPins[r - 1] = static_cast<qint16>(p);
        PinReached(game, p);
    }
}

void TopplePathNeighbour(Game &game, int pin)
{
    Rack &rack = game.rack;
    if (!validPin(pin) || rack.PinState[pin] != kFelledThisRoll)
        return;
    int step = 0;
    if (game.roll.HookValue <= -kToppleHook)
        step = 1;
    else if (game.roll.HookValue >= kToppleHook)
        step = -1;
    else
        return;
    const PinRow row = kRows[rowIndexOf(pin)];
    for (int p = pin + step; p >= row.lead && p <= row.last; p += step) {
        if (rack.PinState[p] == kFelledEarlier)
            continue;
        if (rack.standing(p) && Chance(game.random, kChanceRange, kToppleLimit))
            KnockPin(rack, p);
        return;
    }
}

bool IsSplit(const Rack &rack)
{
    if (rack.standing(kFirstPin))
        return false;
    // A standing pin cut off from every neighbour, with another pin left.
    if (rack.standingCount() > 1) {
        for (int n = kFirstPin + 1; n <= kLastPin; ++n) {
            if (rack.standing(n) && allFelled(rack, kNeighbours[n]))
                return true;
        }
    }
    // A gap in front: a felled pin with both pins behind it still standing.
    for (int q = kFirstPin; q <= kLastPinWithPinsBehind; ++q) {
        if (!rack.standing(q) && allStanding(rack, kBehind[q]))
            return true;
    }
    return false;
}
