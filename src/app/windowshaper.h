// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#pragma once
#include "shapes/mod_RGN_Data.h"
#include "shapeview/shapedwindow.h"

class Dialogs;

// The windows' outlines: the region tables, filled once at start-up, and the
// cutting of a window to one of them. A shape that cannot be built or set is
// fatal: the player is told in an OK box and the program ends.
class WindowShaper
{
public:
    explicit WindowShaper(const Dialogs &dialogs) : dialogs_(dialogs) {}

    void BuildRegionData();
    const RegionTable &regions() const { return regions_; }
    // Cuts a window to a stored shape (0..4; anything else is ignored).
    void ApplyRegion(ShapedWindow &window, int shape) const;
    // Ends the program, after telling the player, unless `result` is Done.
    void reportShape(ShapedWindow::ShapeResult result) const;

private:
    const Dialogs &dialogs_;
    RegionTable regions_{};
};
