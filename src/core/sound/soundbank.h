// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#pragma once
#include <QtGlobal>
#include <array>
#include <vector>

// The game's sound effects, synthesized here from fixed seeds: the same
// samples on every run. Mono, 16-bit, at kSoundRate.

constexpr int kSoundRate = 11025;  // samples per second

enum class SoundId {
    Roll,         // the ball's rumble, looped while it rolls
    Gutter,       // the hollower roll in the gutter, running out by itself
    Crash1,       // pins falling at one row: one pin ...
    Crash2,       //
    Crash3,       //
    Crash4,       // ... four pins (a row holds at most four)
    CrashFull,    // the row that completes a strike
    StrikeChime,  // the pin board flashes the strike mark
    SpareChime,   // ... the spare mark
};
constexpr int kSoundCount = static_cast<int>(SoundId::SpareChime) + 1;

using SoundSamples = std::vector<qint16>;

// Whether the sound plays on until it is stopped (only the rumble does).
bool soundLoops(SoundId id);

// The samples of one sound. A looped sound starts near silence and ends
// where it began, so that its repeats join without a click.
SoundSamples synthesize(SoundId id);

// Every sound, indexed by SoundId.
using SoundBank = std::array<SoundSamples, kSoundCount>;
SoundBank synthesizeAll();
