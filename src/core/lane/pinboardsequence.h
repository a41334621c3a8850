// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#pragma once
#include "score/scorerecord.h"

#include <vector>

struct Rack;

// The pin board's lamp and mark sequences as data: what changes on the board
// and how long the game pauses after it. The game plays them on the board,
// each pause a Wait, so events keep flowing during a sequence.

constexpr int kBoardLamps = 10;  // lamp i shows pin i + 1
constexpr int kLampStep = 30;    // ms after each lamp that lights or goes dark

// The board's mark pictures; a blank covers the mark it blinks with.
enum BoardMark : int { kMarkBlank = 0, kMarkSpare = 1, kMarkStrike = 2 };
constexpr int kBoardMarks = 3;
static_assert(static_cast<int>(PinMark::Spare) == kMarkSpare &&
                  static_cast<int>(PinMark::Strike) == kMarkStrike,
              "a ball's mark names the board's picture");

struct BoardStep
{
    enum class What { Lamp, Mark, Pause };
    What what;
    int index = 0;    // lamp 0..9 or mark 0..2
    bool on = false;  // lit or shown
    int pauseMs = 0;  // pause after the change

    friend bool operator==(const BoardStep &a, const BoardStep &b)
    {
        return a.what == b.what && a.index == b.index && a.on == b.on && a.pauseMs == b.pauseMs;
    }
};
using BoardSequence = std::vector<BoardStep>;

// Lamp by lamp, the standing pins light up.
BoardSequence LightStandingPins(const Rack &rack);
// The lamps of felled pins go dark, then a pause before counting.
BoardSequence DarkenFelledPins(const Rack &rack);
// After a ball: every lamp goes dark, then the standing pins' lamps once more.
BoardSequence ClearLamps(const Rack &rack);
// The mark of the last ball blinks three times (none for an ordinary ball),
// a pause, and every mark goes away.
BoardSequence BlinkMark(PinMark last);
