// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "lane/lanemodel.h"

#include <cstdlib>

namespace {
constexpr std::array<MarkerColumn, 3> kIdleDrawingOrder = {MarkerColumn::Aim, MarkerColumn::Start,
                                                           MarkerColumn::Hook};
}  // namespace

const MarkerColumnStyle &StyleOf(MarkerColumn column)
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

MarkerLine MarkerGeometry(MarkerColumn column, int row)
{
    const MarkerColumnStyle &style = StyleOf(column);
    const int y = kMarkerFirstY + kMarkerRowPitch * row;
    const int x1 = style.tipX - style.chevron * std::abs(row - kMarkerMiddleRow);
    return {x1, y, x1 + style.length, y, kWhite};
}

MarkerColumnLines AimingColumnLines(MarkerColumn column, int currentRow)
{
    const Rgb highlight = StyleOf(column).highlight;
    MarkerColumnLines lines{};
    for (int row = 0; row < kMarkerRows; ++row) {
        lines[row] = MarkerGeometry(column, row);
        lines[row].colour = row == currentRow ? highlight : kWhite;
    }
    return lines;
}

IdleMarkerLines IdleMarkers()
{
    IdleMarkerLines lines{};
    int next = 0;
    for (int row = 0; row < kMarkerRows; ++row) {
        for (MarkerColumn column : kIdleDrawingOrder) {
            MarkerLine line = MarkerGeometry(column, row);
            line.colour = StyleOf(column).idle;
            lines[next++] = line;
        }
    }
    return lines;
}
