// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#pragma once

class QWidget;

// Moves a frameless window with the mouse until the button is released, as
// if it were dragged by a title bar. Call from a left-button press handler.
// The window manager does the move where there is one; on a bare X server
// the window follows the pointer itself.
void startWindowDrag(QWidget *window);
