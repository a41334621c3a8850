// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#pragma once
#include "shapes/regionrecord.h"

#include <array>

// The outlines of the game's shaped windows.
enum RegionShape : int {
    kShapeSolidLane = 0,
    kShapeStartDialog = 1,
    kShapeScoreSheet = 2,
    kShapeSkeletonLane = 3,
    kShapeNone = 4,
};

using RegionTable = std::array<RegionRecord, kRegionShapes>;

// Records 0..3 (solid lane, start dialog, score sheet, skeleton lane);
// record 4 stays all zero.
RegionTable BuildRegionData();
