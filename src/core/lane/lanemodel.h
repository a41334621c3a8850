// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#pragma once
#include <QtGlobal>
#include <array>

// Geometry of the lane window and of what is drawn on it, in lane pixels:
// x runs along the lane towards the pins, y across it with 0 at the top.
// Everything here is plain data; the lane window paints from it.

constexpr int kLaneInnerWidth = 307;
constexpr int kLaneInnerHeight = 29;
constexpr int kBallSize = 7;  // the ball image is square

constexpr int kPinWidth = 5;
constexpr int kPinHeight = 12;
constexpr int kFirstPin = 1;
constexpr int kLastPin = 10;
constexpr int kPinImageCount = 11;  // Pin(0) and the ten pins of the rack

struct PinImage
{
    int left;
    int top;
};

// Pin(0) stands beyond the visible lane and is no pin of the rack. Pins 1..10
// stand in rows of 1, 2, 3 and 4 (same left); within a row a higher pin
// number lies higher on the lane (smaller y).
constexpr std::array<PinImage, kPinImageCount> kPinImages = {{
    {318, 4},
    {276, 5},
    {281, 8},
    {281, 4},
    {286, 10},
    {286, 6},
    {286, 2},
    {291, 12},
    {291, 8},
    {291, 4},
    {291, 0},
}};

// ---- Aiming markers -------------------------------------------------------

struct Rgb
{
    int red;
    int green;
    int blue;
    friend constexpr bool operator==(Rgb a, Rgb b)
    {
        return a.red == b.red && a.green == b.green && a.blue == b.blue;
    }
    friend constexpr bool operator!=(Rgb a, Rgb b) { return !(a == b); }
};

constexpr Rgb kWhite = {255, 255, 255};

constexpr int kMarkerRows = 9;       // rows 0..8, one per aiming position
constexpr int kMarkerFirstY = 6;     // y of row 0
constexpr int kMarkerRowPitch = 2;   // y grows by this much per row
constexpr int kMarkerMiddleRow = 4;  // tip of the aim column's chevron

enum class MarkerColumn { Start, Aim, Hook };

struct MarkerColumnStyle
{
    int tipX;       // x where the line of the middle row starts
    int chevron;    // pixels the line start moves back per row away from the middle
    int length;     // signed x distance from the start to the end of a line
    Rgb idle;       // colour while nothing is being aimed with this column
    Rgb highlight;  // the current row while aiming
};

constexpr MarkerColumnStyle kStartColumn = {25, 0, 3, {128, 0, 0}, {255, 0, 0}};
constexpr MarkerColumnStyle kAimColumn = {60, 2, 2, {0, 128, 128}, {0, 0, 0}};
constexpr MarkerColumnStyle kHookColumn = {30, 0, -2, {255, 217, 179}, {255, 0, 0}};

struct MarkerLine
{
    int x1;
    int y1;
    int x2;
    int y2;
    Rgb colour;
};

using MarkerColumnLines = std::array<MarkerLine, kMarkerRows>;
using IdleMarkerLines = std::array<MarkerLine, 3 * kMarkerRows>;

const MarkerColumnStyle &styleOf(MarkerColumn column);

// The line of marker `row` of a column, without its colour.
MarkerLine markerGeometry(MarkerColumn column, int row);

// The column as an aiming state draws it: row `currentRow` in the column's
// highlight colour, every other row white. A current row outside 0..8 (the
// overshoot to -1 or 9 at a turn) highlights nothing.
MarkerColumnLines aimingColumnLines(MarkerColumn column, int currentRow);

// All three columns in their idle colours, in drawing order: for each row
// the aim, start and hook markers.
IdleMarkerLines idleMarkers();
