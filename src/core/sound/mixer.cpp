// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "sound/mixer.h"

#include <algorithm>
#include <limits>

void Mixer::play(SoundId id)
{
    if (!bank_[static_cast<int>(id)].empty())
        voices_.push_back({id, 0});
}

void Mixer::stop(SoundId id)
{
    voices_.erase(
        std::remove_if(voices_.begin(), voices_.end(), [id](const Voice &v) { return v.id == id; }),
        voices_.end());
}

void Mixer::mix(qint16 *out, int count)
{
    constexpr int kLow = std::numeric_limits<qint16>::min(), kHigh = std::numeric_limits<qint16>::max();
    for (int i = 0; i < count; ++i) {
        int sum = 0;
        for (Voice &v : voices_) {
            const SoundSamples &samples = bank_[static_cast<int>(v.id)];
            if (v.position == samples.size() && soundLoops(v.id))
                v.position = 0;
            if (v.position < samples.size())
                sum += samples[v.position++];
        }
        out[i] = static_cast<qint16>(std::clamp(sum, kLow, kHigh));
    }
    voices_.erase(std::remove_if(voices_.begin(), voices_.end(),
                                 [this](const Voice &v) {
                                     return !soundLoops(v.id) &&
                                            v.position >= bank_[static_cast<int>(v.id)].size();
                                 }),
                  voices_.end());
}
