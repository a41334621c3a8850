// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#pragma once
#include "soundoutput.h"

#include "sound/soundcues.h"

#include <functional>
#include <memory>

class Settings;

// The game's sound effects behind the "play sounds" switch. Off until the
// player turns it on: only then is the output made (and with it the sound
// library loaded), and it is kept for the rest of the run. Turning sound off
// silences what plays. Every call returns at once.
class SoundEffects
{
public:
    using OutputMaker = std::function<std::unique_ptr<SoundOutput>()>;
    explicit SoundEffects(Settings &settings);
    ~SoundEffects();
    SoundEffects(const SoundEffects &) = delete;
    SoundEffects &operator=(const SoundEffects &) = delete;

    // An output made by `makeOutput` stands in for the sound server's
    // (tests); it is made when sound is next turned on.
    void makeOutputWith(OutputMaker makeOutput) { makeOutput_ = std::move(makeOutput); }

    bool on() const { return on_; }
    // The switch as start-up finds it stored: nothing is written.
    void restore();
    // The player's choice from the menu: stored at once, in force at once.
    void choose(bool on);

    // The ball did this: the sounds it calls for, while sound is on.
    void hear(const ThrowEvents &events);
    void hear(ThrowEvent::Kind kind) { hear(ThrowEvents{{kind}}); }
    // The game is left mid-ball: nothing of it goes on sounding.
    void silence();

private:
    void turn(bool on);

    Settings &settings_;
    OutputMaker makeOutput_;
    std::unique_ptr<SoundOutput> output_;
    bool on_ = false;
};
