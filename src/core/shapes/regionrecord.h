// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#pragma once
#include <QRect>
#include <QtGlobal>
#include <optional>
#include <vector>

// Window outlines are stored as rectangle lists in the classic region-data
// byte layout: a 32-byte header followed by rectangles of four 32-bit edges
// (right and bottom exclusive), sorted in bands.

struct RegionRect
{
    qint32 left, top, right, bottom;
};

struct RegionHeader
{
    quint32 dwSize;    // header size, 32
    quint32 iType;     // 1: rectangles
    quint32 nCount;    // rectangles used
    quint32 nRgnSize;  // nCount * 16
    RegionRect rcBound;
};

template <int Capacity>
struct RegionRecordOf
{
    RegionHeader rdh;
    RegionRect rects[Capacity];
};

using RegionRecord = RegionRecordOf<343>;
static_assert(sizeof(RegionHeader) == 32, "region header layout");
static_assert(sizeof(RegionRecord) == 5520, "region record layout");

// Every region table has this many records; the last stays all zero.
constexpr int kRegionShapes = 5;

// Region type code for a rectangle list, the only kind stored.
constexpr quint32 kRegionTypeRectangles = 1;

// The rectangles of a record, validated the way the platform validates region
// data: header size 32, type 1, rectangle bytes 16 x count, count within the
// record's capacity, non-empty bounds. Empty when no region can be built.
std::optional<std::vector<QRect>> regionRects(const RegionHeader &header, const RegionRect *rects,
                                              int capacity);

template <int Capacity>
std::optional<std::vector<QRect>> regionRects(const RegionRecordOf<Capacity> &record)
{
    return regionRects(record.rdh, record.rects, Capacity);
}
