// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "game/debuganswer.h"

#include "game/game.h"
#include "lane/lanemodel.h"
#include "lane/pinmodel.h"
#include "platform/numparse.h"
#include "score/scorerecord.h"

#include <array>
#include <limits>

namespace {

// Pins left standing by the split answer.
constexpr std::array<int, 2> kSplitLeave = {7, 10};

// A typed number as a 16-bit count; one too large to fit keeps its sign.
// An input method may type full-width digits, signs and spaces: they count
// as their ASCII forms.
qint16 debugCount(const QString &answer)
{
    const double value = leadingNumber(answer.normalized(QString::NormalizationForm_KC));
    if (const auto n = RoundToInt16(value))
        return *n;
    return value > 0 ? std::numeric_limits<qint16>::max() : std::numeric_limits<qint16>::min();
}

void knockAll(Rack &rack)
{
    for (int p = kFirstPin; p <= kLastPin; ++p)
        rack.knock(p);
}

}  // namespace

void applyDebugAnswer(Game &game, const QString &answer)
{
    Rack &rack = game.rack;
    game.roll.GutterFlag = false;
    game.roll.StrikeFlag = false;
    game.roll.NextPin = kFirstPin;

    int n = debugCount(answer);
    if (n == kDebugQuit) {
        game.advance(GameState::GameOver);
        return;
    }
    game.advance(GameState::ThrowE);
    if (n == kDebugSplit) {
        // Meant for a first ball: everything falls but 7 and 10, and every
        // image is hidden. On a second ball the first ball's pins leave the
        // count, as with any answer, so a frame never counts more than ten.
        for (int p = kFirstPin; p <= kLastPin; ++p) {
            if (rack.PinState[p] == kFelledThisRoll)
                rack.retire(p);
            else if (rack.standing(p))
                rack.knock(p);
            rack.PinVisible[p] = false;
        }
        for (int p : kSplitLeave)
            if (rack.PinState[p] == kFelledThisRoll)
                rack.PinState[p] = kStanding;
        return;
    }
    if (n == kPinsPerRack) {
        game.roll.StrikeFlag = true;
        knockAll(rack);
    } else if (n == 0) {
        game.roll.GutterFlag = true;
    }
    for (int p = kFirstPin; p <= kLastPin; ++p) {
        if (rack.standing(p) && n > 0) {
            rack.knock(p);
            --n;
        } else if (rack.PinState[p] == kFelledThisRoll) {
            // Felled by the rack's first ball: no longer part of this count.
            rack.retire(p);
        }
    }
}
