// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "shapes/mod_RGN_Data.h"
#include "shapes/popregiondata.h"

#include <gtest/gtest.h>

namespace {

const RegionTable kRegions = BuildRegionData();
const PopRegionTable kPopRegions = BuildPopRegionData();

// The header agrees with the rectangles, which lie within the bounds in band
// order: a band's rectangles share their rows and run left to right without
// overlap. Whether each outline matches its picture is the assets test's.
template <int Capacity>
void ExpectWellFormed(const RegionRecordOf<Capacity> &record)
{
    const RegionHeader &h = record.rdh;
    EXPECT_TRUE(h.rcBound.left == 0 && h.rcBound.top == 0 && h.nCount > 0);
    const std::vector<QRect> rects = regionRects(record).value_or(std::vector<QRect>{});
    ASSERT_EQ(rects.size(), h.nCount);
    for (size_t i = 0; i < rects.size(); ++i) {
        const QRect &r = rects[i], &p = rects[i ? i - 1 : 0];
        EXPECT_TRUE(QRect(0, 0, h.rcBound.right, h.rcBound.bottom).contains(r)) << "rect " << i;
        EXPECT_TRUE(i == 0 || (r.top() == p.top() ? r.bottom() == p.bottom() && r.left() > p.right() : r.top() > p.bottom()))
            << "band order at rect " << i;
    }
}

TEST(RegionData, FilledRecordsAreWellFormedAndTheLastIsEmpty)
{
    for (int shape = kShapeSolidLane; shape < kShapeNone; ++shape) {
        SCOPED_TRACE(shape);
        ExpectWellFormed(kRegions[shape]);
        ExpectWellFormed(kPopRegions[shape]);
    }
    EXPECT_FALSE(regionRects(kRegions[kShapeNone]).has_value() || regionRects(kPopRegions[kShapeNone]).has_value());
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
        EXPECT_FALSE(regionRects(row.corrupt(kRegions[0])).has_value()) << row.name;
    // A count that fits the big table but not the pop table's room.
    EXPECT_FALSE(regionRects(kRegions[0].rdh, kRegions[0].rects, 24).has_value());
}

}  // namespace
