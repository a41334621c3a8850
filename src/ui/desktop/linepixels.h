// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#pragma once
#include <QLine>
#include <QRect>
#include <QtGlobal>

// The pixels a one-pixel line covers: like the platform's lines, the end
// point is left out. The line is horizontal or vertical.
inline QRect linePixels(const QLine &line)
{
    if (line.y1() == line.y2()) {
        const int from = line.x2() >= line.x1() ? line.x1() : line.x2() + 1;
        return QRect(from, line.y1(), qAbs(line.dx()), 1);
    }
    const int from = line.y2() >= line.y1() ? line.y1() : line.y2() + 1;
    return QRect(line.x1(), from, 1, qAbs(line.dy()));
}
