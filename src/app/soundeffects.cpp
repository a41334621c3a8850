// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "soundeffects.h"

#include "pulseoutput.h"

#include "settings/settings.h"
#include "sound/soundswitch.h"

SoundEffects::SoundEffects(Settings &settings)
    : settings_(settings), makeOutput_([] { return std::make_unique<PulseOutput>(); })
{
}

SoundEffects::~SoundEffects() = default;

void SoundEffects::restore() { turn(storedSoundOn(settings_.ReadIniValue(kSoundSection, kSoundOnKey))); }

void SoundEffects::choose(bool on)
{
    settings_.WriteIniValue(kSoundSection, kSoundOnKey, soundOnText(on));
    turn(on);
}

void SoundEffects::turn(bool on)
{
    on_ = on;
    if (on_ && !output_)
        output_ = makeOutput_();
    else if (!on_ && output_)
        output_->stopAll();
}

void SoundEffects::hear(const ThrowEvents &events)
{
    if (on_ && !events.empty())
        output_->play(cuesFor(events));
}

void SoundEffects::silence()
{
    if (output_)
        output_->stopAll();
}
