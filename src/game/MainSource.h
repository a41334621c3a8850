#pragma once
#include <QString>

// Start-up in its fixed order: lane look flag, command line, region tables,
// high-score captions, stored ball colour (ticked, put on the ball and
// written back), random seed, lane look; then GameState "start-dlg". No
// window is shown before the loop runs.
void StartUp(const QString &arguments);

// The program: start-up, then the loop until GameState is "end".
int Main(int argc, char **argv);
