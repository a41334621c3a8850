#include "shapes/mod_RGN_Data.h"
#include "shapes/popregiondata.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

// One filled record of either table, seen through the common header.
struct RecordView {
    const RegionHeader *rdh;
    const RegionRect *rects;
    int capacity;
};

RecordView Main(int shape) { return {&RegionData[shape].rdh, RegionData[shape].rects, 343}; }
RecordView Pop(int shape) { return {&PopRegionData[shape].rdh, PopRegionData[shape].rects, 25}; }

class RegionDataTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        BuildRegionData();
        BuildPopRegionData();
    }
};

struct ShapeRow {
    const char *name;
    RecordView (*table)(int);
    int shape, count, width, height;
};

const ShapeRow kShapes[] = {
    {"solid_lane", Main, 0, 25, 308, 29},        {"start_dialog", Main, 1, 70, 79, 29},
    {"score_sheet", Main, 2, 3, 322, 45},        {"skeleton_lane", Main, 3, 342, 308, 29},
    {"left_end_with_tail", Pop, 0, 13, 121, 270}, {"right_end_plain", Pop, 1, 20, 106, 270},
    {"left_end_plain", Pop, 2, 12, 106, 270},     {"right_end_with_tail", Pop, 3, 18, 121, 270},
};

TEST_F(RegionDataTest, HeadersAndBandOrder)
{
    for (const ShapeRow &row : kShapes) {
        SCOPED_TRACE(row.name);
        const RecordView rec = row.table(row.shape);
        const RegionHeader &h = *rec.rdh;
        EXPECT_EQ(h.dwSize, 32u);
        EXPECT_EQ(h.iType, 1u);
        ASSERT_EQ(h.nCount, quint32(row.count));
        EXPECT_EQ(h.nRgnSize, 16u * h.nCount);
        EXPECT_EQ(QRect(h.rcBound.left, h.rcBound.top, h.rcBound.right, h.rcBound.bottom),
                  QRect(0, 0, row.width, row.height));

        for (int i = 0; i < row.count; ++i) {
            const RegionRect &r = rec.rects[i];
            EXPECT_TRUE(r.left < r.right && r.top < r.bottom) << "rect " << i;
            EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.right <= row.width && r.bottom <= row.height)
                << "rect " << i << " outside bounds";
            if (i == 0)
                continue;
            const RegionRect &p = rec.rects[i - 1];
            if (r.top == p.top) {
                EXPECT_EQ(r.bottom, p.bottom) << "band split at rect " << i;
                EXPECT_GE(r.left, p.right) << "overlap or out of order at rect " << i;
            } else {
                EXPECT_GE(r.top, p.bottom) << "bands overlap at rect " << i;
            }
        }
        const std::vector<RegionRect> unused(rec.capacity - row.count, RegionRect{0, 0, 0, 0});
        EXPECT_EQ(std::memcmp(rec.rects + row.count, unused.data(), unused.size() * 16), 0);
        EXPECT_TRUE(RegionRects(*rec.rdh, rec.rects, rec.capacity).has_value());
    }
}

TEST_F(RegionDataTest, RecordFourStaysZero)
{
    const RegionRecord zeroMain{};
    const PopRegionRecord zeroPop{};
    EXPECT_EQ(std::memcmp(&RegionData[4], &zeroMain, sizeof zeroMain), 0);
    EXPECT_EQ(std::memcmp(&PopRegionData[4], &zeroPop, sizeof zeroPop), 0);
    EXPECT_FALSE(RegionRects(RegionData[4]).has_value());
    EXPECT_FALSE(RegionRects(PopRegionData[4]).has_value());
}

std::vector<int> BandLefts(const RecordView &rec, int top)
{
    std::vector<int> lefts;
    for (quint32 i = 0; i < rec.rdh->nCount; ++i)
        if (rec.rects[i].top == top)
            lefts.push_back(rec.rects[i].left);
    return lefts;
}

TEST_F(RegionDataTest, DottedBandsOfTheSkeletonLane)
{
    const struct { int top; size_t count; } rows[] = {{8, 61}, {11, 58}, {14, 60}, {17, 58}, {20, 61}};
    for (const auto &row : rows)
        EXPECT_EQ(BandLefts(Main(3), row.top).size(), row.count) << "band " << row.top;

    // Band 8: the arrow's 54-56 sits between the first two dot runs, the last
    // run steps 243 -> 246, and the pin deck closes the band.
    const std::vector<int> lefts = BandLefts(Main(3), 8);
    const std::vector<int> head(lefts.begin(), lefts.begin() + 9);
    EXPECT_EQ(head, (std::vector<int>{2, 25, 29, 34, 38, 42, 46, 54, 67}));
    const std::vector<int> tail(lefts.end() - 10, lefts.end());
    EXPECT_EQ(tail, (std::vector<int>{239, 243, 246, 250, 254, 258, 262, 266, 270, 274}));
}

