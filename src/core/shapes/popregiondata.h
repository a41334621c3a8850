// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#pragma once
#include "shapes/regionrecord.h"

#include <array>

// The balloon's end pieces have a region table of their own, same layout,
// room for 25 rectangles a record.
using PopRegionRecord = RegionRecordOf<25>;
static_assert(sizeof(PopRegionRecord) == 432, "pop region record layout");

using PopRegionTable = std::array<PopRegionRecord, kRegionShapes>;

// Records 0..3 (left end with tail, right end, left end, right end with
// tail); record 4 stays all zero.
PopRegionTable BuildPopRegionData();
