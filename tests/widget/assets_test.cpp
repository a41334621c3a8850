#include "shapes/mod_RGN_Data.h"
#include "shapes/popregiondata.h"

#include <QImage>
#include <QRegion>
#include <QSet>

#include <gtest/gtest.h>

#include <algorithm>

// The game's pictures, as they come out of the resource file.

namespace {

QImage LoadPicture(const char *name) { return QImage(QStringLiteral(":/assets/%1.xpm").arg(QLatin1String(name))); }

QList<QRgb> Pixels(const QImage &img)
{
    const QImage argb = img.convertToFormat(QImage::Format_ARGB32);  // no padding at the line ends
    const auto *first = reinterpret_cast<const QRgb *>(argb.constBits());
    return QList<QRgb>(first, first + argb.width() * argb.height());
}

// A pixel as a letter: ' ' transparent, 'k' opaque black, 'w' opaque white, 'o' anything else.
char Ink(QRgb p) { return qAlpha(p) == 0 ? ' ' : p == 0xFF000000u ? 'k' : p == 0xFFFFFFFFu ? 'w' : 'o'; }

TEST(AssetsTest, EveryPictureLoadsWithItsSizePaletteAndClearCorners)
{
    // colours: the most distinct pixel values (0: not checked).
    const struct { const char *name; int width, height, colours; bool clearCorners; } rows[] = {
        {"lane_solid", 307, 29, 16, false}, {"lane_skeleton", 307, 29, 16, false}, {"start", 81, 30, 16, false},
        {"score_bg", 321, 45, 16, false},   {"strike", 9, 9, 0, false},            {"spare", 9, 9, 0, false},
        {"denkou_bg", 24, 19, 0, false},    {"mark_blank", 24, 19, 0, false},      {"mark_spare", 24, 19, 0, false},
        {"mark_strike", 24, 19, 0, false},  {"balloon_l_tail", 8, 18, 0, false},   {"balloon_r", 7, 18, 0, false},
        {"balloon_l", 7, 18, 0, false},     {"balloon_r_tail", 8, 18, 0, false},   {"ball0", 7, 7, 0, true},
        {"ball1", 7, 7, 0, true},           {"ball2", 7, 7, 0, true},              {"ball3", 7, 7, 0, true},
        {"ball4", 7, 7, 0, true},           {"pin", 5, 12, 16, true},              {"icon", 32, 32, 16, true},
        {"hand", 32, 32, 3, false},  // monochrome: black, white and clear
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        const QImage img = LoadPicture(row.name);
        ASSERT_EQ(img.size(), QSize(row.width, row.height));
        const QList<QRgb> pixels = Pixels(img);
        if (row.colours)
            EXPECT_LE(QSet<QRgb>(pixels.begin(), pixels.end()).size(), row.colours);
        const int r = row.width - 1, b = row.height - 1;
        if (row.clearCorners)
            EXPECT_EQ(QString() + Ink(img.pixel(0, 0)) + Ink(img.pixel(r, 0)) + Ink(img.pixel(0, b)) + Ink(img.pixel(r, b)), "    ");
    }
}

TEST(AssetsTest, SmallMarksFollowTheirPixelRules)
{
    const struct { const char *name; bool (*black)(int c, int r); } marks[] = {
        {"strike", [](int c, int r) { return r >= 1 && c >= 1 && (c <= std::min(r, 9 - r) || c >= 9 - std::min(r, 9 - r)); }},
        {"spare", [](int c, int r) { return r >= 1 && c >= 9 - r && c <= 8; }},
    };
    for (const auto &mark : marks)
        for (int y = 0; y < 9; ++y)
            for (int x = 0; x < 9; ++x)
                EXPECT_EQ(Ink(LoadPicture(mark.name).pixel(x, y)), mark.black(x, y) ? 'k' : ' ') << mark.name << ' ' << x << ',' << y;
}

// A shaped window's picture shows the see-through colour 0x0204FC outside
// the shape and is painted over nearly all of the inside. The balloon's end
// pieces are clear outside their pop shape and black or white all over the
// inside, with an outline; their row 0 never shows.
TEST(AssetsTest, ShapedPicturesAgreeWithTheirRegions)
{
    BuildRegionData();
    BuildPopRegionData();
    const struct { const char *name; int shape; bool balloon; } rows[] = {
        {"lane_solid", 0, false},    {"start", 1, false},     {"score_bg", 2, false},  {"lane_skeleton", 3, false},
        {"balloon_l_tail", 0, true}, {"balloon_r", 1, true}, {"balloon_l", 2, true}, {"balloon_r_tail", 3, true},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        const QImage img = LoadPicture(row.name);
        const std::vector<QRect> rects =
            (row.balloon ? RegionRects(PopRegionData[row.shape]) : RegionRects(RegionData[row.shape])).value();
        QRegion region;
        region.setRects(rects.data(), int(rects.size()));
        const QRgb outside = row.balloon ? 0u : 0xFF0204FCu;
        int inside = 0, painted = 0, stray = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) {
                const QRgb p = img.pixel(x, y);
                if (!region.contains(QPoint(x, y)))
                    stray += p != outside;
                else
                    ++inside, painted += row.balloon ? Ink(p) == 'k' || Ink(p) == 'w' : p != outside;
            }
        EXPECT_EQ(stray, 0) << "pixels painted outside the shape";
        EXPECT_GE(painted * 100, inside * (row.balloon ? 100 : 95)) << painted << " of " << inside << " painted";
        if (row.balloon)
            EXPECT_TRUE(Pixels(img).contains(0xFF000000u) && !region.intersects(QRect(0, 0, img.width(), 1)));
    }
}

