#include "core/selection/unit_comparison.h"

#include <gtest/gtest.h>

#include "core/app/language_table.h"
#include "core/app/own_texts.h"
#include "core/selection/selection_session.h"
#include "core/selection/unit_details.h"
#include "core/selection/window_captions.h"
#include "core/text/code_page.h"
#include "core/text/message_sink.h"
#include "support/temp_folder.h"
#include "support/workbook_cells.h"

namespace kelvo
{
namespace
{

TEST(ComparisonBestValues, TheLargestOrSmallestFigureIsMarkedTiesAllAndTextsNone)
{
    using V = std::optional<double>;
    struct Case {
        BetterValue better;
        std::vector<V> values;
        std::vector<bool> best;
    };
    const Case cases[] = {
        {BetterValue::Larger, {5400, 6100, 6100}, {false, true, true}},
        {BetterValue::Larger, {-3, -5}, {true, false}},
        {BetterValue::Smaller, {2.1, 1.9, std::nullopt}, {false, true, false}},
        {BetterValue::Smaller, {std::nullopt, std::nullopt}, {false, false}},
        {BetterValue::None, {1, 2}, {false, false}},
    };
    for (const Case& c : cases) {
        ComparisonLine line{"x", "x", "", c.better, {}};
        for (const V& value : c.values)
            line.cells.push_back({"", value, true});
        markBestValues(line);
        std::vector<bool> best;
        for (const ComparisonCell& cell : line.cells)
            best.push_back(cell.best);
        EXPECT_EQ(best, c.best) << static_cast<int>(c.better) << " " << c.values.size();
    }
}

// BOX units for R404A at -10 C and 32 C, where unit 21 lies outside its compressor's envelope.
class ComparisonAtTheEnvelopesEdge : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        session.open(sink);
        SelectionInputs inputs;
        tickAllFilters(inputs);
        inputs.evaporatingTemperature = -10;
        session.setInputs(inputs, sink);
        outsideRow = session.state().candidates.rowOfUnit(21);
        ASSERT_GT(outsideRow, 2);
    }

    const ComparisonLine& line(const UnitComparison& comparison, std::string_view key)
    {
        for (const ComparisonLine& l : comparison.lines)
            if (l.key == key)
                return l;
        throw std::logic_error("no line " + std::string(key));
    }

    Workspace workspace{test::sampleDataFolder()};
    LanguageTable languages;
    SelectionSession session{workspace, languages, UnitFamily::Box};
    DiscardingMessageSink sink;
    int outsideRow = 0;
};

TEST_F(ComparisonAtTheEnvelopesEdge, EveryFigureIsTheOneTheDetailsShow)
{
    const std::vector<int> rows{outsideRow, 1, 2};
    const UnitComparison comparison = compareUnits(session, rows, sink);
    ASSERT_EQ(comparison.rows, rows);
    for (std::size_t u = 0; u < rows.size(); ++u) {
        const UnitDetails details = session.computeDetails(rows[u], sink);
        EXPECT_EQ(comparison.unitIndexes[u], details.unitIndex);
        for (const DetailLine& shown : kUnitDataPage.lines)
            for (const ComparisonLine& l : comparison.lines)
                if (l.key == shown.key) {
                    EXPECT_EQ(l.cells[u].text, toUtf8(shown.text(details))) << l.key;
                    EXPECT_EQ(l.caption, languages.text(shown.entry));
                }
        EXPECT_EQ(line(comparison, "capacity").cells[u].value,
                  session.state().candidates.row(rows[u])->capacityW);
        EXPECT_EQ(line(comparison, "cop").cells[u].value, details.data.copValue);
        EXPECT_EQ(line(comparison, "condensingTemperature").cells[u].value,
                  details.data.condensingTemperatureC);
        EXPECT_EQ(line(comparison, "dimensionC").cells[u].text, toUtf8(details.dimensions.c));
        EXPECT_EQ(line(comparison, "standardAccessory1").cells[u].text,
                  details.boxAccessories[0] ? "+" : "-");
        EXPECT_EQ(line(comparison, "envelope").cells[u].text,
                  ownText(u == 0 ? OwnText::LegendOutside : OwnText::InsideEnvelope, kEnglish));
    }
    EXPECT_EQ(line(comparison, "standardAccessory12").cells.size(), rows.size());
    EXPECT_EQ(
        comparison.heading,
        "Refrigerant: R404A   Evaporation temperature: -10 [C]   Ambient temperature: 32 [C]");
    // The list is sorted by capacity: the unit furthest down has the largest, but outside its
    // envelope (its figures marked) it does not compete; the largest valid one is the best.
    EXPECT_FALSE(line(comparison, "capacity").cells[0].best);
    EXPECT_TRUE(line(comparison, "capacity").cells[2].best);
}

