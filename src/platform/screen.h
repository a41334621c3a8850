#pragma once
#include <QRect>

class QWidget;

// Window positions and sizes are kept in twips, as the game's layout was
// designed in them; 15 twips make one logical pixel.
constexpr int kTwipsPerPixel = 15;

constexpr int PixelsToTwips(int pixels) { return pixels * kTwipsPerPixel; }
int TwipsToPixels(double twips);

// A window's outer geometry, in twips.
struct TwipsRect {
    int left = 0, top = 0, width = 0, height = 0;
};
TwipsRect WindowTwips(const QWidget *window);
void MoveWindowTwips(QWidget *window, double left, double top);
void ResizeWindowTwips(QWidget *window, int width, int height);

// The primary screen, in pixels: whole and usable (without panels).
QRect PrimaryScreenRect();
QRect PrimaryAvailableRect();

// Whether any part of the rectangle (pixels) lies on some screen.
bool IsOnAnyScreen(const QRect &rect);
