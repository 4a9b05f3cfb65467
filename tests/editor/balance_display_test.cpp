#include <gtest/gtest.h>
#include <memory>
#include <stdexcept>
#include <string>

#include "core/app/application_state.h"
#include "core/app/message_sink.h"
#include "core/catalogue/lookups.h"
#include "core/editor/balance_display.h"
#include "core/editor/editor_session.h"
#include "support/temp_folder.h"

namespace kelvo
{
namespace
{

using test::sampleDataFolder;

// The editor opened on the sample catalogue, with sample unit 3 (an R404A BOX unit that
// evaluates well) and its compressor and condenser.
class EditorBalance : public ::testing::Test
{
  protected:
    static constexpr int kUnit = 3;

    void SetUp() override
    {
        state = std::make_unique<ApplicationState>();
        state->programDir = sampleDataFolder();
        const EditorOpening opening = openEditor(*state);
        ASSERT_TRUE(opening.catalogueLoaded) << opening.message;
        ASSERT_EQ(opening.message, "");
        ci = findCompressorOfUnit(state->catalogue, kUnit);
        ki = findCondenserOfUnit(state->catalogue, kUnit);
        ASSERT_NE(ci, 0);
        ASSERT_NE(ki, 0);
    }

    BalanceDisplay pair()
    {
        sink.messages.clear();
        return showPairBalance(*state, ci, ki, sink);
    }
    BalancePanels& panels() { return state->editor.panels; }

