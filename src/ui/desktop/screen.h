// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#pragma once
#include <QRect>
#include <QRegion>

// The primary screen, in pixels: whole and usable (without panels).
QRect primaryScreenRect();
QRect primaryAvailableRect();

// The bottom of the usable screen area: the game's windows stand on this
// line, above any bottom panel.
int usableScreenBottom();

// The usable area of the screen that shows most of `rect` (pixels, on the
// desktop), or of the primary screen when none shows any of it.
QRect availableAreaAt(const QRect &rect);

// Whether enough of a window's shape (pixels, on the desktop) lies on the
// screens to be grabbed with the mouse: some 8 x 8 square of it.
bool showsGrabbablePart(const QRegion &shape);