TEST_F(ComparisonAtTheEnvelopesEdge, TwoToFourDistinctListedRowsAreCompared)
{
    const std::pair<std::vector<int>, std::string> refused[] = {
        {{1}, "Choose two to four units to compare (1 chosen)"},
        {{1, 2, 3, 4, 5}, "Choose two to four units to compare (5 chosen)"},
        {{1, 1}, "list row 1 is given twice"},
        {{1, 9999}, "list row 9999 is not in the list, 1 .. "},
    };
    for (const auto& [rows, message] : refused) {
        try {
            compareUnits(session, rows, sink);
            ADD_FAILURE() << message;
        } catch (const ComparisonError& error) {
            EXPECT_EQ(std::string(error.what()).substr(0, message.size()), message);
        }
    }
}

TEST_F(ComparisonAtTheEnvelopesEdge, AtMostFourMarksThatFollowTheList)
{
    for (const int row : {1, outsideRow, 2, outsideRow + 1})
        EXPECT_TRUE(session.markForComparison(row, true));
    EXPECT_TRUE(session.markForComparison(2, true)) << "marked already";
    EXPECT_FALSE(session.markForComparison(outsideRow + 2, true));
    EXPECT_TRUE(session.markForComparison(outsideRow + 1, false));
    EXPECT_TRUE(session.markForComparison(outsideRow + 2, true));
    EXPECT_EQ(session.comparedRows(), (std::vector<int>{1, outsideRow, 2, outsideRow + 2}));
    std::vector<int> inside;
    for (const int row : session.comparedRows())
        if (session.state().candidates.row(row)->envelope != EnvelopePosition::Outside)
            inside.push_back(session.state().candidates.row(row)->unitIndex);

    // Hiding the units outside their envelope drops unit 21 from the list and from the marks.
    session.setInsideEnvelopeOnly(true, sink);
    EXPECT_EQ(session.state().comparedUnits, inside);
    EXPECT_EQ(session.comparedRows().size(), inside.size());
}

TEST_F(ComparisonAtTheEnvelopesEdge, TheWorkbookHoldsTheFiguresAsNumbers)
{
    const UnitComparison comparison = compareUnits(session, {outsideRow, 1}, sink);
    const test::TempFolder folder;
    writeComparisonExport(folder.path() / "compare.xlsx", comparison, ExportFormat::Xlsx);
    writeComparisonExport(folder.path() / "compare.csv", comparison, ExportFormat::Csv);
    const test::WorkbookCells workbook(folder.path() / "compare.xlsx");
    EXPECT_EQ(workbook.at(3, 3).number, outsideRow);
    EXPECT_EQ(workbook.at(4, 3).number, 21);
    int figures = 0;
    for (std::size_t l = 0; l < comparison.lines.size(); ++l) {
        const int row = 5 + static_cast<int>(l);
        const ComparisonLine& shown = comparison.lines[l];
        EXPECT_EQ(workbook.at(row, 1).text, shown.caption);
        for (std::size_t u = 0; u < shown.cells.size(); ++u) {
            const test::ReadCell cell = workbook.at(row, 3 + static_cast<int>(u));
            if (shown.cells[u].value) {
                EXPECT_EQ(cell.number, shown.cells[u].value) << shown.key;
                ++figures;
            } else {
                EXPECT_EQ(cell.text.value_or(""), shown.cells[u].text) << shown.key;
            }
        }
    }
    EXPECT_GT(figures, 20);
    const std::string csv = folder.read("compare.csv");
    EXPECT_NE(
        csv.find("\r\nCooling capacity;[W];" +
                 std::to_string(static_cast<int>(*line(comparison, "capacity").cells[0].value)) +
                 ";"),
        std::string::npos);
}

} // namespace
} // namespace kelvo
