#pragma once
#include <QString>

class QWidget;

// The speech balloon that announces the start of a game: three frameless
// windows side by side (left end, centre with the text, right end). While a
// balloon is up, BalloonBusy is -1 and the lane and start dialog ignore
// presses.

enum BalloonStyle : int { kTailLeft = 0, kTailRight = 1 };

// Lays the balloon out for the point (x, y), twips on the screen, and shows
// it; returns at once.
void ShowBalloon(const QString &text, int x, int y, int style);

// Shows a balloon above the lane, waits `milliseconds` and takes it away.
void ShowMessageBalloon(const QString &text, int milliseconds);

// Cuts a window to shape `shape` of the balloon's region table.
void ApplyPopRegion(int shape, QWidget *window);

// Whether any piece of a balloon exists (tests).
bool BalloonUp();
