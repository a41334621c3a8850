// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "score/sheetlayout.h"

#include "platform/numparse.h"
#include "score/scorerecord.h"

#include <algorithm>
#include <array>

namespace {

// The designed grid. A frame box is 29 x 36 and shares its left border
// column with its neighbour's right one, so box k (1..11) starts at
// 4 + 28 (k - 1); boxes 10 and 11 are drawn by the tenth frame's own box
// and lines, but their left edges place the tenth frame's texts and circles.
constexpr QPoint kFirstBox{4, 4};
constexpr QSize kBox{29, 36};
constexpr int kNumberLineY = kFirstBox.y() + kBox.height() / 3;                 // under the frame number
constexpr int kTotalLineY = kBox.height() - kBox.height() / 3 + kFirstBox.y();  // above the total
constexpr int kOrdinaryFrames = 9;

constexpr QRect kTenthBox{256, 4, 42, 36};
constexpr std::array<QLine, 4> kTenthLines = {{
    {256, 16, 297, 16},  // under the frame number
    {257, 28, 297, 28},  // above the total
    {283, 16, 283, 29},  // between the second and third ball
    {269, 16, 269, 29},  // between the first and second ball
}};

constexpr int kTextInset = 2;              // a text's top below its row's top line
constexpr int kFrameNumberShift = 2;       // frame numbers sit this far right of centre
constexpr int kMarkTextInset = 5;          // from a cell's left to its text mark
constexpr int kStrikeInset = 2;            // ... to its strike picture
constexpr int kSpareInset = 3;             // ... to its spare picture
constexpr int kTenthSecondBallShift = 13;  // split circle of the tenth frame's second ball

constexpr int boxLeft(int box) { return kFirstBox.x() + (kBox.width() - 1) * (box - 1); }
constexpr int cellLeft(int position) { return (kBox.width() / 2) * (position - 1) + kFirstBox.x(); }
int Centred(int box, int width) { return boxLeft(box) + (kBox.width() - width) / 2; }

bool isTextMark(QChar c) { return (c >= u'1' && c <= u'9') || c == kMissChar || c == kGutterChar; }

// The circle goes round the first cell of frames 1..9 and round the ball's
// own cell in the tenth frame, whose first and third cells begin at boxes
// 10 and 11.
QPoint splitCentre(int position)
{
    const int shift = position == kRecordSlots - 1 ? kTenthSecondBallShift : 0;
    const int box = position == kRecordSlots - 1 ? kFrames : (position + 1) / 2;
    return {boxLeft(box) + kBox.width() / 4 + shift, kNumberLineY + (kTotalLineY - kNumberLineY) / 2};
}

void addGrid(SheetDrawing &d)
{
    for (int k = 1; k <= kOrdinaryFrames; ++k) {
        const int left = boxLeft(k);
        d.boxes.push_back(QRect({left, kFirstBox.y()}, kBox));
        d.lines.push_back({left, kNumberLineY, left + kBox.width(), kNumberLineY});
        d.lines.push_back({left, kTotalLineY, left + kBox.width(), kTotalLineY});
        d.lines.push_back({left + kBox.width() / 2, kNumberLineY, left + kBox.width() / 2, kTotalLineY});
    }
    d.boxes.push_back(kTenthBox);
    d.lines.insert(d.lines.end(), kTenthLines.begin(), kTenthLines.end());
}

void addMark(SheetDrawing &d, int position, QChar c)
{
    const QPoint cell(cellLeft(position), kNumberLineY + kTextInset);
    const auto pictures = [&](SheetPicture kind) {
        return std::count_if(d.marks.begin(), d.marks.end(),
                             [kind](const SheetMark &m) { return m.picture == kind; });
    };
    if (isTextMark(c))
        d.texts.push_back({cell + QPoint(kMarkTextInset, 0), QString(c), SheetTextRole::Mark});
    else if (c == kStrikeChar && pictures(SheetPicture::Strike) < SheetLayout::kPicturesPerKind)
        d.marks.push_back({cell + QPoint(kStrikeInset, 0), SheetPicture::Strike});
    else if (c == kSpareChar && pictures(SheetPicture::Spare) < SheetLayout::kPicturesPerKind)
        d.marks.push_back({cell + QPoint(kSpareInset, 0), SheetPicture::Spare});
}

}  // namespace

SheetDrawing sheetContents(const QString &szScore, const QString &szSprit, const SheetTextWidth &textWidth)
{
    SheetDrawing d;
    for (int k = 1; k <= kFrames; ++k) {
        const QString text = QString::number(k);
        const int left = Centred(k, textWidth(SheetTextRole::FrameNumber, text)) + kFrameNumberShift;
        d.texts.push_back({{left, kFirstBox.y() + kTextInset}, text, SheetTextRole::FrameNumber});
    }

    const int positions = qMin(int(szScore.size()), kRecordSlots);
    for (int f = 1; f <= positions; ++f) {
        addMark(d, f, szScore.at(f - 1));
        if (f <= szSprit.size() && szSprit.at(f - 1) == kSplitChar)
            d.splitCircles.push_back(splitCentre(f));
    }

    const QString totals = CalcFrameTotals(szScore);
    for (int f = 0; f + kTotalDigits <= totals.size(); f += kTotalDigits) {
        const QString text = QString::number(qRound(leadingNumber(totals.mid(f, kTotalDigits))));
        const int left = Centred(f / kTotalDigits + 1, textWidth(SheetTextRole::Total, text));
        d.texts.push_back({{left, kTotalLineY + kTextInset}, text, SheetTextRole::Total});
    }
    addGrid(d);
    return d;
}
