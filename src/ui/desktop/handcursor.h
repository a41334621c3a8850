// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#pragma once
#include <QCursor>

// The pointing hand shown over the game's click areas: a 32 x 32 two-colour
// cursor with its hot spot at the fingertip (5, 0). Building it reads the
// artwork, so a window builds it once and keeps it.
QCursor buildHandCursor();
