// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#pragma once
#include <QPoint>
#include <QRect>
#include <functional>

class Game;
class Settings;
class WindowShaper;
class frmScore;

// Where a score sheet stands and the place KVZ.ini keeps for it. Live and
// replay sheets alike are shaped and placed here as they load and store
// their place as they close.
class SheetPlace
{
public:
    // `lanePlace` gives the lane's frame on the screen, loading the lane if
    // need be: a sheet with no usable stored place goes above it.
    SheetPlace(const Game &game, Settings &settings, const WindowShaper &shaper,
               std::function<QRect()> lanePlace);

    // Shape, then the stored place when enough of the shape shows there, else
    // directly above the lane with the left edges aligned; either moved as
    // little as it takes to stand wholly on the usable area of its screen.
    // The place is written back. The sheet-only mode puts the sheet in the
    // corner instead.
    void load(frmScore &sheet);
    // Stores where the sheet stands.
    void store(const frmScore &sheet);

private:
    const Game &game_;
    Settings &settings_;
    const WindowShaper &shaper_;
    std::function<QRect()> lanePlace_;
};
