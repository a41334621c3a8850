#include "shapes/mod_RGN_Data.h"
#include "shapes/popregiondata.h"

#include <QColor>
#include <QImage>
#include <QRegion>
#include <QSet>
#include <QString>

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <vector>

// The game's pictures, as they come out of the resource file.

namespace {

QImage LoadPicture(const char *name)
{
    return QImage(QStringLiteral(":/assets/%1.xpm").arg(QLatin1String(name)));
}

QRgb Rgb(QRgb pixel) { return pixel & 0xFFFFFFu; }

bool Opaque(const QImage &img, int x, int y) { return qAlpha(img.pixel(x, y)) == 255; }

bool Transparent(const QImage &img, int x, int y) { return qAlpha(img.pixel(x, y)) == 0; }

QRegion ToRegion(const std::optional<std::vector<QRect>> &rects)
{
    QRegion region;
    if (rects)
        for (const QRect &r : *rects)
            region += r;
    return region;
}

// --- every picture, with its size --------------------------------------------

struct SizeRow {
    const char *name;
    int width, height;
};

const SizeRow kSizes[] = {
    {"lane_solid", 307, 29},    {"lane_skeleton", 307, 29}, {"start", 81, 30},
    {"score_bg", 321, 45},      {"strike", 9, 9},           {"spare", 9, 9},
    {"denkou_bg", 24, 19},      {"mark_blank", 24, 19},     {"mark_spare", 24, 19},
    {"mark_strike", 24, 19},    {"balloon_l_tail", 8, 18},  {"balloon_r", 7, 18},
    {"balloon_l", 7, 18},       {"balloon_r_tail", 8, 18},  {"ball0", 7, 7},
    {"ball1", 7, 7},            {"ball2", 7, 7},            {"ball3", 7, 7},
    {"ball4", 7, 7},            {"pin", 5, 12},             {"icon", 32, 32},
    {"hand", 32, 32},
};

TEST(AssetsTest, EveryPictureLoadsWithItsSize)
{
    for (const SizeRow &row : kSizes) {
        SCOPED_TRACE(row.name);
        const QImage img = LoadPicture(row.name);
        ASSERT_FALSE(img.isNull());
        EXPECT_EQ(img.size(), QSize(row.width, row.height));
    }
}

// --- the score sheet's strike and spare marks, pixel for pixel ---------------

struct MarkRow {
    const char *name;
    std::function<bool(int column, int row)> black;
};

const MarkRow kSmallMarks[] = {
    {"strike",
     [](int c, int r) {
         if (r < 1 || c < 1)
             return false;
         const int k = std::min(r, 9 - r);
         return c <= k || c >= 9 - k;
     }},
    {"spare", [](int c, int r) { return r >= 1 && c >= 9 - r && c <= 8; }},
};

TEST(AssetsTest, SmallMarksFollowTheirPixelRules)
{
    for (const MarkRow &row : kSmallMarks) {
        SCOPED_TRACE(row.name);
        const QImage img = LoadPicture(row.name);
        ASSERT_EQ(img.size(), QSize(9, 9));
        for (int y = 0; y < 9; ++y)
            for (int x = 0; x < 9; ++x) {
                if (row.black(x, y)) {
                    EXPECT_TRUE(Opaque(img, x, y) && Rgb(img.pixel(x, y)) == 0)
                        << "(" << x << "," << y << ") should be black";
                } else {
                    EXPECT_TRUE(Transparent(img, x, y))
                        << "(" << x << "," << y << ") should be transparent";
                }
            }
    }
}

// --- shaped windows: the picture's outline is the window's outline -----------

struct ShapeRow {
    const char *name;
    int shape;
    QRgb background;
};

const ShapeRow kShaped[] = {
    {"lane_solid", 0, 0x0204FC},
    {"start", 1, 0x0204FC},
    {"score_bg", 2, 0x0204FC},
    {"lane_skeleton", 3, 0x0204FC},
};

TEST(AssetsTest, ShapedPicturesAgreeWithTheirWindowRegions)
{
    BuildRegionData();
    for (const ShapeRow &row : kShaped) {
        SCOPED_TRACE(row.name);
        const QImage img = LoadPicture(row.name);
        ASSERT_FALSE(img.isNull());
        const QRegion shape = ToRegion(RegionRects(RegionData[row.shape]));
        ASSERT_FALSE(shape.isEmpty());

        int inside = 0, insidePainted = 0, strayOutside = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) {
                const QRgb c = Rgb(img.pixel(x, y));
                if (shape.contains(QPoint(x, y))) {
                    ++inside;
                    if (c != row.background)
                        ++insidePainted;
                } else if (c != row.background || !Opaque(img, x, y)) {
                    if (++strayOutside <= 5)
                        ADD_FAILURE() << "(" << x << "," << y << ") lies outside the shape but is "
                                      << QColor(c).name().toStdString();
                }
            }
        EXPECT_EQ(strayOutside, 0);
        ASSERT_GT(inside, 0);
        EXPECT_GE(insidePainted * 100, inside * 95)
            << insidePainted << " of " << inside << " pixels inside the shape are painted";
    }
}

