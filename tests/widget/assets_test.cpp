// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "desktop/handcursor.h"
#include "desktop/regionmask.h"
#include "gameview/frmLane.h"
#include "lane/lanemodel.h"
#include "shapes/mod_RGN_Data.h"
#include "shapes/popregiondata.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

QImage LoadPicture(const QString &name) { return QImage(QStringLiteral(":/assets/%1.xpm").arg(name)); }

// A pixel as a letter: ' ' transparent, 'k' opaque black, 'w' opaque white, 'o' anything else.
char Ink(QRgb p) { return qAlpha(p) == 0 ? ' ' : p == 0xFF000000u ? 'k' : p == 0xFFFFFFFFu ? 'w' : 'o'; }

// Every picture the windows ask for is in the resource file; those drawn over
// something else are see-through at their corners, those drawn to a size in
// the code have that size, and the hand cursor's hot spot is its fingertip.
TEST(AssetsTest, EveryPictureLoadsAndFitsHowItIsDrawn)
{
    const QStringList sprites = {"ball0", "ball1", "ball2", "ball3", "ball4", "pin", "icon"};
    for (const QString &name : sprites + QStringList{"hand", "strike", "spare", "denkou_bg", "mark_blank", "mark_spare",
                                                     "mark_strike", "balloon_l", "balloon_r", "balloon_l_tail", "balloon_r_tail",
                                                     "lane_solid", "lane_skeleton", "start", "score_bg"}) {
        const QImage img = LoadPicture(name);
        ASSERT_FALSE(img.isNull()) << name.toStdString();
        const QRect r = img.rect();
        for (const QPoint corner : {r.topLeft(), r.topRight(), r.bottomLeft(), r.bottomRight()})
            EXPECT_TRUE(!sprites.contains(name) || Ink(img.pixel(corner)) == ' ') << name.toStdString();
    }
    EXPECT_EQ(LoadPicture("ball0").size(), QSize(kBallSize, kBallSize));
    EXPECT_EQ(LoadPicture("pin").size(), QSize(kPinWidth, kPinHeight));
    EXPECT_EQ(LoadPicture("lane_skeleton").size(), QSize(kLaneInnerWidth, kLaneInnerHeight));
    const QPoint hotSpot = buildHandCursor().hotSpot();
    EXPECT_EQ(std::pair(Ink(LoadPicture("hand").pixel(hotSpot)), Ink(LoadPicture("hand").pixel(hotSpot - QPoint(1, 0)))),
              std::pair('k', ' '));
}

// A shaped window's picture shows the see-through colour 0x0204FC exactly
// outside its shape. The balloon's end pieces are clear outside their pop
// shape and black or white all over the inside, with an outline; their row
// 0 never shows.
TEST(AssetsTest, ShapedPicturesAgreeWithTheirRegions)
{
    const RegionTable regionData = BuildRegionData();
    const PopRegionTable popRegionData = BuildPopRegionData();
    // clang-format off
    const struct { const char *name; int shape; bool balloon; } rows[] = {
        {"lane_solid", 0, false},    {"start", 1, false},    {"score_bg", 2, false}, {"lane_skeleton", 3, false},
        {"balloon_l_tail", 0, true}, {"balloon_r", 1, true}, {"balloon_l", 2, true}, {"balloon_r_tail", 3, true},
    };
    // clang-format on
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        const QImage img = LoadPicture(row.name);
        const QRegion region = regionFromRects(
            *(row.balloon ? regionRects(popRegionData[row.shape]) : regionRects(regionData[row.shape])));
        const QRgb outside = row.balloon ? 0u : 0xFF0204FCu;
        int inside = 0, painted = 0, stray = 0, black = 0;
        for (int i = 0; i < img.width() * img.height(); ++i) {
            const QPoint at(i % img.width(), i / img.width());
            const QRgb p = img.pixel(at);
            const bool in = region.contains(at);
            stray += !in && p != outside;
            inside += in, black += in && p == 0xFF000000u;
            painted += in && (row.balloon ? Ink(p) == 'k' || Ink(p) == 'w' : p != outside);
        }
        EXPECT_EQ(stray, 0) << "pixels painted outside the shape";
        EXPECT_EQ(painted, inside) << "pixels of the shape left unpainted";
        EXPECT_TRUE(!row.balloon || (black > 0 && !region.intersects(QRect(0, 0, img.width(), 1))));
    }
}

// In both looks the throw button is a plain square, where its clicks count:
// what differs from the colour around it (at the top of the control area)
// fills a square inside the button's click area.
TEST(AssetsTest, ThrowButtonIsAPlainSquareOnItsClickArea)
{
    for (const char *name : {"lane_solid", "lane_skeleton"}) {
        const QImage img = LoadPicture(name);
        QRegion button;
        for (int i = 0; i < 20 * 16; ++i)
            if (const QRgb p = img.pixel(i % 20, i / 20); p != img.pixel(8, 0) && p != 0xFF0204FCu)
                button += QRect(i % 20, i / 20, 1, 1);
        const QRect box = button.boundingRect();
        EXPECT_TRUE(button == QRegion(box) && box.width() == box.height() && box.width() >= 9 &&
                    frmLane::kCtrlButton.contains(box))
            << name;
    }
}

}  // namespace
