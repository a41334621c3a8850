// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "lane/pinboardsequence.h"

#include "game/game.h"

namespace {
// Pauses, ms.
constexpr int kDarkStep = 5;
constexpr int kAfterDarken = 250;
constexpr int kBlinkStep = 200;
constexpr int kBlinkRounds = 3;
constexpr int kAfterBlink = 600;

using What = BoardStep::What;

BoardStep lamp(int index, bool lit, int pauseMs) { return {What::Lamp, index, lit, pauseMs}; }
BoardStep mark(int index, bool shown, int pauseMs = 0) { return {What::Mark, index, shown, pauseMs}; }
BoardStep pause(int ms) { return {What::Pause, 0, false, ms}; }

bool standing(const Rack &rack, int lampIndex) { return rack.standing(lampIndex + 1); }
}  // namespace

BoardSequence LightStandingPins(const Rack &rack)
{
    BoardSequence steps;
    for (int i = 0; i < kBoardLamps; ++i)
        if (standing(rack, i))
            steps.push_back(lamp(i, true, kLampStep));
    return steps;
}

BoardSequence DarkenFelledPins(const Rack &rack)
{
    BoardSequence steps;
    for (int i = 0; i < kBoardLamps; ++i)
        if (!standing(rack, i))
            steps.push_back(lamp(i, false, kDarkStep));
    steps.push_back(pause(kAfterDarken));
    return steps;
}

BoardSequence ClearLamps(const Rack &rack)
{
    BoardSequence steps;
    for (int i = 0; i < kBoardLamps; ++i)
        steps.push_back(lamp(i, false, kDarkStep));
    for (int i = 0; i < kBoardLamps; ++i)
        if (standing(rack, i))
            steps.push_back(lamp(i, false, kLampStep));
    return steps;
}

BoardSequence BlinkMark(PinMark last)
{
    BoardSequence steps;
    const int shown = static_cast<int>(last);
    if (last != PinMark::None)
        for (int round = 0; round < kBlinkRounds; ++round) {
            steps.push_back(pause(kBlinkStep));
            steps.push_back(mark(shown, false));
            steps.push_back(mark(kMarkBlank, true, kBlinkStep));
            steps.push_back(mark(shown, true));
            steps.push_back(mark(kMarkBlank, false));
        }
    steps.push_back(pause(kAfterBlink));
    for (int m : {kMarkBlank, kMarkSpare, kMarkStrike})
        steps.push_back(mark(m, false));
    return steps;
}
