#include "core/selection/selection_export.h"

#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

#include "core/app/language_table.h"
#include "core/selection/candidate_list.h"
#include "core/selection/display_figures.h"
#include "core/selection/selection_session.h"
#include "core/selection/unit_details.h"
#include "core/spreadsheet/first_row_cells.h"
#include "core/text/code_page.h"
#include "core/text/message_sink.h"
#include "core/text/numeric_text.h"
#include "support/temp_folder.h"
#include "support/workbook_cells.h"

namespace kelvo
{
namespace
{

// The shipped catalogue's BOX units for R404A at -10 C and 32 C, where three lie outside
// their compressor's envelope, and the details of one of them (unit 21).
class SelectionAtTheEnvelopesEdge : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        session.open(sink);
        SelectionInputs inputs;
        tickAllFilters(inputs);
        inputs.evaporatingTemperature = -10;
        inputs.ambientTemperature = 32;
        session.setInputs(inputs, sink);
    }

    Workspace workspace{test::sampleDataFolder()};
    LanguageTable languages;
    SelectionSession session{workspace, languages, UnitFamily::Box};
    DiscardingMessageSink sink;
};

TEST_F(SelectionAtTheEnvelopesEdge, UnitsOutsideTheirEnvelopeAreMarkedAndCanBeHidden)
{
    const CandidateList& list = session.state().candidates;
    const Candidate* outside = list.row(list.rowOfUnit(21));
    ASSERT_NE(outside, nullptr);
    EXPECT_EQ(outside->envelope, EnvelopePosition::Outside);
    EXPECT_EQ(outside->envelopeMark, kOutsideEnvelopeMark);
    EXPECT_NEAR(outside->condensingTemperature, 58.4, 1e-9);
    EXPECT_EQ(toUtf8(outside->envelopeReason),
              "Outside the compressor's operating envelope (to -10 C, tk 58,4 C)");
    int outsideCount = 0;
    for (const Candidate& c : list.rows) {
        EXPECT_NE(c.envelope, EnvelopePosition::Unchecked) << c.unitIndex;
        EXPECT_EQ(c.envelopeMark.empty(), c.envelope != EnvelopePosition::Outside);
        outsideCount += c.envelope == EnvelopePosition::Outside;
    }
    EXPECT_EQ(outsideCount, 3);

    const std::size_t all = list.rows.size();
    session.setInsideEnvelopeOnly(true, sink);
    EXPECT_EQ(session.state().candidates.rows.size(), all - 3);
    EXPECT_EQ(session.state().candidates.rowOfUnit(21), 0);
}

TEST_F(SelectionAtTheEnvelopesEdge, TheExportReadsBackAsTheListAndTables)
{
    const int row = session.state().candidates.rowOfUnit(21);
    const UnitDetails& details = session.chooseRow(row, sink);
    ASSERT_FALSE(details.range.columns.empty());
    const auto cells = selectionExportCells(session, true, &details);
    const test::TempFolder folder;
    writeSelectionExport(folder.path() / "units.xlsx", cells, ExportFormat::Xlsx);
    writeSelectionExport(folder.path() / "units.csv", cells, ExportFormat::Csv);

    // The .csv, line by line through the program's own CSV reader.
    const std::string csv = folder.read("units.csv");
    ASSERT_EQ(csv.substr(0, 3), "\xEF\xBB\xBF");
    std::vector<std::vector<std::string>> lines;
    for (std::size_t at = 0; at < csv.size();) {
        const std::size_t end = csv.find("\r\n", at);
        lines.push_back(csvFirstRowCells(csv.substr(at, end - at)));
        at = end + 2;
    }
    const test::WorkbookCells workbook(folder.path() / "units.xlsx");
    const auto number = [&](int r, int c) { return workbook.at(r, c).number; };
    const auto text = [&](int r, int c) { return workbook.at(r, c).text.value_or(""); };
    const auto csvNumber = [&](int r, int c) {
        const auto& line = lines[static_cast<std::size_t>(r - 1)];
        return c <= static_cast<int>(line.size()) ? parseNumber(line[c - 1]) : std::nullopt;
    };

    // Row 3 holds the list's headers; one unit per row after it.
    const CandidateList& list = session.state().candidates;
    EXPECT_EQ(text(3, 3), "Model");
    for (std::size_t i = 0; i < list.rows.size(); ++i) {
        const Candidate& c = list.rows[i];
        const int r = 4 + static_cast<int>(i);
        EXPECT_EQ(number(r, 2), c.unitIndex);
        EXPECT_EQ(text(r, 3), toUtf8(c.unitName.view()));
        EXPECT_EQ(number(r, 4), c.capacityW);
        EXPECT_EQ(number(r, 5), c.powerKW);
        EXPECT_EQ(number(r, 6), roundToTenth(c.condensingTemperature));
        EXPECT_EQ(text(r, 7), envelopePositionName(c.envelope));
        EXPECT_EQ(text(r, 8), c.mark + c.envelopeMark);
        EXPECT_EQ(csvNumber(r, 4), c.capacityW);
        EXPECT_EQ(csvNumber(r, 5), c.powerKW);
        EXPECT_EQ(lines[static_cast<std::size_t>(r - 1)][7], c.mark + c.envelopeMark);
    }
    // Then the unit's name, headers, and one point per row: to, ambient, Qo, Pe, tk, envelope.
    int r = 4 + static_cast<int>(list.rows.size()) + 1;
    EXPECT_EQ(text(r, 2), "AGO-KH098L");
    r += 2;
    int outsidePoints = 0;
    for (const RangeColumn& column : details.range.columns)
        for (std::size_t k = 0; k < kRangeAmbientCount; ++k, ++r) {
            EXPECT_EQ(number(r, 1), column.to);
            EXPECT_EQ(number(r, 2), kRangeAmbients[k]);
            EXPECT_EQ(number(r, 3), column.capacity[k].value);
            EXPECT_EQ(number(r, 4), column.power[k].value);
            EXPECT_EQ(text(r, 6), envelopePositionName(column.capacity[k].envelope));
            EXPECT_EQ(text(r, 7),
                      column.capacity[k].shown().substr(column.capacity[k].text.size()));
            EXPECT_EQ(csvNumber(r, 3), column.capacity[k].value);
            EXPECT_EQ(csvNumber(r, 4), column.power[k].value);
            outsidePoints += column.capacity[k].envelope == EnvelopePosition::Outside;
        }
    EXPECT_GT(outsidePoints, 0);
    EXPECT_EQ(static_cast<int>(lines.size()), r - 1);
}

} // namespace
} // namespace kelvo
