#pragma once
#include "shapes/mod_RGN_Data.h"

// The balloon's end pieces have a region table of their own, same layout,
// room for 25 rectangles a record.
using PopRegionRecord = RegionRecordOf<25>;
static_assert(sizeof(PopRegionRecord) == 432, "pop region record layout");

extern PopRegionRecord PopRegionData[kRegionShapes];

// Fills records 0..3 (left end with tail, right end, left end, right end with
// tail); record 4 stays all zero.
void BuildPopRegionData();
