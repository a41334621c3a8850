// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#pragma once

class QByteArray;
class QWidget;

// What the game's small windows tell an X11 window manager beyond Qt's window
// flags. Both functions do nothing on any other platform (offscreen, or no
// X connection).

// Call before every mapping (from the show event; window managers drop a
// window's states when it is withdrawn). Keeps the window out of taskbars,
// pagers and window switchers, and declares zero frame extents, by which
// compositors know to draw no shadow of their own into the cut-away parts
// of its shape.
void prepareDesktopWindow(QWidget *window);

// Call with every native event of the window. Some window managers (KWin,
// mutter) mark a window that is shown without being activated as demanding
// attention; whenever the mark appears, this takes it back, as the window
// wants nothing from the player.
void withdrawAttention(QWidget *window, const QByteArray &eventType, void *message);