    std::unique_ptr<ApplicationState> state;
    CollectingMessageSink sink;
    int ci = 0;
    int ki = 0;
};

TEST_F(EditorBalance, OpeningState)
{
    EXPECT_TRUE(state->refrigerant.calculationEnabled);
    EXPECT_EQ(state->currentRefrigerant, "R404A");
    EXPECT_EQ(panels().refrigerant, "R404A");
    EXPECT_EQ(state->editor.refrigerantChecks, (std::array<bool, 4>{false, false, true, false}));
    EXPECT_DOUBLE_EQ(state->refrigerant.condenserHeatFactor, 1.1);
    EXPECT_EQ(state->editor.selectionKind, EditorSelectionKind::None);
    EXPECT_FALSE(state->editor.grid(EditorGrid::Condensers).rows.empty());
    EXPECT_FALSE(state->editor.chart.has_value());
}

TEST_F(EditorBalance, PairDisplayFillsPanelsAndChart)
{
    const BalanceDisplay display = pair();
    ASSERT_TRUE(display.ran);
    ASSERT_TRUE(display.outcome.succeeded());
    EXPECT_FALSE(display.cleared);
    EXPECT_EQ(panels().compressorIndex, std::to_string(ci));
    EXPECT_EQ(panels().compressorModel, state->catalogue.compressors[ci].model.str());
    EXPECT_EQ(panels().evaporatingPressure.rfind("Po=", 0), 0u);
    const std::string& capacity = panels().capacity;
    ASSERT_GE(capacity.size(), 6u);
    EXPECT_EQ(capacity.substr(capacity.size() - 5), " [kW]");
    const auto comma = capacity.find(',');
    if (comma != std::string::npos) {
        EXPECT_LE(capacity.size() - 5 - comma - 1, 3u) << capacity;
    }
    ASSERT_TRUE(display.chartDrawn);
    ASSERT_TRUE(state->editor.chart.has_value());
    EXPECT_TRUE(state->editor.chart->ok);
    EXPECT_DOUBLE_EQ(state->editor.chart->tk, 32 + state->refrigerant.result.condensingDeltaT);
    EXPECT_DOUBLE_EQ(state->editor.chart->to, 0);

    // A lower heat factor needs less condenser.
    const double dT = state->refrigerant.result.condensingDeltaT;
    heatFactorTextChanged(*state, "1.0");
    pair();
    EXPECT_LT(state->refrigerant.result.condensingDeltaT, dT);
}

TEST(EditorBalancePanels, ResultTexts)
{
    PerformanceResult result;
    result.evaporatingPressure = 6.1;
    result.condensingPressure = 18;
    result.condenserCapacityAt15K = 10.123456;
    result.refrigeratingCapacity = 12.34567;
    result.powerInput = 4.0004;
    result.condensingDeltaT = 3.04;
    BalancePanels panels;
    fillResultPanels(panels, result, 32, ',');
    EXPECT_EQ(panels.evaporatingPressure, "Po=6,1 [bar] (abs)");
    EXPECT_EQ(panels.condensingPressure, "Pk=18 [bar] (abs)");
    EXPECT_EQ(panels.condenserAt15K, "DT=15 / Qskr=10,123456kW");
    EXPECT_EQ(panels.capacity, "12,346 [kW]");
    EXPECT_EQ(panels.power, "4 [kW]");
    EXPECT_EQ(panels.condensingTemperature, "35 [C]");
}

TEST_F(EditorBalance, TextThatIsNoNumberClearsAndKeepsChart)
{
    pair();
    const ChartRequest before = *state->editor.chart;
    panels().frameIndex = "4";
    state->editor.inputs.subcooling = "zero";
    const BalanceDisplay display = pair();
    EXPECT_TRUE(display.cleared);
    EXPECT_FALSE(display.evaluated);
    EXPECT_EQ(display.failure, "'zero' is not a valid floating point value");
    EXPECT_EQ(panels().capacity, "");
    EXPECT_EQ(panels().compressorIndex, "");
    EXPECT_EQ(panels().refrigerant, "");
    EXPECT_EQ(panels().frameIndex, "4"); // not one of the cleared panels
    EXPECT_FALSE(display.chartDrawn);
    EXPECT_DOUBLE_EQ(state->editor.chart->tk, before.tk);
}

TEST_F(EditorBalance, EvaluationErrorClears)
{
    // Two-point data with dt1 = dt2 divides by zero.
    CondenserRecord& condenser = state->catalogue.condensers.at(ki);
    condenser.dt1 = "10";
    condenser.dt2 = "10";
    condenser.qk1 = "5";
    condenser.qk2 = "6";
    const BalanceDisplay display = pair();
    EXPECT_TRUE(display.evaluated);
    EXPECT_EQ(display.outcome.error, EvaluationError::DivisionByZero);
    EXPECT_TRUE(display.cleared);
    EXPECT_EQ(display.failure, "Floating point division by zero");
    EXPECT_EQ(panels().capacity, "");
    EXPECT_FALSE(display.chartDrawn);
}

TEST_F(EditorBalance, FailedPairDrawsChartWithoutPointAndClears)
{
    state->catalogue.condensers.at(ki).refrigerant = "R22";
    const BalanceDisplay display = pair();
    EXPECT_FALSE(display.outcome.ok);
    EXPECT_TRUE(display.cleared);
    EXPECT_EQ(display.failure, "");
    ASSERT_TRUE(display.chartDrawn);
    EXPECT_FALSE(state->editor.chart->ok);
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_NE(sink.messages[0].find("Różne czynniki"), std::string::npos);
}

TEST_F(EditorBalance, UnitClickShowsRecordLinksAndMarksChangedCopy)
{
    state->editor.filters.unitAll = true;
    state->editor.filters.compressorAll = true;
    refillGrid(*state, EditorGrid::Units);
    refillGrid(*state, EditorGrid::Compressors);
    EditorGridView& units = state->editor.grid(EditorGrid::Units);
    int row = 0;
    for (std::size_t r = 0; r < units.rows.size(); ++r)
        if (units.rows[r].index == kUnit)
            row = static_cast<int>(r) + 1;
    ASSERT_NE(row, 0);
    units.currentRow = row;
    state->catalogue.units.at(kUnit).compressorModel = "changed";

    const BalanceDisplay display = unitRowClicked(*state, sink);
    ASSERT_TRUE(display.ran);
    EXPECT_EQ(state->editor.selectionKind, EditorSelectionKind::Unit);
    EXPECT_FALSE(state->editor.inputs.countsEnabled);
    const CondensingUnitRecord& unit = state->catalogue.units[kUnit];
    EXPECT_EQ(state->editor.inputs.compressorCount, unit.compressorCount.str());
    EXPECT_EQ(state->editor.inputs.to, unitEvaporatingList(unit, ',').defaultText());
    EXPECT_EQ(panels().compressorModel, "changed");
    EXPECT_TRUE(panels().compressorModelDiffers);
    EXPECT_FALSE(panels().condenserModelDiffers);
    EXPECT_TRUE(display.evaluated); // the linked compressor is still evaluated
    EXPECT_NE(panels().capacity, "");
    EXPECT_EQ(panels().frameIndex, std::to_string(findFrameOfUnit(state->catalogue, kUnit)));
    ASSERT_TRUE(display.compressorRow.has_value());
    EXPECT_EQ(state->editor.grid(EditorGrid::Compressors).currentIndex(), ci);
    EXPECT_TRUE(state->refrigerant.calculationEnabled);

    // An input change runs the unit display again; the red mark is set anew each time.
    state->catalogue.units.at(kUnit).compressorModel = state->catalogue.compressors[ci].model;
    state->editor.inputs.ambient = "27";
    EXPECT_TRUE(inputChanged(*state, sink).evaluated);
    EXPECT_FALSE(panels().compressorModelDiffers);
}

TEST_F(EditorBalance, UnitWithoutCompressorLeavesResultsAlone)
{
    pair();
    const std::string capacity = panels().capacity;
    state->catalogue.units.at(kUnit).compressorId = "no such id";
    const BalanceDisplay display = showUnitBalance(*state, kUnit, sink);
    EXPECT_TRUE(display.ran);
    EXPECT_FALSE(display.evaluated);
    EXPECT_EQ(panels().compressorIndex, "0");
    EXPECT_EQ(panels().capacity, capacity);
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0], kNoCompressorMessage);
}

