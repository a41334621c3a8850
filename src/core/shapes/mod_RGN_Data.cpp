// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "shapes/mod_RGN_Data.h"

#include "shapes/regionbands.h"

#include <array>
#include <type_traits>

namespace {

constexpr int kRecordCapacity = std::extent_v<decltype(RegionRecord::rects)>;

// Solid lane: the disc under the throw button, the block under the score
// button, and the lane body from x = 24 with rounded left corners.
constexpr RegionBounds kSolidLaneBounds{308, 29};
constexpr RegionBand kSolidLane[] = {
    {0, 1, {{7, 13}, {30, 308}}},   {1, 2, {{5, 14}, {25, 308}}},   {2, 3, {{4, 15}, {24, 308}}},
    {3, 5, {{3, 16}, {24, 308}}},   {5, 10, {{2, 17}, {24, 308}}},  {10, 12, {{3, 16}, {24, 308}}},
    {12, 13, {{4, 15}, {24, 308}}}, {13, 14, {{5, 14}, {24, 308}}}, {14, 15, {{7, 12}, {24, 308}}},
    {15, 16, {{24, 308}}},          {16, 27, {{0, 19}, {24, 308}}}, {27, 28, {{0, 19}, {25, 308}}},
    {28, 29, {{0, 19}, {30, 308}}},
};

// Start dialog: the start disc on the left, the end disc on the right, and
// between them a figure with four knobs on top and a tapering stem.
constexpr RegionBounds kStartDialogBounds{79, 29};
constexpr RegionBand kStartDialog[] = {
    {1, 2, {{28, 30}, {36, 38}, {44, 46}, {52, 54}}},
    {2, 4, {{27, 31}, {35, 39}, {43, 47}, {51, 55}}},
    {4, 5, {{27, 31}, {32, 34}, {35, 39}, {40, 42}, {43, 47}, {48, 50}, {51, 55}}},
    {5, 6, {{8, 13}, {28, 54}, {67, 72}}},
    {6, 7, {{6, 15}, {28, 54}, {65, 74}}},
    {7, 8, {{4, 17}, {27, 55}, {63, 76}}},
    {8, 9, {{3, 18}, {27, 55}, {62, 77}}},
    {9, 10, {{3, 18}, {26, 56}, {62, 77}}},
    {10, 12, {{2, 19}, {26, 56}, {61, 78}}},
    {12, 14, {{1, 20}, {26, 56}, {60, 79}}},
    {14, 15, {{1, 20}, {27, 55}, {60, 79}}},
    {15, 16, {{1, 20}, {28, 54}, {60, 79}}},
    {16, 17, {{1, 20}, {30, 52}, {60, 79}}},
    {17, 18, {{2, 19}, {31, 51}, {61, 78}}},
    {18, 19, {{2, 19}, {32, 50}, {61, 78}}},
    {19, 20, {{3, 18}, {34, 48}, {62, 77}}},
    {20, 21, {{3, 18}, {35, 47}, {62, 77}}},
    {21, 22, {{4, 17}, {35, 46}, {63, 76}}},
    {22, 23, {{6, 15}, {35, 46}, {65, 74}}},
    {23, 24, {{8, 13}, {35, 46}, {67, 72}}},
    {24, 26, {{35, 46}}},
    {26, 27, {{36, 45}}},
    {27, 28, {{37, 44}}},
    {28, 29, {{38, 43}}},
};

// Score sheet: column 0 cut away, a 17-pixel tab on the right in rows 1..15.
constexpr RegionBounds kScoreSheetBounds{322, 45};
constexpr RegionBand kScoreSheet[] = {
    {0, 1, {{1, 306}}},
    {1, 16, {{1, 322}}},
    {16, 45, {{1, 305}}},
};

// Skeleton lane: button block, foul-line marks, arrow, five dotted lane
// lines and the pin deck; everything else is see-through.
constexpr RegionBounds kSkeletonLaneBounds{308, 29};
constexpr RegionBand kSkeletonLane[] = {
    {0, 3, {{277, 308}}},
    {3, 6, {{2, 11}, {277, 308}}},
    {6, 7, {{2, 11}, {25, 28}, {29, 31}, {52, 54}, {276, 308}}},
    {7, 8, {{2, 11}, {275, 308}}},
    {8, 9, {{2, 11}, {25, 28}, {29, 31}, {54, 56}, {274, 308}}, kDotted},
    {9, 10, {{2, 11}, {275, 308}}},
    {10, 11, {{2, 11}, {25, 28}, {29, 31}, {56, 58}, {275, 308}}},
    {11, 12, {{2, 11}, {274, 308}}, kDotted},
    {12, 13, {{25, 28}, {29, 31}, {58, 60}, {275, 308}}},
    {13, 14, {{275, 308}}},
    {14, 15, {{25, 28}, {29, 31}, {60, 62}, {274, 308}}, kDotted},
    {15, 16, {{275, 308}}},
    {16, 17, {{25, 28}, {29, 31}, {58, 60}, {275, 308}}},
    {17, 18, {{2, 11}, {274, 308}}, kDotted},
    {18, 19, {{2, 11}, {25, 28}, {29, 31}, {56, 58}, {275, 308}}},
    {19, 20, {{2, 11}, {275, 308}}},
    {20, 21, {{2, 11}, {25, 28}, {29, 31}, {54, 56}, {274, 308}}, kDotted},
    {21, 22, {{2, 11}, {275, 308}}},
    {22, 23, {{2, 11}, {25, 28}, {29, 31}, {52, 54}, {276, 308}}},
    {23, 28, {{2, 11}, {277, 308}}},
    {28, 29, {{277, 308}}},
};

// The dotted lane line: runs of one-pixel dots (first, last, step). The
// middle run starts after the foul-line arrow; the last one is shifted a
// pixel back, so the step from 243 to 246 is 3.
struct DotRun
{
    qint32 first, last, step;
};
constexpr DotRun kLaneDotRuns[] = {{34, 46, 4}, {67, 243, 4}, {246, 270, 4}};

constexpr int countDots()
{
    int n = 0;
    for (const DotRun &r : kLaneDotRuns)
        n += (r.last - r.first) / r.step + 1;
    return n;
}
constexpr int kLaneDots = countDots();

constexpr std::array<qint32, kLaneDots> makeLaneDots()
{
    std::array<qint32, kLaneDots> xs{};
    std::size_t i = 0;
    for (const DotRun &r : kLaneDotRuns)
        for (qint32 x = r.first; x <= r.last; x += r.step)
            xs[i++] = x;
    return xs;
}
constexpr std::array<qint32, kLaneDots> kLaneDotX = makeLaneDots();

static_assert(bandRectCount(kSolidLane) <= kRecordCapacity, "solid lane fits");
static_assert(bandRectCount(kStartDialog) <= kRecordCapacity, "start dialog fits");
static_assert(bandRectCount(kScoreSheet) <= kRecordCapacity, "score sheet fits");
static_assert(bandRectCount(kSkeletonLane, kLaneDots) <= kRecordCapacity, "skeleton lane fits");

}  // namespace

RegionTable BuildRegionData()
{
    RegionTable table{};
    storeRegion(table[kShapeSolidLane], kSolidLaneBounds, expandBands(kSolidLane));
    storeRegion(table[kShapeStartDialog], kStartDialogBounds, expandBands(kStartDialog));
    storeRegion(table[kShapeScoreSheet], kScoreSheetBounds, expandBands(kScoreSheet));
    storeRegion(table[kShapeSkeletonLane], kSkeletonLaneBounds,
                expandBands(kSkeletonLane, kLaneDotX.data(), kLaneDots));
    return table;
}
