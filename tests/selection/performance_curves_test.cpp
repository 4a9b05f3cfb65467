#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "core/app/language_table.h"
#include "core/selection/display_figures.h"
#include "core/selection/performance_curves.h"
#include "core/selection/unit_details.h"
#include "core/text/message_sink.h"
#include "selection/selection_fixture.h"

namespace kelvo
{
namespace
{

class PerformanceCurvesTest : public test::SelectionTest
{
};

// Every point of every curve is the figure and mark of its range-table cell, the curves follow
// the rows (the extra ambient's too), and the working point is picked out only where the tables
// hold it.
TEST_F(PerformanceCurvesTest, ThePointsAreTheRangeTablesFigures)
{
    struct Case {
        const char* what;
        std::function<void(CondensingUnitRecord&)> unit;
        double to;
        double ambient;
        std::optional<double> extra;
        bool workingPointShown;
    };
    const Case cases[] = {
        {"sample unit", [](auto&) {}, 0, 32, std::nullopt, true},
        {"wide range, 43 C row", [](auto& u) { u.toMin = "-45"; }, -10, 43, 43.0, true},
        {"three compressors, hot", [](auto& u) { u.compressorCount = "3"; }, -5, 38, 55.0, true},
        {"to between columns", [](auto&) {}, -7.5, 32, std::nullopt, false},
        {"ambient of no row", [](auto&) {}, 0, 35, 43.0, false},
    };
    bool sawMark = false;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const int u = addUnit(c.unit);
        setInputs([&](SelectionInputs& inputs) {
            inputs.evaporatingTemperature = c.to;
            inputs.ambientTemperature = c.ambient;
            inputs.extraAmbient = c.extra;
        });
        DiscardingMessageSink sink;
        const UnitDetails& d = session->chooseRow(selection().candidates.rowOfUnit(u), sink);
        const PerformanceCurves curves = performanceCurves(d.range, c.to, c.ambient);
        ASSERT_EQ(curves.capacity.size(), d.range.ambients.size());
        ASSERT_EQ(curves.power.size(), d.range.ambients.size());
        ASSERT_FALSE(d.range.columns.empty());
        for (std::size_t k = 0; k < d.range.ambients.size(); ++k) {
            EXPECT_EQ(curves.capacity[k].ambient, d.range.ambients[k]);
            ASSERT_EQ(curves.capacity[k].points.size(), d.range.columns.size());
            for (std::size_t i = 0; i < d.range.columns.size(); ++i) {
                const RangeColumn& column = d.range.columns[i];
                for (const auto& [curve, cells] : {std::pair{&curves.capacity[k], &column.capacity},
                                                   std::pair{&curves.power[k], &column.power}}) {
                    const CurvePoint& point = curve->points[i];
                    const RangeCell& cell = (*cells)[k];
                    EXPECT_EQ(point.to, column.to);
                    EXPECT_EQ(point.figure, cell.value);
                    EXPECT_EQ(cell.text + point.mark, cell.shown());
                    sawMark = sawMark || !point.mark.empty();
                }
            }
        }
        EXPECT_EQ(curves.workingTo.has_value(), c.workingPointShown);
        if (c.workingPointShown) {
            EXPECT_EQ(*curves.workingTo, c.to);
            EXPECT_EQ(*curves.workingAmbient, c.ambient);
        }
        // The legend names each curve and explains the marks that occur, in the language.
        const auto primitives = drawPerformanceCurves(curves, 640, 560, ',', kPolish);
        const auto says = [&](const std::string& text) {
            return std::any_of(primitives.begin(), primitives.end(),
                               [&](const ChartPrimitive& p) { return p.text == text; });
        };
        EXPECT_TRUE(says("Otoczenie " + d.range.ambientTexts.back() + " °C"));
        const bool outside = std::any_of(
            d.range.columns.begin(), d.range.columns.end(), [](const RangeColumn& column) {
                return std::any_of(
                    column.capacity.begin(), column.capacity.end(),
                    [](const RangeCell& cell) { return !cell.envelopeMark.empty(); });
            });
        EXPECT_EQ(says(markLegend(kPolish)[2]), outside);
    }
    EXPECT_TRUE(sawMark) << "no case had a marked figure";
}

} // namespace
} // namespace kelvo
