#pragma once
#include <QtGlobal>

// Event handling for the game's own loop. None of these spin: whenever there
// is time left and nothing to do they block in the event dispatcher, which a
// wake-up at the deadline releases.

// Handles pending events at least once, then keeps handling events until the
// tick count reaches `deadline` (GetTickCount units).
void ProcessEventsUntil(qint64 deadline);

// Handles the events already pending or, when there are none, blocks until
// one arrives and handles it. Used where the game rests until the player does
// something.
void WaitForEvent();
