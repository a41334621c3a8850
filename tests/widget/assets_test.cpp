// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "platform/regionmask.h"
#include "shapes/mod_RGN_Data.h"
#include "shapes/popregiondata.h"

#include <QImage>

#include <gtest/gtest.h>

// The game's pictures, as they come out of the resource file.

namespace {

QImage LoadPicture(const char *name) { return QImage(QStringLiteral(":/assets/%1.xpm").arg(QLatin1String(name))); }

// A pixel as a letter: ' ' transparent, 'k' opaque black, 'w' opaque white, 'o' anything else.
char Ink(QRgb p) { return qAlpha(p) == 0 ? ' ' : p == 0xFF000000u ? 'k' : p == 0xFFFFFFFFu ? 'w' : 'o'; }

TEST(AssetsTest, EveryPictureLoadsWithItsSizeAndTheSpritesHaveClearCorners)
{
    // clang-format off
    const struct { const char *name; int width, height; bool clearCorners = false; } rows[] = {
        {"lane_solid", 307, 29}, {"lane_skeleton", 307, 29}, {"start", 81, 30},         {"score_bg", 321, 45},
        {"hand", 32, 32},        {"strike", 9, 9},           {"spare", 9, 9},           {"denkou_bg", 24, 19},
        {"mark_blank", 24, 19},  {"mark_spare", 24, 19},     {"mark_strike", 24, 19},   {"balloon_r", 7, 18},
        {"balloon_l", 7, 18},    {"balloon_l_tail", 8, 18},  {"balloon_r_tail", 8, 18}, {"ball0", 7, 7, true},
        {"ball1", 7, 7, true},   {"ball2", 7, 7, true},      {"ball3", 7, 7, true},     {"ball4", 7, 7, true},
        {"pin", 5, 12, true},    {"icon", 32, 32, true},
    };
    // clang-format on
    for (const auto &row : rows) {
        const QImage img = LoadPicture(row.name);
        ASSERT_EQ(img.size(), QSize(row.width, row.height)) << row.name;
        for (const QPoint corner : {QPoint(0, 0), {row.width - 1, 0}, {0, row.height - 1}, {row.width - 1, row.height - 1}})
            EXPECT_TRUE(!row.clearCorners || Ink(img.pixel(corner)) == ' ') << row.name << " " << corner.x() << "," << corner.y();
    }
}

TEST(AssetsTest, SmallMarksFollowTheirPixelRules)
{
    // clang-format off
    const struct { const char *name; bool (*black)(int c, int r); } marks[] = {
        {"strike", [](int c, int r) { return r >= 1 && c >= 1 && (c <= qMin(r, 9 - r) || c >= 9 - qMin(r, 9 - r)); }},
        {"spare", [](int c, int r) { return r >= 1 && c >= 9 - r && c <= 8; }},
    };
    // clang-format on
    for (const auto &mark : marks)
        for (int i = 0; i < 81; ++i)
            EXPECT_EQ(Ink(LoadPicture(mark.name).pixel(i % 9, i / 9)), mark.black(i % 9, i / 9) ? 'k' : ' ')
                << mark.name << ' ' << i;
}

// A shaped window's picture shows the see-through colour 0x0204FC exactly
// outside its shape. The balloon's end
// pieces are clear outside their pop shape and black or white all over the
// inside, with an outline; their row 0 never shows.
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
        const QRegion region = RegionFromRects(
            *(row.balloon ? RegionRects(popRegionData[row.shape]) : RegionRects(regionData[row.shape])));
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

// In both looks the throw button is a plain square: what differs from the
// colour around it (at the top of the control area) fills a square.
TEST(AssetsTest, ThrowButtonIsAPlainSquare)
{
    for (const char *name : {"lane_solid", "lane_skeleton"}) {
        const QImage img = LoadPicture(name);
        const QRgb around = img.pixel(8, 0);
        QRegion button;
        for (int i = 0; i < 20 * 16; ++i)
            if (img.pixel(i % 20, i / 20) != around && img.pixel(i % 20, i / 20) != 0xFF0204FCu)
                button += QRect(i % 20, i / 20, 1, 1);
        const QRect box = button.boundingRect();
        EXPECT_EQ(button, QRegion(box)) << name;
        EXPECT_EQ(box.width(), box.height()) << name;
        EXPECT_GE(box.width(), 9) << name;
    }
}

TEST(AssetsTest, ColoursThatOtherPartsRelyOn)
{
    // The score panel; the pin board's blue ground and its marks (spare: lower right half, strike:
    // centre); the balls' main colours, the black one dark; the pin white with a red band; the
    // hand's fingertip at its hot spot (5, 0).
    // clang-format off
    const struct { const char *picture; QPoint at; QRgb argb; } rows[] = {
        {"score_bg", {150, 20}, 0xFFD6D4CC},  {"denkou_bg", {0, 0}, 0xFF0000FF},    {"mark_blank", {12, 9}, 0xFF0000FF},
        {"mark_spare", {21, 16}, 0xFFFFFFFF}, {"mark_strike", {12, 9}, 0xFFFFFFFF}, {"ball0", {3, 4}, 0xFF24262C},
        {"ball1", {3, 4}, 0xFFFF0000},        {"ball2", {3, 4}, 0xFF0000FF},        {"ball3", {3, 4}, 0xFF00FF00},
        {"ball4", {3, 0}, 0xFF4AFFFF},        {"pin", {1, 5}, 0xFFFFFFFF},          {"pin", {1, 2}, 0xFFE01E1E},
        {"hand", {5, 0}, 0xFF000000},         {"hand", {4, 0}, 0x00000000},
    };
    // clang-format on
    for (const auto &row : rows)
        EXPECT_EQ(LoadPicture(row.picture).pixel(row.at), row.argb) << row.picture << " at " << row.at.x() << "," << row.at.y();
    // The pin board shows a dark dot under every lamp.
    for (const QPoint lamp : {QPoint(1, 2), {7, 2}, {13, 2}, {19, 2}, {4, 6}, {10, 6}, {16, 6}, {7, 10}, {13, 10}, {10, 14}})
        EXPECT_EQ(LoadPicture("denkou_bg").pixel(lamp + QPoint(2, 2)), 0xFF00007Cu) << "lamp at " << lamp.x() << "," << lamp.y();
}

}  // namespace
