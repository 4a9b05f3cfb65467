#include <gtest/gtest.h>

#include "core/selection/candidate_list.h"
#include "core/selection/capacity_search.h"
#include "core/selection/display_figures.h"
#include "core/selection/range_columns.h"
#include "core/text/numeric_text.h"

namespace kelvo
{
namespace
{

TEST(DisplayFigures, CapacityToHundredsAndPowerToTenthsWithHalvesToEven)
{
    EXPECT_EQ(formatNumber(capacityFigureW(12.3456), ','), "12300");
    EXPECT_EQ(formatNumber(capacityFigureW(12.25), ','), "12200");
    EXPECT_EQ(formatNumber(capacityFigureW(12.75), ','), "12800");
    EXPECT_EQ(formatNumber(powerFigureKW(4.25), ','), "4,2");
    EXPECT_EQ(formatNumber(powerFigureKW(4.75), ','), "4,8");
    EXPECT_EQ(formatNumber(powerFigureKW(-0.04), ','), "0");
}

std::vector<double> columns(double toMax, double toMin)
{
    return rangeColumnTemperatures(toMax, toMin).temperatures;
}

TEST(RangeColumns, SnapToTheFiveDegreeGridAndEndOnTheMinimum)
{
    using V = std::vector<double>;
    EXPECT_EQ(columns(12.5, -10), (V{12.5, 10, 5, 0, -5, -10}));
    EXPECT_EQ(columns(10, -32), (V{10, 5, 0, -5, -10, -15, -20, -25, -30, -32}));
    EXPECT_EQ(columns(-7, -30), (V{-7, -10, -15, -20, -25, -30}));
    EXPECT_EQ(columns(10.5, -10), (V{10.5, 5.5, 0.5, -4.5, -9.5, -10}));
}

TEST(RangeColumns, AbsurdLimitsAreCutInsteadOfRunningForEver)
{
    const auto plan = rangeColumnTemperatures(1e300, -1e300);
    EXPECT_TRUE(plan.cut);
    EXPECT_EQ(static_cast<int>(plan.temperatures.size()), kMaxRangeColumns);
    EXPECT_FALSE(rangeColumnTemperatures(12.5, -45).cut);
}

// Evaluated rows with the given capacities, then `failed` rows without figures.
CandidateList listOf(std::vector<double> capacities, int failed = 0)
{
    CandidateList list;
    for (const double q : capacities) {
        Candidate c;
        c.evaluated = true;
        c.capacityW = q;
        list.rows.push_back(c);
    }
    list.evaluatedCount = static_cast<int>(capacities.size());
    list.rows.resize(list.rows.size() + static_cast<std::size_t>(failed));
    return list;
}

TEST(CapacitySearch, ChoosesBetweenTheFirstReachingRowAndTheOneBefore)
{
    // 11000/10000 = 1.1 is not below 10000/9500: the smaller one.
    EXPECT_EQ(searchByCapacity(listOf({8000, 9500, 11000}), "10000"), 2);
    EXPECT_EQ(searchByCapacity(listOf({8000, 9800, 11000}), "10000"), 2);
    // 1.05 < 1.111: the larger one.
    EXPECT_EQ(searchByCapacity(listOf({8000, 9000, 10500}), "10000"), 3);
    // A tie goes to the smaller one: 12500/10000 = 10000/8000.
    EXPECT_EQ(searchByCapacity(listOf({8000, 12500}), "10000"), 1);
}

TEST(CapacitySearch, EdgesOfTheList)
{
    EXPECT_EQ(searchByCapacity(listOf({8000, 9500}), "100"), 1);
    EXPECT_EQ(searchByCapacity(listOf({8000, 9500}), "10000,5"), 2) << "past the end: the last";
    EXPECT_EQ(searchByCapacity(listOf({8000, 9500}, 2), "99999"), 2) << "failed rows skipped";
    EXPECT_EQ(searchByCapacity(listOf({0, 9500}), "9000"), 2) << "no ratio against 0 W";
    EXPECT_EQ(searchByCapacity(listOf({8000}), "9000.0"), 1);
}

TEST(CapacitySearch, NothingToSearchChangesNothing)
{
    EXPECT_EQ(searchByCapacity(listOf({8000, 9500}), ""), std::nullopt);
    EXPECT_EQ(searchByCapacity(listOf({8000, 9500}), "10 kW"), std::nullopt);
    EXPECT_EQ(searchByCapacity(listOf({}), "10000"), std::nullopt);
    EXPECT_EQ(searchByCapacity(listOf({}, 3), "10000"), std::nullopt);
}

} // namespace
} // namespace kelvo
