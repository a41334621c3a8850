#pragma once
#include <QCursor>

// The pointing hand shown over the game's click areas: a 32 x 32 two-colour
// cursor with its hot spot at the fingertip (5, 0).
QCursor HandCursor();
