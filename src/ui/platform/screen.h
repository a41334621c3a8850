// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#pragma once
#include <QRect>
#include <QRegion>

class QWidget;

// Window positions and sizes are kept in twips, as the game's layout was
// designed in them; 15 twips make one logical pixel.
constexpr int kTwipsPerPixel = 15;

constexpr int PixelsToTwips(int pixels) { return pixels * kTwipsPerPixel; }
int TwipsToPixels(double twips);
QRect TwipsToPixels(const QRect &twips);

// A window's outer geometry, in twips.
struct TwipsRect
{
    int left = 0, top = 0, width = 0, height = 0;
};
TwipsRect WindowTwips(const QWidget *window);
void MoveWindowTwips(QWidget *window, double left, double top);
void ResizeWindowTwips(QWidget *window, int width, int height);

// The primary screen, in pixels: whole and usable (without panels).
QRect PrimaryScreenRect();
QRect PrimaryAvailableRect();

// Height of the usable screen area in twips: the game's windows stand on
// this line, above any bottom panel.
int ScreenHeightTwips();

// Whether enough of a window's shape (pixels, on the desktop) lies on the
// screens to be grabbed with the mouse: some 8 x 8 square of it.
bool ShowsGrabbablePart(const QRegion &shape);
