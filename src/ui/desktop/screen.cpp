// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "desktop/screen.h"

#include <QGuiApplication>
#include <QScreen>

QRect primaryScreenRect()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry() : QRect(0, 0, 1024, 768);
}

QRect primaryAvailableRect()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

int usableScreenBottom()
{
    const QRect usable = primaryAvailableRect();
    return usable.y() + usable.height();
}

QRect availableAreaAt(const QRect &rect)
{
    const QScreen *best = nullptr;
    qint64 bestShown = 0;
    for (const QScreen *screen : QGuiApplication::screens()) {
        const QRect shown = screen->geometry() & rect;
        const qint64 area = qint64(shown.width()) * shown.height();
        if (area > bestShown)
            best = screen, bestShown = area;
    }
    return best ? best->availableGeometry() : primaryAvailableRect();
}

bool showsGrabbablePart(const QRegion &shape)
{
    constexpr int kGrabSide = 8;
    QRegion screens;
    for (const QScreen *screen : QGuiApplication::screens())
        screens += screen->geometry();
    const QRegion visible = shape & screens;
    // What is left where every pixel starts a square wholly visible.
    QRegion corners = visible;
    for (int dy = 0; dy < kGrabSide; ++dy)
        for (int dx = 0; dx < kGrabSide; ++dx)
            corners &= visible.translated(-dx, -dy);
    return !corners.isEmpty();
}
