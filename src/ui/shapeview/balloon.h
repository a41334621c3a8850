// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#pragma once
#include "shapes/popregiondata.h"
#include "shapeview/frmC.h"
#include "shapeview/frmL.h"
#include "shapeview/frmR.h"

#include <QString>
#include <memory>
#include <optional>

// The speech balloon that announces the start of a game: three frameless
// windows side by side (left end, centre with the text, right end). The
// pieces exist only while the balloon is up.
class Balloon
{
public:
    // The end that carries the tail, pointing at the balloon's point.
    enum class Tail : int { Left = 0, Right = 1 };

    // Lays the balloon out for a point on the screen (pixels) and shows it;
    // returns at once. The end pieces' region table is filled on the first
    // showing. Any result but Done means a piece could not be cut to its
    // shape.
    ShapedWindow::ShapeResult show(const QString &text, const QPoint &at, Tail tail);
    // Takes the balloon away.
    void hide();

private:
    std::unique_ptr<frmL> left_;
    std::unique_ptr<frmC> centre_;
    std::unique_ptr<frmR> right_;
    std::optional<PopRegionTable> regions_;
};