// --- balloon end pieces: opaque exactly where the pop shape lets them show ---

struct BalloonRow {
    const char *name;
    int shape;
};

const BalloonRow kBalloons[] = {
    {"balloon_l_tail", 0},
    {"balloon_r", 1},
    {"balloon_l", 2},
    {"balloon_r_tail", 3},
};

TEST(AssetsTest, BalloonPiecesFillTheirShapes)
{
    BuildPopRegionData();
    for (const BalloonRow &row : kBalloons) {
        SCOPED_TRACE(row.name);
        const QImage img = LoadPicture(row.name);
        ASSERT_FALSE(img.isNull());
        const QRegion shape = ToRegion(RegionRects(PopRegionData[row.shape]));
        ASSERT_FALSE(shape.isEmpty());
        bool hasOutline = false;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) {
                const bool in = shape.contains(QPoint(x, y));
                EXPECT_EQ(Opaque(img, x, y), in) << "(" << x << "," << y << ")";
                if (in) {
                    const QRgb c = Rgb(img.pixel(x, y));
                    EXPECT_TRUE(c == 0x000000 || c == 0xFFFFFF) << "(" << x << "," << y << ")";
                    hasOutline = hasOutline || c == 0x000000;
                }
            }
        EXPECT_TRUE(hasOutline);
        // Row 0 never shows; the body runs from row 1 to row 15.
        for (int x = 0; x < img.width(); ++x)
            EXPECT_TRUE(Transparent(img, x, 0)) << x;
    }
}

// --- colours that other parts of the game rely on ----------------------------

struct ColourRow {
    const char *name;
    QPoint at;
    QRgb colour;
};

const ColourRow kColours[] = {
    {"score_bg_panel", {150, 20}, 0xD6D4CC},
    {"score_bg_left_column", {0, 20}, 0x0204FC},
    {"score_bg_below_close_button", {312, 30}, 0x0204FC},
    {"score_bg_highlight", {150, 0}, 0xFFFFFF},
    {"score_bg_dark_shadow", {150, 44}, 0x424444},
    {"score_bg_grey_shadow", {150, 43}, 0x828484},
    {"denkou_bg_ground", {0, 0}, 0x0000FF},
    {"mark_blank_ground", {12, 9}, 0x0000FF},
    {"mark_spare_upper_left", {2, 2}, 0x0000FF},
    {"mark_spare_lower_right", {21, 16}, 0xFFFFFF},
    {"mark_strike_left_edge", {0, 9}, 0xFFFFFF},
    {"mark_strike_top_middle", {12, 1}, 0x0000FF},
    {"mark_strike_centre", {12, 9}, 0xFFFFFF},
};

QImage PictureOf(const char *rowName)
{
    const QString name = QString::fromLatin1(rowName);
    for (const char *picture : {"score_bg", "denkou_bg", "mark_blank", "mark_spare", "mark_strike"})
        if (name.startsWith(QLatin1String(picture)))
            return LoadPicture(picture);
    return {};
}

TEST(AssetsTest, FixedColoursSitWhereTheyBelong)
{
    for (const ColourRow &row : kColours) {
        SCOPED_TRACE(row.name);
        const QImage img = PictureOf(row.name);
        ASSERT_FALSE(img.isNull());
        EXPECT_EQ(Rgb(img.pixel(row.at)), row.colour)
            << "found " << QColor(img.pixel(row.at)).name().toStdString();
    }
}

