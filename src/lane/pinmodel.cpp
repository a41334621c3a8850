#include "lane/pinmodel.h"

#include "game/gamevars.h"
#include "platform/numparse.h"
#include "platform/random.h"

#include <cmath>

namespace {

// A hook of at least this size (either way) makes a felled path pin push
// its neighbour over; the pin on the side the ball curves away from falls.
constexpr qint16 kToppleHook = 2;

// The hit band starts this fraction of the pin's height below its top.
constexpr int kBandStartDivisor = 3;

bool ValidPin(int pin) { return pin >= kFirstPin && pin <= kLastPin; }

bool AnySupportFelledThisRoll(const PinList &supports)
{
    for (qint16 s : supports) {
        if (PinState[s] == kFelledThisRoll)
            return true;
    }
    return false;
}

bool AllDown(const PinList &pins)
{
    for (qint16 p : pins) {
        if (PinState[p] == kStanding)
            return false;
    }
    return true;
}

bool AllStanding(const PinList &pins)
{
    for (qint16 p : pins) {
        if (PinState[p] != kStanding)
            return false;
    }
    return true;
}

int StandingCount()
{
    int n = 0;
    for (int p = kFirstPin; p <= kLastPin; ++p)
        n += PinState[p] == kStanding ? 1 : 0;
    return n;
}

}  // namespace

bool Chance(int range, int limit)
{
    return static_cast<int>(std::floor(Rnd() * range)) <= limit;
}

bool HeadPinStrikeChance()
{
    return static_cast<int>(std::floor(Rnd() * kHeadPinStrikeRange)) < kHeadPinStrikeBelow;
}

std::optional<qint16> BallCentreRow()
{
    // The ball's size is whole pixels already; the centre is rounded the way
    // every screen position is narrowed to an integer.
    return RoundToInt16(BallDrawnTop + static_cast<float>(kBallSize / 2));
}

bool BallOverPin(int pin)
{
    if (!ValidPin(pin))
        return false;
    const auto c = BallCentreRow();
    if (!c)
        return false;
    const int top = kPinImages[pin].top;
    return top + kPinHeight / kBandStartDivisor <= *c && *c <= top + kPinHeight;
}

void KnockPin(int pin)
{
    if (!ValidPin(pin))
        return;
    PinState[pin] = kFelledThisRoll;
    PinVisible[pin] = false;
}

void PinReached(int pin)
{
    if (!ValidPin(pin))
        return;
    switch (PinState[pin]) {
    case kStanding:
        DecidePinFall(pin, kSupports[pin]);
        break;
    case kFelledThisRoll:
        // Felled by the first ball and now passed by the second: it no longer
        // counts for this ball nor supports the pins behind it.
        PinState[pin] = kFelledEarlier;
        PinVisible[pin] = false;
        break;
    default:
        break;
    }
}

void DecidePinFall(int pin, const PinList &supports)
{
    if (StrikeFlag == kTrue) {
        KnockPin(pin);
        return;
    }
    if (supports.size == 0) {
        if (!BallOverPin(pin))
            return;
        if (Chance(kChanceRange, kSureLimit)) {
            KnockPin(pin);
            if (pin == kFirstPin)
                StrikeFlag = HeadPinStrikeChance() ? kTrue : kFalse;
        }
        return;
    }
    if (!AnySupportFelledThisRoll(supports)) {
        if (BallOverPin(pin) && Chance(kChanceRange, kSureLimit))
            KnockPin(pin);
        return;
    }
    // A support fell in front of it: the ball's line no longer matters.
    if (Chance(kChanceRange, kSupportedLimit))
        KnockPin(pin);
}

int RowIndexOf(int pin)
{
    for (int r = 0; r < kPinRows; ++r) {
        if (pin >= kRows[r].lead && pin <= kRows[r].last)
            return r;
    }
    return -1;
}

void RowReached(int leadPin)
{
    const int r = RowIndexOf(leadPin);
    if (r < 0 || kRows[r].lead != leadPin)
        return;
    for (int p = kRows[r].lead; p <= kRows[r].last; ++p) {
        // PathPins has no entry for the head pin's row.
        if (r > 0 && BallOverPin(p))
            PathPins[r - 1] = static_cast<qint16>(p);
        PinReached(p);
    }
}

void TopplePathNeighbour(int pin)
{
    if (!ValidPin(pin) || PinState[pin] != kFelledThisRoll)
        return;
    int step = 0;
    if (HookValue <= -kToppleHook)
        step = 1;
    else if (HookValue >= kToppleHook)
        step = -1;
    else
        return;
    const PinRow row = kRows[RowIndexOf(pin)];
    for (int p = pin + step; p >= row.lead && p <= row.last; p += step) {
        if (PinState[p] == kFelledEarlier)
            continue;
        if (PinState[p] == kStanding && Chance(kChanceRange, kToppleLimit))
            KnockPin(p);
        return;
    }
}

bool IsSplit()
{
    if (PinState[kFirstPin] == kStanding)
        return false;
    // A standing pin cut off from every neighbour, with another pin left.
    if (StandingCount() > 1) {
        for (int n = kFirstPin + 1; n <= kLastPin; ++n) {
            if (PinState[n] == kStanding && AllDown(kNeighbours[n]))
                return true;
        }
    }
    // A gap in front: a felled pin with both pins behind it still standing.
    for (int q = kFirstPin; q <= kLastPinWithPinsBehind; ++q) {
        if (PinState[q] != kStanding && AllStanding(kBehind[q]))
            return true;
    }
    return false;
}
