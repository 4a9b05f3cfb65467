#pragma once

#include <vector>

namespace kelvo
{

// More columns than any real evaporating range needs; absurd limits stop here instead of
// running for ever.
inline constexpr int kMaxRangeColumns = 100;

struct RangeColumnPlan {
    std::vector<double> temperatures; // left to right
    bool cut = false;                 // kMaxRangeColumns reached before toMin
};

// Evaporating temperatures of the operating-range columns: toMax first, then down the
// 5-degree grid (the first step snaps to the largest multiple of 5 not above toMax cut to a
// whole number), and toMin last when the grid does not end on it. 12.5 / -10 gives 12.5, 10,
// 5, 0, -5, -10; 10 / -32 gives 10, 5, ... -30, -32.
RangeColumnPlan rangeColumnTemperatures(double toMax, double toMin);

} // namespace kelvo
