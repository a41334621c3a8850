// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#pragma once
#include "sound/soundcues.h"

// Where the game's sounds go. Every call returns at once: whatever waits
// for a device or a server waits on a thread of the output's own.
class SoundOutput
{
public:
    virtual ~SoundOutput() = default;
    virtual void play(const SoundCues &cues) = 0;
    // Silences whatever plays.
    virtual void stopAll() = 0;
};
