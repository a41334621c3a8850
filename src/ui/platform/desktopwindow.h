// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#pragma once

class QWidget;

// What the game's small windows tell an X11 window manager beyond Qt's window
// flags. Both functions do nothing on any other platform (offscreen, or no
// X connection).

// Call before every mapping (from the show event; window managers drop a
// window's states when it is withdrawn). Keeps the window out of taskbars,
// pagers and window switchers, and declares zero frame extents, by which
// compositors know to draw no shadow of their own into the cut-away parts
// of its shape.
void PrepareDesktopWindow(QWidget *window);

// Call right after mapping. A window shown without being activated is marked
// as demanding attention by some window managers (KWin); this takes the mark
// back, as the window wants nothing from the player. The request reaches the
// window manager after the map, on the same connection.
void WithdrawAttention(QWidget *window);
