#pragma once
#include <QtGlobal>

// Pauses for at least `milliseconds` while window events keep being handled;
// returns at once, handling nothing, in debug mode. The wait blocks in the
// event dispatcher, so it costs no CPU while nothing happens.
void Wait(int milliseconds);
