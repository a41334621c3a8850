// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#pragma once
#include "game/game.h"
#include "sound/soundbank.h"

#include <vector>

// What a ball does that the player hears, and which sounds that calls for.

struct ThrowEvent
{
    enum class Kind {
        RollStarted,  // the ball starts to move down the lane
        Gutter,       // it drops into the gutter
        PinsFell,     // pins fell at a row the ball reached
        LaneEnd,      // it leaves the lane's end
        StrikeMark,   // the pin board shows the strike mark
        SpareMark,    // ... the spare mark
    };
    Kind kind;
    int pins = 0;         // PinsFell: how many fell at that row
    bool strike = false;  // PinsFell: they were the last standing on a fresh rack

    friend bool operator==(const ThrowEvent &a, const ThrowEvent &b)
    {
        return a.kind == b.kind && a.pins == b.pins && a.strike == b.strike;
    }
};
using ThrowEvents = std::vector<ThrowEvent>;

// What one step of the rolling ball did, from the game before and after it:
// the part of the game a step changes, taken before stepBall.
struct StepStart
{
    bool gutter;
    int standing;
};
StepStart stepStart(const Game &game);
ThrowEvents stepEvents(const StepStart &before, const Game &after);

struct SoundCue
{
    enum class Action { Play, Stop };
    Action action;
    SoundId sound;
};
using SoundCues = std::vector<SoundCue>;

// The sounds the events call for, in their order: the rumble from the
// start until the gutter or the lane's end, the gutter roll, a crash at
// every row where pins fell, growing with their number and fullest for a
// strike, and a chime for each mark.
SoundCues cuesFor(const ThrowEvents &events);