TEST_F(RegionDataTest, ExactRows)
{
    const struct { const char *name; RecordView rec; int index; QRect expected; } rows[] = {
        {"start_dialog_first_knob", Main(1), 0, QRect(28, 1, 2, 1)},
        {"start_dialog_stem_tip", Main(1), 69, QRect(38, 28, 5, 1)},
        {"solid_lane_first", Main(0), 0, QRect(7, 0, 6, 1)},
        {"solid_lane_score_block", Main(0), 19, QRect(0, 16, 19, 11)},
        {"score_sheet_tab", Main(2), 1, QRect(1, 1, 321, 15)},
        {"skeleton_pin_deck_last", Main(3), 341, QRect(277, 28, 31, 1)},
        {"pop_left_tail", Pop(0), 8, QRect(0, 16, 5, 1)},
        {"pop_right_tail_last", Pop(3), 17, QRect(0, 18, 121, 252)},
    };
    for (const auto &row : rows) {
        const auto rects = RegionRects(*row.rec.rdh, row.rec.rects, row.rec.capacity);
        ASSERT_TRUE(rects.has_value()) << row.name;
        EXPECT_EQ(rects->at(row.index), row.expected) << row.name;
    }
}

bool Covers(const RecordView &rec, int x, int y)
{
    const auto rects = RegionRects(*rec.rdh, rec.rects, rec.capacity);
    if (!rects)
        return false;
    for (const QRect &r : *rects)
        if (r.contains(x, y))
            return true;
    return false;
}

TEST_F(RegionDataTest, PixelCoverage)
{
    const struct { const char *name; RecordView rec; int x, y; bool in; } rows[] = {
        {"lane_body", Main(0), 150, 14, true},
        {"lane_gap_beside_button", Main(0), 20, 7, false},
        {"lane_rounded_corner", Main(0), 24, 0, false},
        {"score_sheet_column0_bottom", Main(2), 0, 44, false},
        {"score_sheet_tab", Main(2), 320, 15, true},
        {"score_sheet_below_tab", Main(2), 320, 16, false},
        {"start_dialog_end_disc", Main(1), 70, 14, true},
        {"skeleton_lane_middle", Main(3), 150, 13, false},
        {"skeleton_dot", Main(3), 67, 8, true},
        {"skeleton_between_dots", Main(3), 68, 8, false},
        {"skeleton_pin_deck", Main(3), 290, 14, true},
        {"tail_left_reaches_edge", Pop(0), 0, 16, true},
        {"tail_right_reaches_edge", Pop(3), 7, 17, true},
        {"plain_left_row16_hidden", Pop(2), 6, 16, false},
        {"plain_right_row17_hidden", Pop(1), 0, 17, false},
        {"wide_end_row0_hidden", Pop(0), 7, 0, false},
        {"narrow_end_row0_hidden", Pop(1), 6, 0, false},
    };
    for (const auto &row : rows)
        EXPECT_EQ(Covers(row.rec, row.x, row.y), row.in) << row.name;
}

TEST_F(RegionDataTest, CorruptRecordsBuildNoRegion)
{
    const struct { const char *name; void (*corrupt)(RegionRecord &); } rows[] = {
        {"header_size", [](RegionRecord &r) { r.rdh.dwSize = 40; }},
        {"type", [](RegionRecord &r) { r.rdh.iType = 2; }},
        {"bytes_short", [](RegionRecord &r) { r.rdh.nRgnSize -= 16; }},
        {"count_over_capacity", [](RegionRecord &r) { r.rdh.nCount = 344; r.rdh.nRgnSize = 344 * 16; }},
        {"count_wraps_size", [](RegionRecord &r) { r.rdh.nCount = 0x10000001u; r.rdh.nRgnSize = 16; }},
        {"empty_bounds_width", [](RegionRecord &r) { r.rdh.rcBound.right = 0; }},
        {"empty_rectangle", [](RegionRecord &r) { r.rects[2].right = r.rects[2].left; }},
    };
    for (const auto &row : rows) {
        RegionRecord rec = RegionData[0];
        row.corrupt(rec);
        EXPECT_FALSE(RegionRects(rec).has_value()) << row.name;
    }
    // A count that fits the big table but not the pop table's room.
    EXPECT_FALSE(RegionRects(RegionData[0].rdh, RegionData[0].rects, 24).has_value());
}

} // namespace
