// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#pragma once
#include <QLine>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <functional>
#include <vector>

// What the score sheet shows for a record and its split marks, in the
// sheet's pixels. The sheet is a row of ten frame boxes, each split into a
// frame-number row (y 4..16), a mark row (16..28) with one cell per ball and
// a total row (28..40); the tenth box is one and a half frames wide.
namespace SheetLayout {

constexpr QSize kWindowPixels{321, 45};
constexpr QRect kLabel1{304, 1, 18, 14};  // the close button's hot spot
constexpr int kSplitRadius = 6;           // split circles are drawn with a one-pixel pen
// The largest number of pixels below a text's top that a digit may reach: a
// total is drawn at y 30 and the box's bottom border is at y 39.
constexpr int kDigitInkDepth = 8;
// Pictures of each kind a sheet can show: enough for the twelve strikes or
// ten spares of a game. Further marks of a record that is no game are left out.
constexpr int kPicturesPerKind = 13;

}  // namespace SheetLayout

// Every text on the sheet is drawn in the sheet's one font; the role says
// what the text is.
enum class SheetTextRole { FrameNumber, Mark, Total };
enum class SheetPicture { Strike, Spare };

struct SheetText
{
    QPoint topLeft;
    QString text;
    SheetTextRole role;
};

struct SheetMark
{
    QPoint topLeft;
    SheetPicture picture;
};

// In painting order: texts and circles, then the grid in the sheet's line
// colour over them, then the mark pictures.
struct SheetDrawing
{
    std::vector<SheetText> texts;
    std::vector<QPoint> splitCircles;  // centres
    std::vector<QRect> boxes;          // outlines, one pixel wide, inside the rectangle
    std::vector<QLine> lines;          // one pixel wide; the end point is left out
    std::vector<SheetMark> marks;
};

// The width in pixels of a text as the sheet's font draws it.
using SheetTextWidth = std::function<int(SheetTextRole role, const QString &text)>;

// The sheet for a record: the grid, the frame numbers 1..10 and, for
// positions 1..21 of szScore, the marks, the split circles of szSprit and
// the totals of CalcFrameTotals. Frame numbers and totals are centred in
// their frame by textWidth (the tenth frame's over its first 29 pixels).
SheetDrawing sheetContents(const QString &szScore, const QString &szSprit, const SheetTextWidth &textWidth);
