// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "shapeview/balloon.h"

#include "desktop/pictures.h"
#include "platform/twips.h"

namespace {
// Pixels, written as laid out in twips.
constexpr int kPieceHeight = fromTwips(270);
constexpr int kTailWidth = fromTwips(120);
constexpr int kPlainWidth = fromTwips(105);
// The centre piece sits this much lower: the end pieces' artwork needs its
// lines one pixel down.
constexpr int kCentreDrop = fromTwips(10);

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
    piece.setPicture(pictureNamed(layout.picture));
    piece.setFixedSize(layout.width, kPieceHeight);
    return piece.setShape(regions[layout.shape]);
}
}  // namespace

ShapeResult Balloon::show(const QString &text, const QPoint &at, Tail tail)
{
    if (!left_)
        left_ = std::make_unique<frmL>();
    if (!centre_)
        centre_ = std::make_unique<frmC>();
    if (!right_)
        right_ = std::make_unique<frmR>();
    if (!regions_)
        regions_ = BuildPopRegionData();
    // The left piece stands above the point by its height before it is
    // sized: its design height, as each balloon gets new pieces.
    const int top = at.y() - left_->frameGeometry().height();
    centre_->printText(text);
    const auto &layouts = kLayouts[static_cast<int>(tail)];
    for (const ShapeResult result :
         {layOut(*left_, layouts[0], *regions_), layOut(*right_, layouts[1], *regions_)})
        if (result != ShapeResult::Done)
            return result;
    const int left = tail == Tail::Right ? at.x() - centre_->width() - left_->width() : at.x();
    left_->move(left, top);
    centre_->move(left + left_->width(), top + kCentreDrop);
    right_->move(left + left_->width() + centre_->width(), top);
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
