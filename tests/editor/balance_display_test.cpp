#include <array>
#include <gtest/gtest.h>
#include <memory>
#include <string>

#include "core/catalogue/lookups.h"
#include "core/editor/balance_display.h"
#include "core/editor/editor_session.h"
#include "core/text/message_sink.h"
#include "support/temp_folder.h"
#include "support/workspace_edits.h"

namespace kelvo
{
namespace
{

using test::editRecord;
using test::sampleDataFolder;

// The editor opened on the sample catalogue, with sample unit 3 (an R404A BOX unit that
// evaluates well) and its compressor and condenser.
class EditorBalance : public ::testing::Test
{
  protected:
    static constexpr int kUnit = 3;

    void SetUp() override
    {
        workspace = std::make_unique<Workspace>(sampleDataFolder());
        session = std::make_unique<EditorSession>(*workspace);
        const EditorOpening opening = session->open();
        ASSERT_TRUE(opening.catalogueLoaded) << opening.message;
        ASSERT_EQ(opening.message, "");
        ci = findCompressorOfUnit(catalogue(), kUnit);
        ki = findCondenserOfUnit(catalogue(), kUnit);
        ASSERT_NE(ci, 0);
        ASSERT_NE(ki, 0);
    }

    const Catalogue& catalogue() const { return workspace->catalogue(); }
    EditorInputs typed(const char* subcooling = "0") const
    {
        EditorInputs in = session->inputs();
        in.subcooling = subcooling;
        return in;
    }
    BalanceDisplay pair(const char* subcooling = "0")
    {
        sink.messages.clear();
        return session->showPair(ci, ki, typed(subcooling), sink);
    }
    const BalancePanels& panels() const { return session->panels(); }
    // The row of the grid that lists table index `index`, 0 when none does.
    int rowOf(EditorGrid grid, int index) const
    {
        const auto& rows = session->grid(grid).rows;
        for (std::size_t r = 0; r < rows.size(); ++r)
            if (rows[r].index == index)
                return static_cast<int>(r) + 1;
        return 0;
    }
    // Ticks a filter box by its caption group and caption.
    void tick(std::string_view group, std::string_view caption)
    {
        const auto boxes = editorFilterBoxes();
        for (std::size_t i = 0; i < boxes.size(); ++i)
            if (boxes[i].groupCaption == group && boxes[i].option->caption == caption)
                session->setFilter(i, true);
    }

