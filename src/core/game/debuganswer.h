// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#pragma once
#include <QString>

class Game;

// Debug play: the result of each ball is typed into a box instead of rolled.

// Answers of the debug input box.
constexpr int kDebugQuit = -1;   // back to the start dialog
constexpr int kDebugSplit = -2;  // leave pins 7 and 10 (meant for a first ball)

// The typed-in result of one ball, applied instead of a roll. Clears
// GutterFlag and StrikeFlag and sets NextPin to 1, then:
//   -1       state "game-over", pins untouched;
//   -2       every pin down except 7 and 10 (their images hidden too);
//   n        the first n standing pins in index order fall; pins felled by
//            the rack's first ball stop counting. 10 also sets StrikeFlag and
//            fells every pin; 0 is a gutter ball. Above 10 fells every
//            standing pin without StrikeFlag; below -2 fells nothing.
// The answer reads, after compatibility normalisation (full-width digits,
// signs and spaces as ASCII), as its leading number rounded half to even; cancel, empty
// and non-numeric text are 0, and a number too large for 16 bits counts as
// above 10 or below -2 by its sign. Except for -1, the state becomes
// "throw-e". Resetting the aiming markers is the caller's job.
void applyDebugAnswer(Game &game, const QString &answer);