TEST_F(EditorBalance, NothingWhileCalculationDisabledOrNoRow)
{
    state->refrigerant.calculationEnabled = false;
    EXPECT_FALSE(pair().ran);
    EXPECT_FALSE(showUnitBalance(*state, kUnit, sink).ran);
    EXPECT_EQ(panels().compressorIndex, "");
    state->refrigerant.calculationEnabled = true;
    // The compressor grid opens with only producers outside the three: the sample has none.
    ASSERT_TRUE(state->editor.grid(EditorGrid::Compressors).rows.empty());
    EXPECT_FALSE(compressorRowClicked(*state, sink).ran);
    EXPECT_EQ(state->editor.selectionKind, EditorSelectionKind::None);
}

TEST_F(EditorBalance, RefrigerantSwitchWithoutTable)
{
    test::TempFolder folder;
    state->programDir = folder.path();
    const std::string failure = selectRefrigerant(*state, "R22");
    EXPECT_NE(failure.find("R22.txt"), std::string::npos) << failure;
    EXPECT_TRUE(state->refrigerant.calculationEnabled);
    EXPECT_EQ(state->currentRefrigerant, "R22");
    EXPECT_EQ(state->editor.refrigerantChecks, (std::array<bool, 4>{false, false, false, true}));
    for (const GridRow& row : state->editor.grid(EditorGrid::Condensers).rows)
        EXPECT_EQ(state->catalogue.condensers[row.index].refrigerant, "R22");

    EXPECT_NE(selectRefrigerant(*state, "R410A"), "");
    EXPECT_EQ(state->currentRefrigerant, "R22");
}

TEST_F(EditorBalance, PauseRestoresOnEveryExit)
{
    try {
        const CalculationPause pause(*state);
        EXPECT_FALSE(state->refrigerant.calculationEnabled);
        throw std::runtime_error("stop");
    } catch (const std::runtime_error&) {
    }
    EXPECT_TRUE(state->refrigerant.calculationEnabled);
}

} // namespace
} // namespace kelvo
