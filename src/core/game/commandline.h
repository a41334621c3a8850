// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#pragma once
#include <QString>

// The program's command line: the two debug plays.

struct CommandLineSwitches
{
    bool debugMode = false;       // for DebugMode
    bool scoreSheetOnly = false;  // for ScoreSheetOnly
};

// The whole argument string, in any letter case, must be one switch:
// "-X" or "/X" plays by typed-in results with only the score sheet shown;
// "-D" or "/D" plays by typed-in results with the lane and pin board shown.
// Anything else, including a switch followed by more text, turns both off.
CommandLineSwitches parseCommandLine(const QString &args);
