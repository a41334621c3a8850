// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#pragma once
#include "sound/soundbank.h"

#include <vector>

// Mixes the sounds that play into one stream of samples: every sound started
// plays from its beginning on top of the others (the same sound twice plays
// twice), looped sounds repeat until stopped, and the sum is held within the
// 16-bit range. Used by the one thread that feeds the sound server.
class Mixer
{
public:
    explicit Mixer(const SoundBank &bank) : bank_(bank) {}

    void play(SoundId id);
    // Every playing copy of `id` stops.
    void stop(SoundId id);
    void stopAll() { voices_.clear(); }
    // Nothing plays: what mix writes now is silence.
    bool idle() const { return voices_.empty(); }

    // The next `count` samples into `out`; sounds that end are dropped.
    void mix(qint16 *out, int count);

private:
    struct Voice
    {
        SoundId id;
        std::size_t position;
    };
    const SoundBank &bank_;
    std::vector<Voice> voices_;
};
