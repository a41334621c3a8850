// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "platform/screen.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <cmath>

int TwipsToPixels(double twips) { return static_cast<int>(std::lround(twips / kTwipsPerPixel)); }

QRect TwipsToPixels(const QRect &twips)
{
    return QRect(TwipsToPixels(twips.x()), TwipsToPixels(twips.y()), TwipsToPixels(twips.width()),
                 TwipsToPixels(twips.height()));
}

TwipsRect WindowTwips(const QWidget *window)
{
    const QRect g = window->frameGeometry();
    return {PixelsToTwips(g.x()), PixelsToTwips(g.y()), PixelsToTwips(g.width()),
            PixelsToTwips(g.height())};
}

void MoveWindowTwips(QWidget *window, double left, double top)
{
    window->move(TwipsToPixels(left), TwipsToPixels(top));
}

void ResizeWindowTwips(QWidget *window, int width, int height)
{
    window->setFixedSize(TwipsToPixels(width), TwipsToPixels(height));
}

QRect PrimaryScreenRect()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry() : QRect(0, 0, 1024, 768);
}

QRect PrimaryAvailableRect()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

int ScreenHeightTwips()
{
    const QRect usable = PrimaryAvailableRect();
    return PixelsToTwips(usable.y() + usable.height());
}

bool IsOnAnyScreen(const QRect &rect)
{
    for (const QScreen *screen : QGuiApplication::screens())
        if (screen->geometry().intersects(rect))
            return true;
    return false;
}
