// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#pragma once
#include <QString>

class GameWindows;

// Start-up in its fixed order: lane look flag, command line, region tables,
// high-score captions, stored ball colour (ticked, put on the ball and
// written back), the sound switch (ticked, never written), random seed, lane
// look; then state "start-dlg". No window is shown before the loop runs.
void startUp(GameWindows &w, const QString &arguments);

// The program: start-up, then the loop until the state is "end".
int Main(int argc, char **argv);
