// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#pragma once
#include <QtGlobal>

class QWindow;

// Requests to an X11 window manager that the toolkit makes wrongly or not at
// all. Off X11 (another Qt platform) every call does nothing.

// A desktop's top-level window by its X11 id; 0 is none.
using DesktopWindowId = quint32;

// Asks the window manager to move `window` with the pointer until the left
// button is released, starting from where the pointer is on the screen now,
// in the root window's own coordinates. False when no window manager that
// moves windows on request is running (then nothing was asked).
bool requestWindowManagerMove(const QWindow *window);

// The window the desktop names as active; 0 when none or unknown.
DesktopWindowId activeDesktopWindow();

// Asks the window manager to activate `id` (give it the keyboard), the way
// a pager or task bar asks on the player's behalf. Does nothing for 0.
void activateDesktopWindow(DesktopWindowId id);

// Raises every shown top-level window of the program above the desktop's
// other windows, sending the requests at once: the toolkit keeps them until
// it next has something for the server, which may be a long while.
void raiseShownWindows();
