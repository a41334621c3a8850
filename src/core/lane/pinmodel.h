// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#pragma once
#include "game/game.h"
#include "lane/lanemodel.h"

#include <QtGlobal>
#include <array>
#include <optional>

// Which pins fall. The ball's run hands every pin row it reaches to
// RowReached; the throw sequence applies IsSplit after a first ball and
// TopplePathNeighbour on the second ball after a split. The pins are the
// game's Rack; the roll gives StrikeFlag, PathPins, HookValue and where the
// ball is drawn; all randomness comes from the game's random source.

// A short list of pin numbers, usable as a constexpr table entry.
struct PinList
{
    static constexpr int kCapacity = 6;
    std::array<int, kCapacity> pins;
    int size;
    constexpr const int *begin() const { return pins.data(); }
    constexpr const int *end() const { return pins.data() + size; }
};

// Pins standing directly in front of a pin: when one of them fell in this
// roll, the pin is likely to be knocked over whatever the ball's line.
constexpr std::array<PinList, kPinImageCount> kSupports = {{
    {{}, 0},
    {{}, 0},
    {{}, 0},
    {{}, 0},
    {{}, 0},
    {{1, 2, 3}, 3},
    {{}, 0},
    {{}, 0},
    {{4, 5}, 2},
    {{5, 6}, 2},
    {{}, 0},
}};

// Pins that touch each other (the head pin left out): a standing pin with
// every neighbour down is isolated, which is what makes a split.
constexpr std::array<PinList, kPinImageCount> kNeighbours = {{
    {{}, 0},
    {{}, 0},
    {{3, 4, 5}, 3},
    {{2, 5, 6}, 3},
    {{2, 5, 7, 8}, 4},
    {{2, 3, 4, 6, 8, 9}, 6},
    {{3, 5, 9, 10}, 4},
    {{4, 8}, 2},
    {{4, 5, 7, 9}, 4},
    {{5, 6, 8, 10}, 4},
    {{6, 9}, 2},
}};

// The two pins directly behind a pin; only pins 1..6 have any.
constexpr int kLastPinWithPinsBehind = 6;
constexpr std::array<PinList, kLastPinWithPinsBehind + 1> kBehind = {{
    {{}, 0},
    {{2, 3}, 2},
    {{4, 5}, 2},
    {{5, 6}, 2},
    {{7, 8}, 2},
    {{8, 9}, 2},
    {{9, 10}, 2},
}};

// The rows as the ball reaches them, each a run of consecutive pin numbers
// led by its lowest pin.
struct PinRow
{
    int lead;
    int last;
};
constexpr int kPinRows = 4;
constexpr std::array<PinRow, kPinRows> kRows = {{{1, 1}, {2, 3}, {4, 6}, {7, 10}}};

// Random rules. Chance draws Int(r * range) for one r in [0, 1) and compares
// it with the limit, so with range 100 a limit of 99 or more always succeeds
// and 95 succeeds in 96 draws of 100.
constexpr int kChanceRange = 100;
constexpr int kSureLimit = 99;       // a direct hit
constexpr int kSupportedLimit = 95;  // a pin whose support fell
constexpr int kToppleLimit = 100;    // a path neighbour after a split
constexpr int kHeadPinStrikeRange = 50;
constexpr int kHeadPinStrikeBelow = 5;  // one head-pin hit in ten is a sure strike

bool Chance(Random &random, int range, int limit);
bool HeadPinStrikeChance(Random &random);

// The pixel row of the ball's centre line as drawn: its top plus half its
// size, rounded half to even; empty when out of 16-bit range. The lane draws
// the ball from it too, so what the player sees is what the pins feel.
std::optional<qint16> ballCentreRow(const Roll &roll);

// Whether the centre line of the ball, as currently drawn, lies in the pin's
// hit band: from a third of the way down the pin image to its bottom edge.
bool BallOverPin(const Roll &roll, int pin);

void KnockPin(Rack &rack, int pin);
void PinReached(Game &game, int pin);
void DecidePinFall(Game &game, int pin, const PinList &supports);

// Runs the row led by `leadPin` (1, 2, 4 or 7) and records its path pin;
// any other pin number runs nothing. Advancing NextPin is the caller's job.
void RowReached(Game &game, int leadPin);

// The row of a pin (index into kRows), or -1 for a number outside 1..10.
int rowIndexOf(int pin);

// On the second ball after a split: a felled path pin topples the first
// standing pin beside it in its row, on the side the hook turns away from.
void TopplePathNeighbour(Game &game, int pin);

// The split test on the standing pins after a first ball.
bool IsSplit(const Rack &rack);
