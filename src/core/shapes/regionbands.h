// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#pragma once
#include "shapes/regionrecord.h"

#include <algorithm>
#include <cstddef>
#include <vector>

// Shapes are written down as bands: rows top..bottom (bottom exclusive) that
// share the same horizontal spans (right exclusive). Expanding a band gives
// one rectangle per span, in the band order the region layout requires.

struct RegionSpan
{
    qint32 left, right;
};

// Widest band of any shape (the start dialog's knob row). Unused span slots
// stay {0, 0} and are skipped.
constexpr int kMaxBandSpans = 7;

struct RegionBand
{
    qint32 top, bottom;
    RegionSpan spans[kMaxBandSpans];
    // A dotted band also carries every dot of the dotted-line row handed to
    // the expansion, merged among its spans by left edge.
    bool dotted = false;
};

constexpr bool kDotted = true;

struct RegionBounds
{
    qint32 width, height;
};

constexpr int bandSpanCount(const RegionBand &band)
{
    int n = 0;
    for (const RegionSpan &s : band.spans)
        if (s.right > s.left)
            ++n;
    return n;
}

// Rectangles a band table expands to, given how many dots a dotted row has.
template <std::size_t N>
constexpr int bandRectCount(const RegionBand (&bands)[N], int dotsPerRow = 0)
{
    int n = 0;
    for (const RegionBand &b : bands)
        n += bandSpanCount(b) + (b.dotted ? dotsPerRow : 0);
    return n;
}

// Dots are one pixel wide and given by their x; dotX must be ascending.
template <std::size_t N>
std::vector<RegionRect> expandBands(const RegionBand (&bands)[N], const qint32 *dotX = nullptr,
                                    int dotCount = 0)
{
    std::vector<RegionRect> out;
    out.reserve(static_cast<std::size_t>(bandRectCount(bands, dotCount)));
    for (const RegionBand &b : bands) {
        const auto bandStart = out.size();
        for (const RegionSpan &s : b.spans)
            if (s.right > s.left)
                out.push_back({s.left, b.top, s.right, b.bottom});
        if (b.dotted)
            for (int i = 0; i < dotCount; ++i)
                out.push_back({dotX[i], b.top, dotX[i] + 1, b.bottom});
        std::sort(out.begin() + static_cast<std::ptrdiff_t>(bandStart), out.end(),
                  [](const RegionRect &a, const RegionRect &c) { return a.left < c.left; });
    }
    return out;
}

// Rewrites the whole record: header, the rectangles, and zeros after them.
// Callers make sure the rectangles fit (static_assert on bandRectCount).
template <int Capacity>
void storeRegion(RegionRecordOf<Capacity> &record, RegionBounds bounds,
                 const std::vector<RegionRect> &rects)
{
    record = {};
    const auto n = std::min<std::size_t>(rects.size(), Capacity);
    record.rdh.dwSize = sizeof(RegionHeader);
    record.rdh.iType = kRegionTypeRectangles;
    record.rdh.nCount = static_cast<quint32>(n);
    record.rdh.nRgnSize = static_cast<quint32>(n * sizeof(RegionRect));
    record.rdh.rcBound = {0, 0, bounds.width, bounds.height};
    std::copy_n(rects.begin(), n, record.rects);
}
