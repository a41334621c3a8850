// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "shapes/popregiondata.h"

#include "shapes/regionbands.h"

#include <type_traits>

namespace {

constexpr int kPopCapacity = std::extent_v<decltype(PopRegionRecord::rects)>;

// The stored outlines reach far beyond the 8 x 18 (or 7 x 18) end-piece
// windows; the window clips them, so only the top-left corner matters. Seen
// through the window, row 0 is empty, rows 1..15 close the balloon body with
// a half-disc, and the pieces with the tail add rows 16 and 17.
constexpr RegionBounds kWideEndBounds{121, 270};
constexpr RegionBounds kNarrowEndBounds{106, 270};

constexpr RegionBand kLeftEndWithTail[] = {
    {0, 1, {{8, 121}}},           {1, 2, {{7, 121}}},           {2, 3, {{5, 121}}},    {3, 5, {{3, 121}}},
    {5, 6, {{2, 121}}},           {6, 11, {{1, 121}}},          {11, 14, {{2, 121}}},  {14, 16, {{1, 121}}},
    {16, 17, {{0, 5}, {8, 121}}}, {17, 18, {{0, 3}, {8, 121}}}, {18, 270, {{0, 121}}},
};

constexpr RegionBand kRightEndPlain[] = {
    {0, 1, {{7, 106}}},           {1, 2, {{0, 1}, {7, 106}}},   {2, 3, {{0, 3}, {7, 106}}},
    {3, 5, {{0, 5}, {7, 106}}},   {5, 6, {{0, 6}, {7, 106}}},   {6, 11, {{0, 106}}},
    {11, 12, {{0, 6}, {7, 106}}}, {12, 14, {{0, 5}, {7, 106}}}, {14, 15, {{0, 3}, {7, 106}}},
    {15, 16, {{0, 1}, {7, 106}}}, {16, 18, {{7, 106}}},         {18, 270, {{0, 106}}},
};

constexpr RegionBand kLeftEndPlain[] = {
    {0, 1, {{7, 106}}},   {1, 2, {{6, 106}}},   {2, 3, {{4, 106}}},   {3, 5, {{2, 106}}},
    {5, 6, {{1, 106}}},   {6, 11, {{0, 106}}},  {11, 12, {{1, 106}}}, {12, 14, {{2, 106}}},
    {14, 15, {{4, 106}}}, {15, 16, {{6, 106}}}, {16, 18, {{7, 106}}}, {18, 270, {{0, 106}}},
};

constexpr RegionBand kRightEndWithTail[] = {
    {0, 1, {{8, 121}}},           {1, 2, {{0, 1}, {8, 121}}},   {2, 3, {{0, 3}, {8, 121}}},
    {3, 5, {{0, 5}, {8, 121}}},   {5, 6, {{0, 6}, {8, 121}}},   {6, 11, {{0, 7}, {8, 121}}},
    {11, 14, {{0, 6}, {8, 121}}}, {14, 16, {{0, 7}, {8, 121}}}, {16, 17, {{3, 121}}},
    {17, 18, {{5, 121}}},         {18, 270, {{0, 121}}},
};

static_assert(bandRectCount(kLeftEndWithTail) <= kPopCapacity, "left end with tail fits");
static_assert(bandRectCount(kRightEndPlain) <= kPopCapacity, "right end fits");
static_assert(bandRectCount(kLeftEndPlain) <= kPopCapacity, "left end fits");
static_assert(bandRectCount(kRightEndWithTail) <= kPopCapacity, "right end with tail fits");

}  // namespace

PopRegionTable BuildPopRegionData()
{
    PopRegionTable table{};
    storeRegion(table[0], kWideEndBounds, expandBands(kLeftEndWithTail));
    storeRegion(table[1], kNarrowEndBounds, expandBands(kRightEndPlain));
    storeRegion(table[2], kNarrowEndBounds, expandBands(kLeftEndPlain));
    storeRegion(table[3], kWideEndBounds, expandBands(kRightEndWithTail));
    return table;
}
