// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "shapes/regionrecord.h"

namespace {
bool isEmptyRect(const RegionRect &r) { return r.right <= r.left || r.bottom <= r.top; }
}  // namespace

std::optional<std::vector<QRect>> regionRects(const RegionHeader &header, const RegionRect *rects,
                                              int capacity)
{
    if (header.dwSize != sizeof(RegionHeader) || header.iType != kRegionTypeRectangles)
        return std::nullopt;
    // 64-bit product: a huge count must not wrap around to a matching size.
    if (quint64(header.nRgnSize) != quint64(header.nCount) * sizeof(RegionRect))
        return std::nullopt;
    if (capacity < 0 || header.nCount > quint32(capacity) || isEmptyRect(header.rcBound))
        return std::nullopt;

    std::vector<QRect> out;
    out.reserve(header.nCount);
    for (quint32 i = 0; i < header.nCount; ++i) {
        const RegionRect &r = rects[i];
        if (isEmptyRect(r))
            return std::nullopt;
        out.emplace_back(r.left, r.top, r.right - r.left, r.bottom - r.top);
    }
    return out;
}
