// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#pragma once
#include "score/scorerecord.h"

#include <QString>
#include <QVector>
#include <bitset>
#include <optional>

// A finished record read rack by rack: every ball thrown at a fresh rack (a
// strike chance) and the ball that followed it at the same rack, if any.
// Frames 1..9 start one rack each; the tenth frame starts a fresh rack after
// every strike and after a spare, so it starts one to three.
struct RackStart
{
    int position = 0;  // 1-based slot of the ball in the record
    int frame = 0;     // 1..10
    int felled = 0;    // 0..10
    int second = -1;   // pins felled by the next ball at this rack; -1 when none was thrown
    bool gutter = false;
    bool split = false;  // the split marks hold a circle under the ball

    bool strike() const { return felled == kPinsPerRack; }
    bool spare() const { return !strike() && second >= 0 && felled + second == kPinsPerRack; }
};

// Racks in the order thrown; reading stops at the first slot the record does
// not reach, so an unfinished or damaged record gives what it holds.
QVector<RackStart> rackStarts(const QString &record, const QString &marks);

// Frames whose first two balls leave pins standing (no strike, no spare).
int countOpenFrames(const QString &record);

// Strikes in a row, racks apart: every ball at a fresh rack that felled all
// ten, the tenth frame's fill balls too.
struct StrikeRuns
{
    int longest = 0;
    int turkeys = 0;  // runs of three or more, each counted once however long
};
StrikeRuns strikeRuns(const QVector<RackStart> &racks);

// The pins felled by each of the tenth frame's fill balls: the two balls
// after a strike there, the one after a spare; none for an open tenth.
QVector<int> fillBalls(const QString &record);

// Bit i set: pin i + 1 stood.
using PinSet = std::bitset<kPinsPerRack>;

// The pins left standing by a ball at a fresh rack that did not strike, as
// far as the record tells. Counts do not name pins, so only these are known:
// a ball that felled nothing left all ten; a typed-in count n felled pins
// 1..n and left the rest. A typed-in 8 is not known: the answer that leaves
// 7 and 10 is written "8" with a split circle, just as a typed 8 leaving 9
// and 10 is. Every other leave is empty.
std::optional<PinSet> knownLeave(const RackStart &rack, bool typed);

// The pins the `index`th ball at a fresh rack (0-based, in rackStarts'
// order) left standing, as a game's stored `leaves` say (HistoryGame).
// Nothing when `leaves` does not hold exactly one leave for each of the
// game's `racks` balls in '0' and '1': a game recorded without them, or a
// row edited by hand.
std::optional<PinSet> storedLeave(const QString &leaves, int racks, int index);
