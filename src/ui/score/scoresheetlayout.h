// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#pragma once
#include <QLine>
#include <QPoint>
#include <QRect>
#include <QSize>

// The score sheet's layout, in pixels (the form stores twips, 15 to a pixel).
// Index 0 of every control array is a template that lies outside the visible
// area; the tenth frame has design-time controls of its own, and the grid of
// frames 1..11 is created from the templates when the sheet is displayed.
namespace ScoreSheetLayout {

constexpr QSize kWindowPixels{321, 45};

// Design-time controls.
constexpr QRect kWakuTemplate{551, 81, 29, 36};
constexpr QRect kWakuTenth{256, 4, 42, 36};  // waku(12): one and a half frames wide
constexpr QLine kLineTTemplate{551, 92, 579, 92};
constexpr QLine kLineTTenth{256, 16, 297, 16};  // LineT(12): under the frame number
constexpr QLine kLineVTemplate{565, 92, 565, 105};
constexpr QLine kLineVTenthSecond{283, 16, 283, 29};  // LineV(12): between balls 2 and 3
constexpr QLine kLineVTenthFirst{269, 16, 269, 29};   // LineV(13): between balls 1 and 2
constexpr QLine kLineHTemplate{552, 105, 580, 105};
constexpr QLine kLineHTenth{257, 28, 297, 28};  // LineH(12): above the total
constexpr QPoint kPicstrikeTemplate{242, 81};
constexpr QPoint kPicspareTemplate{270, 81};
constexpr QSize kMarkPictureSize{9, 9};
constexpr QRect kLabel1{304, 1, 18, 14};  // the close button's hot spot

// Control array sizes: waku, LineT and LineH 0..12, LineV 0..13, pictures
// 0..12 (enough for twelve strikes or ten spares).
constexpr int kWakuCount = 13;
constexpr int kLineVCount = 14;
constexpr int kPictureCount = 13;
constexpr int kTenthIndex = 12;  // waku, LineT, LineH, LineV
constexpr int kTenthFirstLineV = 13;
constexpr int kFirstCreated = 1;  // run-time copies 1..11
constexpr int kLastCreated = 11;
constexpr int kFirstHiddenCreated = 10;  // 10 and 11 only hold positions

// Run-time grid: boxes start at (4, 4) and neighbours share a border column.
constexpr QPoint kFirstBox{4, 4};

// The sheet's rows: frame number y 4..16, marks 16..28, total 28..40.
constexpr int kTextInset = 2;         // text sits this far below a row's top line
constexpr int kFrameNumberShift = 2;  // frame numbers sit this far right of centre
constexpr int kCellLeft = 4;          // x of the first mark cell
constexpr int kMarkTextInset = 5;     // from a cell's left to its text mark
constexpr int kStrikeInset = 2;       // ... to its strike picture
constexpr int kSpareInset = 3;        // ... to its spare picture
constexpr int kSplitRadius = 6;
constexpr int kTenthSecondBallShift = 13;  // split circle of the tenth frame's second ball

// The largest number of pixels below a text row's top that a digit may reach:
// a total is drawn at y 30 and the box's bottom border is at y 39.
constexpr int kDigitInkDepth = 8;

}  // namespace ScoreSheetLayout
