// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
// The benchmark's sound phases: they need a sound server with a monitor of
// the default sink (bench/sound-bench.sh starts one with a null sink).
#pragma once
#include "benchfigures.h"

class SoundEffects;

// Turns `sound` on and lets it set up, play a sound and fall idle again, as
// it does after a ball.
void startSound(SoundEffects &sound, Pacer &pacer);

// From a sound's event (the call that asks for it) to its first sample at
// the sink, read from the sink's monitor: a chime on an idle (corked)
// stream, as a roll's rumble or a mark's chime starts, and one over the
// rumble, as a crash starts (taken where the sum first rises above the
// rumble's peak, so a few ms late at most).
void delayPhase(Verdicts &verdicts, Pacer &pacer, SoundEffects &sound);
