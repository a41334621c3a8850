// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "shapes/balloon.h"

#include "platform/pictures.h"

namespace {
constexpr int kPieceHeight = 270;  // twips
constexpr int kTailWidth = 120;
constexpr int kPlainWidth = 105;
constexpr int kCentreDrop = 10;  // the centre piece sits this much lower

struct PieceLayout
{
    const char *picture;
    int width;
    int shape;
};
// Left and right pieces for each tail.
constexpr PieceLayout kLayouts[2][2] = {
    {{"balloon_l_tail", kTailWidth, 0}, {"balloon_r", kPlainWidth, 1}},
    {{"balloon_l", kPlainWidth, 2}, {"balloon_r_tail", kTailWidth, 3}},
};

using ShapeResult = ShapedWindow::ShapeResult;

ShapeResult layOut(BalloonPiece &piece, const PieceLayout &layout, const PopRegionTable &regions)
{
    piece.setPicture(Picture(layout.picture));
    piece.resizeTwips(layout.width, kPieceHeight);
    return piece.setShape(regions[layout.shape]);
}
}  // namespace

ShapeResult Balloon::show(const QString &text, int x, int y, Tail tail)
{
    if (!left_)
        left_ = std::make_unique<frmL>();
    if (!centre_)
        centre_ = std::make_unique<frmC>();
    if (!right_)
        right_ = std::make_unique<frmR>();
    if (!regions_)
        regions_ = BuildPopRegionData();
    y -= left_->geometryTwips().height;
    centre_->printText(text);
    const auto &layouts = kLayouts[static_cast<int>(tail)];
    for (const ShapeResult result :
         {layOut(*left_, layouts[0], *regions_), layOut(*right_, layouts[1], *regions_)})
        if (result != ShapeResult::Done)
            return result;
    const int leftWidth = left_->geometryTwips().width;
    const int centreWidth = centre_->geometryTwips().width;
    if (tail == Tail::Right)
        x -= centreWidth + leftWidth;
    // The balloon's corner is converted once and the pieces placed from it in
    // pixels: converted piece by piece, the centre's 10-twip drop could round
    // away, and the end pieces' artwork needs the centre one pixel lower.
    left_->moveTwips(x, y);
    const QPoint corner = left_->pos();
    centre_->move(corner.x() + left_->width(), corner.y() + TwipsToPixels(kCentreDrop));
    right_->move(corner.x() + left_->width() + centre_->width(), corner.y());
    left_->show();
    centre_->show();
    right_->show();
    return ShapeResult::Done;
}

void Balloon::hide()
{
    left_.reset();
    centre_.reset();
    right_.reset();
}