TEST(AssetsTest, ColoursThatOtherPartsRelyOn)
{
    const struct { const char *picture; QPoint at; QRgb argb; } rows[] = {
        {"score_bg", {150, 20}, 0xFFD6D4CC},    // panel
        {"score_bg", {0, 20}, 0xFF0204FC},      // left column: see-through
        {"denkou_bg", {0, 0}, 0xFF0000FF},      // ground
        {"mark_blank", {12, 9}, 0xFF0000FF},
        {"mark_spare", {21, 16}, 0xFFFFFFFF},   // lower right half
        {"mark_strike", {12, 9}, 0xFFFFFFFF},   // centre
        {"hand", {5, 0}, 0xFF000000},           // the fingertip at the hot spot
        {"hand", {4, 0}, 0x00000000},
        {"ball0", {3, 4}, 0xFF24262C},          // the black ball is dark
    };
    for (const auto &row : rows)
        EXPECT_EQ(LoadPicture(row.picture).pixel(row.at), row.argb) << row.picture << " at " << row.at.x() << "," << row.at.y();
    // The balls carry their main colour and the pin is white with a red band.
    const struct { const char *picture; QRgb argb; int atLeast; } mains[] = {
        {"ball1", 0xFFFF0000, 10}, {"ball2", 0xFF0000FF, 10}, {"ball3", 0xFF00FF00, 10},
        {"ball4", 0xFF4AFFFF, 10}, {"pin", 0xFFFFFFFF, 15},   {"pin", 0xFFE01E1E, 2},
    };
    for (const auto &main : mains)
        EXPECT_GE(Pixels(LoadPicture(main.picture)).count(main.argb), main.atLeast) << main.picture;
    // The pin board shows a dark dot under every lamp.
    const QImage board = LoadPicture("denkou_bg");
    for (const QPoint lamp : {QPoint(1, 2), {7, 2}, {13, 2}, {19, 2}, {4, 6}, {10, 6}, {16, 6}, {7, 10}, {13, 10}, {10, 14}}) {
        const QColor dot = board.pixelColor(lamp + QPoint(2, 2));
        EXPECT_TRUE(dot.blue() < 200 && dot.red() == dot.green()) << "lamp at " << lamp.x() << "," << lamp.y();
    }
}

} // namespace
