// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#pragma once
#include <QRect>
#include <QRegion>
#include <optional>
#include <vector>

class QWidget;

// A window outline from a validated rectangle list.
QRegion regionFromRects(const std::vector<QRect> &rects);

// Cuts the window to the region; false when the window cannot take it.
bool setWindowRegion(QWidget *window, const QRegion &region);
