// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#pragma once
#include <QtGlobal>

// Pin states, PinState entries 1..10.
constexpr qint16 kStanding = 0;
constexpr qint16 kFelledThisRoll = 1;
constexpr qint16 kFelledEarlier = 2;

// The pins. A plain value: tests write PinState and PinVisible directly.
// A pin's image is hidden whenever the pin falls; pin numbers are 1..10,
// image numbers 0..10 (image 0 stands beyond the lane and has no state).
struct Rack
{
    qint16 PinState[12] = {};      // 1..10: kStanding, kFelledThisRoll or kFelledEarlier
    bool PinVisible[11] = {};      // image Pin(0)..Pin(10); Pin(0) stands beyond the lane
    bool FirstBallOfRack = false;  // the current ball is the first on a fresh rack
    int standingAtThrow = 0;       // pins standing when the current ball was thrown

    bool standing(int pin) const { return PinState[pin] == kStanding; }
    int standingCount() const;
    // The count of the current ball: pins felled by it and not passed since.
    int felledThisRollCount() const;

    void raise(int image);
    // Every image raised, 0..10: a fresh rack.
    void raiseAll();
    void knock(int pin);
    // A pin felled by the rack's first ball leaves the current ball's count.
    void retire(int pin);
};
