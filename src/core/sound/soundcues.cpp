// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "sound/soundcues.h"

#include <algorithm>

namespace {
constexpr SoundId kCrashByPins[] = {SoundId::Crash1, SoundId::Crash2, SoundId::Crash3, SoundId::Crash4};
constexpr int kCrashLevels = static_cast<int>(std::size(kCrashByPins));

SoundCue play(SoundId id) { return {SoundCue::Action::Play, id}; }
SoundCue stop(SoundId id) { return {SoundCue::Action::Stop, id}; }
}  // namespace

StepStart stepStart(const Game &game) { return {game.roll.GutterFlag, game.rack.standingCount()}; }

ThrowEvents stepEvents(const StepStart &before, const Game &after)
{
    ThrowEvents events;
    if (!before.gutter && after.roll.GutterFlag)
        events.push_back({ThrowEvent::Kind::Gutter});
    const int standing = after.rack.standingCount();
    if (standing < before.standing)
        events.push_back({ThrowEvent::Kind::PinsFell, before.standing - standing,
                          standing == 0 && after.rack.FirstBallOfRack});
    if (after.state() == GameState::ThrowE)
        events.push_back({ThrowEvent::Kind::LaneEnd});
    return events;
}

SoundCues cuesFor(const ThrowEvents &events)
{
    SoundCues cues;
    for (const ThrowEvent &e : events) {
        switch (e.kind) {
        case ThrowEvent::Kind::RollStarted:
            cues.push_back(play(SoundId::Roll));
            break;
        case ThrowEvent::Kind::Gutter:
            cues.insert(cues.end(), {stop(SoundId::Roll), play(SoundId::Gutter)});
            break;
        case ThrowEvent::Kind::PinsFell:
            if (e.strike)
                cues.push_back(play(SoundId::CrashFull));
            else if (e.pins > 0)
                cues.push_back(play(kCrashByPins[std::min(e.pins, kCrashLevels) - 1]));
            break;
        case ThrowEvent::Kind::LaneEnd:
            cues.push_back(stop(SoundId::Roll));
            break;
        case ThrowEvent::Kind::StrikeMark:
            cues.push_back(play(SoundId::StrikeChime));
            break;
        case ThrowEvent::Kind::SpareMark:
            cues.push_back(play(SoundId::SpareChime));
            break;
        }
    }
    return cues;
}
