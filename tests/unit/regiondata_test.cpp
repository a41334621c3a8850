// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "shapes/mod_RGN_Data.h"
#include "shapes/popregiondata.h"

#include <gtest/gtest.h>

// The score sheet's outline is pinned pixel for pixel by the score sheet's
// own test, and every shape's agreement with its picture by the assets test.

namespace {

// One filled record of either table, seen through the common header.
struct RecordView
{
    const RegionHeader *rdh;
    const RegionRect *rects;
    int capacity;
};

const RegionTable kRegions = BuildRegionData();
const PopRegionTable kPopRegions = BuildPopRegionData();

RecordView Main(int shape) { return {&kRegions[shape].rdh, kRegions[shape].rects, 343}; }
RecordView Pop(int shape) { return {&kPopRegions[shape].rdh, kPopRegions[shape].rects, 25}; }
std::vector<QRect> Rects(const RecordView &r) { return RegionRects(*r.rdh, r.rects, r.capacity).value_or(std::vector<QRect>{}); }

TEST(RegionData, HeadersAndBandOrder)
{
    // clang-format off
    const struct { const char *name; RecordView rec; quint32 count; int width, height; } rows[] = {
        {"solid_lane", Main(0), 25, 308, 29},         {"start_dialog", Main(1), 70, 79, 29},
        {"score_sheet", Main(2), 3, 322, 45},         {"skeleton_lane", Main(3), 342, 308, 29},
        {"left_end_with_tail", Pop(0), 13, 121, 270}, {"right_end_plain", Pop(1), 20, 106, 270},
        {"left_end_plain", Pop(2), 12, 106, 270},     {"right_end_with_tail", Pop(3), 18, 121, 270},
    };
    // clang-format on
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        const RegionHeader &h = *row.rec.rdh;
        EXPECT_EQ(std::vector<qint64>({h.dwSize, h.iType, h.nCount, h.nRgnSize, h.rcBound.left, h.rcBound.top, h.rcBound.right,
                                       h.rcBound.bottom}),
                  std::vector<qint64>({32, 1, row.count, 16 * row.count, 0, 0, row.width, row.height}));
        const std::vector<QRect> rects = Rects(row.rec);
        ASSERT_EQ(rects.size(), row.count);
        for (size_t i = 0; i < rects.size(); ++i) {
            // Within the bounds; in a band the same rows, left to right without overlap.
            const QRect &r = rects[i], &p = rects[i ? i - 1 : 0];
            EXPECT_TRUE(QRect(0, 0, row.width, row.height).contains(r)) << "rect " << i;
            EXPECT_TRUE(i == 0 || (r.top() == p.top() ? r.bottom() == p.bottom() && r.left() > p.right() : r.top() > p.bottom()))
                << "band order at rect " << i;
        }
    }
    // Record 4 is never filled and builds no region.
    EXPECT_FALSE(RegionRects(kRegions[4]).has_value() || RegionRects(kPopRegions[4]).has_value());
}

// A handful of rectangles, as x, y, width, height, from the shapes' band
// tables: first and last, a button's widest band, the first dotted line.
TEST(RegionData, ExactRectangles)
{
    // clang-format off
    const struct { int shape; std::size_t index; QRect rect; } rows[] = {
        {0, 0, {7, 0, 6, 1}},    {0, 1, {30, 0, 278, 1}}, {0, 8, {2, 5, 15, 5}},  {0, 24, {30, 28, 278, 1}},
        {1, 0, {28, 1, 2, 1}},   {1, 15, {8, 5, 5, 1}},   {3, 0, {277, 0, 31, 3}}, {3, 1, {2, 3, 9, 3}},
        {3, 4, {25, 6, 3, 1}},   {3, 7, {276, 6, 32, 1}}, {3, 13, {34, 8, 1, 1}}, {3, 14, {38, 8, 1, 1}},
    };
    // clang-format on
    for (const auto &row : rows) {
        const std::vector<QRect> rects = Rects(Main(row.shape));
        ASSERT_LT(row.index, rects.size());
        EXPECT_EQ(rects[row.index], row.rect) << "shape " << row.shape << " rect " << row.index;
    }
}

TEST(RegionData, CorruptRecordsBuildNoRegion)
{
    // clang-format off
    const struct { const char *name; RegionRecord (*corrupt)(RegionRecord); } rows[] = {
        {"header_size", [](RegionRecord r) { r.rdh.dwSize = 40; return r; }},
        {"type", [](RegionRecord r) { r.rdh.iType = 2; return r; }},
        {"bytes_short", [](RegionRecord r) { r.rdh.nRgnSize -= 16; return r; }},
        {"count_wraps_size", [](RegionRecord r) { r.rdh.nCount = 0x10000001u; r.rdh.nRgnSize = 16; return r; }},
        {"empty_bounds_width", [](RegionRecord r) { r.rdh.rcBound.right = 0; return r; }},
        {"empty_rectangle", [](RegionRecord r) { r.rects[2].right = r.rects[2].left; return r; }},
    };
    // clang-format on
    for (const auto &row : rows)
        EXPECT_FALSE(RegionRects(row.corrupt(kRegions[0])).has_value()) << row.name;
    // A count that fits the big table but not the pop table's room.
    EXPECT_FALSE(RegionRects(kRegions[0].rdh, kRegions[0].rects, 24).has_value());
}

}  // namespace
