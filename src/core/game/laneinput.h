// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#pragma once
#include <QtGlobal>

class Game;

// What the lane's two buttons and the aiming markers do to the game. The
// lane window only reports presses; these decide, and only ever record a
// state or a flag for the loop to act on. While a balloon is up every press
// is ignored.

// A press on the throw button: the left (or any other non-right) button
// fixes the start position in "location1" and the target in "location2",
// where it is then held. Returns true when the press opens the menu instead
// (the right button).
bool throwButtonDown(Game &game, bool rightButton);

// The throw button let go: it is no longer held, and a release of a
// non-right button in "location3" throws.
void throwButtonUp(Game &game, bool rightButton);

// Whether a press on the score button shows or hides the score sheet: only
// the left button does.
bool scoreButtonToggles(const Game &game, bool leftButton);

// One pass of an aiming marker: the position moves on and the direction
// turns once it has left 0..8, so the next pass brings it back.
void stepAim(qint16 &pos, qint16 &dir);
