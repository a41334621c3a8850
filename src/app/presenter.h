// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#pragma once
#include "lane/pinboardsequence.h"
#include "shapeview/balloon.h"

#include <QString>

class Game;
class Pacer;
class WindowLoader;
class WindowShaper;
class frmMenu;

// Shows on the lane's windows what the game decided, pausing as the game
// does: the lane's look, the pin board's sequences and the balloon.
class Presenter
{
public:
    Presenter(Game &game, Pacer &pacer, WindowLoader &windows, const frmMenu &menu,
              const WindowShaper &shaper);

    // Pauses as the game does: events flow, debug mode skips it.
    void Wait(int milliseconds);
    void playBoard(const BoardSequence &steps);
    // Shows a balloon above the lane, waits `milliseconds` and takes it away;
    // presses are ignored meanwhile.
    void ShowMessageBalloon(const QString &text, int milliseconds);
    // Switches the lane between its solid and skeleton looks and colours the
    // pin board to match; flips SolidLane.
    void ToggleScreenMode();

private:
    Game &game_;
    Pacer &pacer_;
    WindowLoader &windows_;
    const frmMenu &menu_;
    const WindowShaper &shaper_;
    Balloon balloon_;
};