    std::unique_ptr<Workspace> workspace;
    std::unique_ptr<EditorSession> session;
    CollectingMessageSink sink;
    int ci = 0;
    int ki = 0;
};

TEST_F(EditorBalance, OpeningState)
{
    EXPECT_EQ(session->refrigerant(), "R404A");
    EXPECT_EQ(panels().refrigerant, "R404A");
    EXPECT_EQ(session->tickedRefrigerant(), "R404A");
    EXPECT_EQ(session->refrigerantMenu(),
              (std::vector<std::string>{"R134a", "R407C", "R404A", "R22"}));
    EXPECT_DOUBLE_EQ(session->heatFactor(), 1.1);
    EXPECT_EQ(session->selectionKind(), EditorSelectionKind::None);
    EXPECT_FALSE(session->grid(EditorGrid::Condensers).rows.empty());
    EXPECT_FALSE(session->chart().has_value());
}

TEST_F(EditorBalance, PairDisplayFillsPanelsAndChart)
{
    const BalanceDisplay display = pair();
    ASSERT_TRUE(display.ran);
    ASSERT_TRUE(display.outcome.succeeded());
    EXPECT_FALSE(display.cleared);
    EXPECT_EQ(panels().compressorIndex, std::to_string(ci));
    EXPECT_EQ(panels().compressorModel, catalogue().compressors[ci].model.str());
    EXPECT_EQ(panels().evaporatingPressure.rfind("Po=", 0), 0u);
    const std::string& capacity = panels().capacity;
    ASSERT_GE(capacity.size(), 6u);
    EXPECT_EQ(capacity.substr(capacity.size() - 5), " [kW]");
    const auto comma = capacity.find(',');
    if (comma != std::string::npos) {
        EXPECT_LE(capacity.size() - 5 - comma - 1, 3u) << capacity;
    }
    ASSERT_TRUE(display.chartDrawn);
    ASSERT_TRUE(session->chart().has_value());
    EXPECT_TRUE(session->chart()->ok);
    EXPECT_DOUBLE_EQ(session->chart()->tk, 32 + session->result().condensingDeltaT);
    EXPECT_DOUBLE_EQ(session->chart()->to, 0);
    EXPECT_DOUBLE_EQ(display.figures.refrigeratingCapacity,
                     session->result().refrigeratingCapacity);
    EXPECT_FALSE(session->chart()->noBalance);

    // A lower heat factor needs less condenser.
    const double dT = session->result().condensingDeltaT;
    session->setHeatFactorText("1.0");
    pair();
    EXPECT_LT(session->result().condensingDeltaT, dT);

    // Air at 65 C leaves no balance below 70 C: the chart is told, to say so.
    EditorInputs hot = typed();
    hot.ambient = "65";
    const BalanceDisplay gaveUp = session->showPair(ci, ki, hot, sink);
    ASSERT_TRUE(gaveUp.gaveUp);
    EXPECT_TRUE(session->chart()->noBalance);
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

TEST_F(EditorBalance, TextThatIsNoNumberClearsPanelsAndChartPoint)
{
    pair();
    const BalanceDisplay display = pair("zero");
    EXPECT_TRUE(display.cleared);
    EXPECT_FALSE(display.evaluated);
    EXPECT_EQ(display.failure, "'zero' is not a valid floating point value");
    EXPECT_EQ(panels().capacity, "");
    EXPECT_EQ(panels().compressorIndex, "");
    EXPECT_EQ(panels().refrigerant, "");
    // The chart shows the pair's compressor, without a working point it no longer has.
    ASSERT_TRUE(session->chart().has_value());
    EXPECT_EQ(session->chart()->compressor, ci);
    EXPECT_FALSE(session->chart()->ok);
}

// What the command line refuses is refused with the reason on the status line, for a pair and a
// unit; the next display says nothing stale.
TEST_F(EditorBalance, InputsTheCommandLineRefusesClearThePanels)
{
    const EditorInputs fine = typed();
    const std::array<std::array<const char*, 4>, 4> cases{{
        {"-300", "32", "1,1", "'-300' jest poniżej zera bezwzględnego, -273,15 C"},
        {"0", "-273,2", "1,1", "'-273,2' jest poniżej zera bezwzględnego, -273,15 C"},
        {"0", "32", "0", "Qk=(Qo+Pe) x: '0' nie jest liczbą większą od 0"},
        {"0", "32", "abc", "Qk=(Qo+Pe) x: 'abc' nie jest liczbą większą od 0"},
    }};
    for (const auto& [to, ambient, factor, failure] : cases) {
        EditorInputs in = fine;
        in.to = to;
        in.ambient = ambient;
        session->setHeatFactorText(factor);
        for (const bool unit : {false, true}) {
            const BalanceDisplay display =
                unit ? session->showUnit(kUnit, in, sink) : session->showPair(ci, ki, in, sink);
            EXPECT_TRUE(display.cleared && !display.evaluated) << failure;
            EXPECT_EQ(panels().status, failure);
            EXPECT_EQ(panels().capacity, "");
        }
        session->setHeatFactorText("1,1");
        session->showPair(ci, ki, fine, sink);
        EXPECT_EQ(panels().status, "");
        EXPECT_EQ(panels().refrigerant, "R404A");
    }
    EditorInputs hot = fine;
    hot.ambient = "65";
    session->showPair(ci, ki, hot, sink);
    EXPECT_EQ(panels().status, kGaveUpNote);
}

TEST_F(EditorBalance, EvaluationErrorClears)
{
    // Two-point data with dt1 = dt2 divides by zero.
    editRecord<CondenserRecord>(*workspace, ki, [](CondenserRecord& condenser) {
        condenser.dt1 = "10";
        condenser.dt2 = "10";
        condenser.qk1 = "5";
        condenser.qk2 = "6";
    });
    const BalanceDisplay display = pair();
    EXPECT_TRUE(display.evaluated);
    EXPECT_EQ(display.outcome.error, EvaluationError::DivisionByZero);
    EXPECT_TRUE(display.cleared);
    EXPECT_EQ(display.failure, "Floating point division by zero");
    EXPECT_EQ(panels().status, display.failure);
    EXPECT_EQ(panels().capacity, "");
    ASSERT_TRUE(session->chart().has_value());
    EXPECT_FALSE(session->chart()->ok);
}

TEST_F(EditorBalance, FailedPairDrawsChartWithoutPointAndClears)
{
    editRecord<CondenserRecord>(*workspace, ki,
                                [](CondenserRecord& condenser) { condenser.refrigerant = "R22"; });
    const BalanceDisplay display = pair();
    EXPECT_FALSE(display.outcome.ok);
    EXPECT_TRUE(display.cleared);
    EXPECT_EQ(display.failure, "");
    ASSERT_TRUE(display.chartDrawn);
    EXPECT_FALSE(session->chart()->ok);
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_NE(sink.messages[0].find("Różne czynniki"), std::string::npos);
}

TEST_F(EditorBalance, UnitClickShowsRecordLinksAndMarksChangedCopy)
{
    tick("Agregat", "ALL");
    tick("Sprężarka", "ALL");
    const int row = rowOf(EditorGrid::Units, kUnit);
    ASSERT_NE(row, 0);
    editRecord<CondensingUnitRecord>(
        *workspace, kUnit, [](CondensingUnitRecord& unit) { unit.compressorModel = "changed"; });

    const BalanceDisplay display = session->clickRow(EditorGrid::Units, row, 0, sink);
    ASSERT_TRUE(display.ran);
    EXPECT_EQ(session->selectionKind(), EditorSelectionKind::Unit);
    EXPECT_FALSE(session->inputs().countsEnabled);
    const CondensingUnitRecord& unit = catalogue().units[kUnit];
    EXPECT_EQ(session->inputs().compressorCount, unit.compressorCount.str());
    EXPECT_EQ(session->inputs().to, unitEvaporatingList(unit, ',').defaultText());
    EXPECT_EQ(panels().compressorModel, "changed");
    EXPECT_TRUE(panels().compressorModelDiffers);
    EXPECT_FALSE(panels().condenserModelDiffers);
    EXPECT_TRUE(display.evaluated); // the linked compressor is still evaluated
    EXPECT_NE(panels().capacity, "");
    EXPECT_EQ(panels().frameIndex, std::to_string(findFrameOfUnit(catalogue(), kUnit)));
    ASSERT_TRUE(display.compressorRow.has_value());
    EXPECT_EQ(session->grid(EditorGrid::Compressors).currentIndex(), ci);

    // Putting the copy right clears the red mark at once; so does an input change.
    const std::string model = catalogue().compressors[ci].model.str();
    editRecord<CondensingUnitRecord>(*workspace, kUnit,
                                     [&](CondensingUnitRecord& u) { u.compressorModel = model; });
    EXPECT_FALSE(panels().compressorModelDiffers);
    EditorInputs in = session->inputs();
    in.ambient = "27";
    EXPECT_TRUE(session->setInputs(in, sink).evaluated);
    EXPECT_FALSE(panels().compressorModelDiffers);
}

TEST_F(EditorBalance, UnitWithoutCompressorShowsNoFiguresOfAnotherRecord)
{
    pair();
    editRecord<CondensingUnitRecord>(
        *workspace, kUnit, [](CondensingUnitRecord& unit) { unit.compressorId = "no such id"; });
    sink.messages.clear();
    const BalanceDisplay display = session->showUnit(kUnit, typed(), sink);
    EXPECT_TRUE(display.ran);
    EXPECT_FALSE(display.evaluated);
    EXPECT_EQ(panels().compressorIndex, "0");
    EXPECT_EQ(panels().capacity, "");
    EXPECT_FALSE(session->chart().has_value());
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0], kNoCompressorMessage);
}

TEST_F(EditorBalance, NothingWhileCalculationDisabledOrNoRow)
{
    {
        const CalculationPause guard = session->pauseCalculation();
        EXPECT_FALSE(pair().ran);
        EXPECT_FALSE(session->showUnit(kUnit, typed(), sink).ran);
        EXPECT_EQ(panels().compressorIndex, "");
    }
    // The compressor grid opens with only producers outside the three: the sample has none.
    ASSERT_TRUE(session->grid(EditorGrid::Compressors).rows.empty());
    EXPECT_FALSE(session->clickRow(EditorGrid::Compressors, 1, 0, sink).ran);
    EXPECT_EQ(session->selectionKind(), EditorSelectionKind::None);
    EXPECT_TRUE(pair().ran) << "the guard is restored";
}

TEST(EditorRefrigerant, SwitchWithoutTable)
{
    test::TempFolder folder;
    Workspace workspace(folder.path());
    EditorSession session(workspace);
    const std::string failure = session.chooseRefrigerant("R22");
    EXPECT_NE(failure.find("R22.txt"), std::string::npos) << failure;
    EXPECT_EQ(session.refrigerant(), "R22");
    EXPECT_EQ(session.tickedRefrigerant(), "R22");
    EXPECT_NE(session.chooseRefrigerant("R410A"), "");
    EXPECT_EQ(session.refrigerant(), "R22");
}

} // namespace
} // namespace kelvo
