// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#pragma once
#include <QString>
#include <QtGlobal>

class Game;

// Small rules of the game flow that need no window: the command line, the
// stored ball colour, the typed-in result of debug mode and the frame label.

struct CommandLineSwitches
{
    bool debugMode = false;       // for DebugMode
    bool scoreSheetOnly = false;  // for ScoreSheetOnly
};

// The whole argument string, in any letter case, must be one switch:
// "-X" or "/X" plays by typed-in results with only the score sheet shown;
// "-D" or "/D" plays by typed-in results with the lane and pin board shown.
// Anything else, including a switch followed by more text, turns both off.
CommandLineSwitches ParseCommandLine(const QString &args);

constexpr int kBallColours = 5;

// Where the ball colour is stored in the settings file.
inline const QString kBallSection = QStringLiteral("BALL");
inline const QString kColorKey = QStringLiteral("COLOR");

// The ball colour index 0..4 stored as text: its leading number rounded half
// to even. Empty or non-numeric text, a value outside 0..4 and one too large
// for 16 bits all select colour 0.
int StoredColourIndex(const QString &text);

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
void ApplyDebugAnswer(Game &game, const QString &answer);

// The pin board's frame label for the ball about to be thrown: "F-01" ..
// "F-10"; the tenth frame's third ball still shows "F-10".
QString FrameLabel(const QString &szScore);