TEST(AssetsTest, PinBoardShowsADarkDotUnderEveryLamp)
{
    const QImage img = LoadPicture("denkou_bg");
    ASSERT_FALSE(img.isNull());
    const QPoint lamps[] = {{1, 2}, {7, 2}, {13, 2}, {19, 2}, {4, 6},
                            {10, 6}, {16, 6}, {7, 10}, {13, 10}, {10, 14}};
    for (const QPoint &lamp : lamps) {
        SCOPED_TRACE(testing::Message() << "lamp at " << lamp.x() << "," << lamp.y());
        const QColor dot = img.pixelColor(lamp + QPoint(2, 2));
        EXPECT_NE(Rgb(dot.rgb()), 0x0000FFu);
        EXPECT_LT(dot.blue(), 200);
        EXPECT_EQ(dot.red(), dot.green());
    }
}

struct BallRow {
    const char *name;
    QRgb main;
};

const BallRow kBalls[] = {
    {"ball1", 0xFF0000},
    {"ball2", 0x0000FF},
    {"ball3", 0x00FF00},
    {"ball4", 0x4AFFFF},
};

TEST(AssetsTest, BallsAreRoundAndCarryTheirMainColour)
{
    for (const BallRow &row : kBalls) {
        SCOPED_TRACE(row.name);
        const QImage img = LoadPicture(row.name);
        ASSERT_EQ(img.size(), QSize(7, 7));
        for (const QPoint corner : {QPoint(0, 0), QPoint(6, 0), QPoint(0, 6), QPoint(6, 6)})
            EXPECT_TRUE(Transparent(img, corner.x(), corner.y()));
        int main = 0;
        for (int y = 0; y < 7; ++y)
            for (int x = 0; x < 7; ++x)
                main += Opaque(img, x, y) && Rgb(img.pixel(x, y)) == row.main;
        EXPECT_GE(main, 10);
    }
    // The black ball: dark all over, round as well.
    const QImage black = LoadPicture("ball0");
    ASSERT_EQ(black.size(), QSize(7, 7));
    EXPECT_TRUE(Transparent(black, 0, 0));
    EXPECT_LT(black.pixelColor(3, 4).lightness(), 60);
}

TEST(AssetsTest, HandCursorIsMonochromeWithItsTipAtTheHotSpot)
{
    const QImage img = LoadPicture("hand");
    ASSERT_EQ(img.size(), QSize(32, 32));
    EXPECT_TRUE(Opaque(img, 5, 0));
    EXPECT_EQ(Rgb(img.pixel(5, 0)), 0x000000u);
    for (int x = 0; x < 5; ++x)
        EXPECT_TRUE(Transparent(img, x, 0)) << x;
    EXPECT_TRUE(Opaque(img, 5, 1)); // the fingertip continues downwards
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            if (!Transparent(img, x, y)) {
                const QRgb c = Rgb(img.pixel(x, y));
                EXPECT_TRUE(c == 0x000000 || c == 0xFFFFFF) << "(" << x << "," << y << ")";
            }
}

struct PaletteRow {
    const char *name;
    int maxColours;
    bool transparentCorners;
};

const PaletteRow kPalettes[] = {
    {"icon", 16, true},         {"start", 16, false},         {"lane_solid", 16, false},
    {"lane_skeleton", 16, false}, {"score_bg", 16, false},     {"pin", 16, true},
};

TEST(AssetsTest, SixteenColourPicturesKeepToSixteenColours)
{
    for (const PaletteRow &row : kPalettes) {
        SCOPED_TRACE(row.name);
        const QImage img = LoadPicture(row.name);
        ASSERT_FALSE(img.isNull());
        QSet<QRgb> colours;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                colours.insert(img.pixel(x, y));
        EXPECT_LE(colours.size(), row.maxColours);
        if (row.transparentCorners) {
            const int r = img.width() - 1, b = img.height() - 1;
            EXPECT_TRUE(Transparent(img, 0, 0));
            EXPECT_TRUE(Transparent(img, r, 0));
            EXPECT_TRUE(Transparent(img, 0, b));
            EXPECT_TRUE(Transparent(img, r, b));
        }
    }
}

TEST(AssetsTest, PinIsWhiteWithARedBand)
{
    const QImage img = LoadPicture("pin");
    ASSERT_EQ(img.size(), QSize(5, 12));
    bool red = false;
    int white = 0;
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 5; ++x) {
            if (!Opaque(img, x, y))
                continue;
            const QColor c = img.pixelColor(x, y);
            red = red || (c.red() > 150 && c.green() < 60 && c.blue() < 60);
            white += c.rgb() == qRgb(255, 255, 255);
        }
    EXPECT_TRUE(red);
    EXPECT_GE(white, 15);
}

} // namespace
