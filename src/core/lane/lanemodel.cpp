// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "lane/lanemodel.h"

#include <cstdlib>

namespace {
constexpr std::array<MarkerColumn, 3> kIdleDrawingOrder = {MarkerColumn::Aim, MarkerColumn::Start,
                                                           MarkerColumn::Hook};
}  // namespace

const MarkerColumnStyle &styleOf(MarkerColumn column)
{
    switch (column) {
    case MarkerColumn::Start:
        return kStartColumn;
    case MarkerColumn::Aim:
        return kAimColumn;
    case MarkerColumn::Hook:
        break;
    }
    return kHookColumn;
}

MarkerLine markerGeometry(MarkerColumn column, int row)
{
    const MarkerColumnStyle &style = styleOf(column);
    const int y = kMarkerFirstY + kMarkerRowPitch * row;
    const int x1 = style.tipX - style.chevron * std::abs(row - kMarkerMiddleRow);
    return {x1, y, x1 + style.length, y, kWhite};
}

MarkerColumnLines aimingColumnLines(MarkerColumn column, int currentRow)
{
    const Rgb highlight = styleOf(column).highlight;
    MarkerColumnLines lines{};
    for (int row = 0; row < kMarkerRows; ++row) {
        lines[row] = markerGeometry(column, row);
        lines[row].colour = row == currentRow ? highlight : kWhite;
    }
    return lines;
}

IdleMarkerLines idleMarkers()
{
    IdleMarkerLines lines{};
    int next = 0;
    for (int row = 0; row < kMarkerRows; ++row) {
        for (MarkerColumn column : kIdleDrawingOrder) {
            MarkerLine line = markerGeometry(column, row);
            line.colour = styleOf(column).idle;
            lines[next++] = line;
        }
    }
    return lines;
}
