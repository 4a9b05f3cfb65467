#include <gtest/gtest.h>
#include <vector>

#include "core/chart/chart_canvas.h"

namespace kelvo
{
namespace
{

// The legend's entries flow in rows between `left` and `right`: a row ends where the next entry
// would pass the right edge, an entry wider than the row still has a row of its own.
TEST(ChartCanvas, LegendEntriesFlowInRows)
{
    const int line = chartTextHeight(kChartFontHeight);
    const int row = line + kChartLegendRowGap;
    const int y0 = kChartEdgeGap + line / 2;
    struct Case {
        const char* what;
        std::vector<int> widths;
        std::vector<ChartPixel> at;
        int height;
    };
    const Case cases[] = {
        {"no entries", {}, {}, 0},
        {"one row", {50, 50, 50}, {{10, y0}, {76, y0}, {142, y0}}, row},
        {"second row", {150, 150}, {{10, y0}, {10, y0 + row}}, 2 * row},
        {"wider than the row", {300, 20}, {{10, y0}, {10, y0 + row}}, 2 * row},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const ChartLegendFlow flow = flowLegend(c.widths, 10, 200);
        EXPECT_EQ(flow.at, c.at);
        EXPECT_EQ(flow.height, c.height);
    }
}

// Ticks fall on 1, 2 or 5 times a power of ten around the range; an empty range is widened.
TEST(ChartCanvas, AxesTickOnRoundSteps)
{
    struct Case {
        double low, high, wantLow, wantHigh, wantStep;
    };
    for (const Case& c :
         {Case{0, 100, 0, 100, 20}, Case{-35, -5, -40, 0, 10}, Case{1000, 1000, 900, 1100, 50},
          Case{0, 0, -1, 1, 0.5}, Case{0.12, 0.97, 0, 1, 0.2}}) {
        const ChartAxis axis = niceChartAxis(c.low, c.high, 5);
        EXPECT_DOUBLE_EQ(axis.low, c.wantLow) << c.low << " .. " << c.high;
        EXPECT_DOUBLE_EQ(axis.high, c.wantHigh) << c.low << " .. " << c.high;
        EXPECT_DOUBLE_EQ(axis.step, c.wantStep) << c.low << " .. " << c.high;
        EXPECT_DOUBLE_EQ(axis.tick(axis.ticks()), axis.high);
    }
}

} // namespace
} // namespace kelvo
