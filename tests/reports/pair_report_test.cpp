#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "core/refrigerant/table_loader.h"
#include "core/reports/pair_report.h"
#include "core/spreadsheet/workbook_writer.h"
#include "core/text/message_sink.h"
#include "core/text/numeric_text.h"
#include "core/workspace/workspace.h"
#include "support/temp_folder.h"
#include "support/workbook_cells.h"

namespace kelvo
{
namespace
{

// One R404A compressor of a constant 12.3456 kW and 2.37 kW at rated suction and subcooling,
// and one condenser whose capacity equals dT, so every balance point is found.
class PairReportTest : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        workspace.loadPropertyTable("R404A");
        catalogue.compressors.setCount(1);
        catalogue.condensers.setCount(1);
        auto& c = compressor();
        c.refrigerant = "R404A";
        c.model = " KS-\xB9  ";
        for (std::size_t i = 0; i < 6; ++i) {
            c.capacitySet().c[i] = i == 5 ? "12.3456" : "0";
            c.powerSet().c[i] = i == 5 ? "2.37" : "0";
        }
        c.suctionTemperature = "20";
        c.subcooling = "0";
        setEnvelope({"-40", "-20", "0", "10"});
        auto& k = condenser();
        k.refrigerant = "R404A";
        k.model = "SKR-1";
        k.dt1 = "10";
        k.qk1 = "10";
        k.dt2 = "20";
        k.qk2 = "20";
        inputs.date = "2024-05-14";
        inputs.time = "13:45:00";
    }

    CompressorRecord& compressor() { return catalogue.compressors.at(1); }
    CondenserRecord& condenser() { return catalogue.condensers.at(1); }

    void setEnvelope(const std::vector<std::string>& to)
    {
        auto& envelope = compressor().envelopes[0];
        for (std::size_t i = 0; i < envelope.to.size(); ++i)
            envelope.to[i] = i < to.size() ? to[i] : "";
    }

    PairReport build()
    {
        sink.messages.clear();
        if (inputs.min.empty()) {
            const auto defaults = pairReportDefaults(catalogue, 1);
            inputs.min = defaults.min;
            inputs.max = defaults.max;
        }
        workspace.replaceCatalogue(catalogue);
        return buildPairReport(workspace, {"R404A", {}}, 1, 1, inputs, sink);
    }

    // The texts of one sheet row from column 8 on, in writing order.
    static std::vector<std::string> row(const PairReport& report, int row)
    {
        std::vector<std::string> texts;
        for (const auto& cell : report.cells)
            if (cell.row == row && cell.column >= 8)
                texts.push_back(cell.text);
        return texts;
    }

    Workspace workspace{test::sampleDataFolder()};
    // The records the report is made of; each build hands them to the workspace.
    Catalogue catalogue;
    PairReportInputs inputs;
    CollectingMessageSink sink;
};

TEST_F(PairReportTest, DefaultsWidenEnvelopeOneToFiveKelvinSteps)
{
    EXPECT_EQ(pairReportDefaults(catalogue, 1), (PairReportDefaults{"-40", "10"}));
    setEnvelope({"7,5", "x", "-42.5", "", "0"});
    EXPECT_EQ(pairReportDefaults(catalogue, 1), (PairReportDefaults{"-45", "5"}));
    setEnvelope({"abc"});
    EXPECT_EQ(pairReportDefaults(catalogue, 1), (PairReportDefaults{"-105", "-100"}));
    setEnvelope({"-1e300", "1e300"});
    EXPECT_EQ(pairReportDefaults(catalogue, 1).max, "95") << "and far values end";
}

TEST_F(PairReportTest, HeaderThenThreeBlocksInWritingOrder)
{
    const PairReport report = build();
    ASSERT_FALSE(report.error) << *report.error;
    EXPECT_EQ(report.widths, (std::map<int, double>{{1, 2}, {2, 20}, {3, 10}, {4, 5}}));
    const std::vector<SpreadsheetCell> head(report.cells.begin(), report.cells.begin() + 24);
    EXPECT_EQ(head,
              (std::vector<SpreadsheetCell>{
                  {2, 2, "Raport z doboru : Sprężarka - Skraplacz   / 2024-05-14  /  13:45:00"},
                  {4, 2, "Typ sprężarki"},
                  {4, 3, "KS-ą", true},
                  {5, 2, "Ilość sprężarek"},
                  {5, 3, "1"},
                  {5, 4, "[szt]"},
                  {6, 2, "Typ Skraplacza"},
                  {6, 3, "SKR-1", true},
                  {7, 2, "Ilość Skraplaczy"},
                  {7, 3, "1"},
                  {7, 4, "[szt]"},
                  {8, 2, "Czynnik chłodniczy"},
                  {8, 3, "R404A", true},
                  {9, 2, "Temp. pary na ssaniu"},
                  {9, 3, "20"},
                  {10, 2, "Dochłodzenie czynnika"},
                  {10, 3, "0"},
                  {4, 8, "Te"},
                  {5, 7, "Ta"},
                  {7, 7, "27"},
                  {5, 8, "10"},
                  {6, 8, "Pe"},
                  {6, 9, "Po"},
                  {7, 9, "12346"},
              }));
    // -40 .. 10 by 5: eleven column pairs; Pe only in the second block's row.
    EXPECT_EQ(row(report, 5), (std::vector<std::string>{"10", "5", "0", "-5", "-10", "-15", "-20",
                                                        "-25", "-30", "-35", "-40"}));
    for (const int r : {7, 9})
        EXPECT_EQ(row(report, r), std::vector<std::string>(11, "12346")) << "row " << r;
    EXPECT_EQ(row(report, 8).size(), 22u);
    EXPECT_EQ(report.cells.back(), (SpreadsheetCell{9, 29, "12346"}));
    EXPECT_TRUE(report.messages.empty());
}

TEST_F(PairReportTest, TheColumnsRunFromMaxDownToMin)
{
    inputs.min = "20";
    inputs.max = "10";
    EXPECT_EQ(row(build(), 5), std::vector<std::string>{"10"}) << "Min above Max: one pair";

    inputs.min = "-40";
    inputs.step = "7";
    EXPECT_EQ(row(build(), 5),
              (std::vector<std::string>{"10", "3", "-4", "-11", "-18", "-25", "-32", "-39"}));
    inputs.step = "12,5";
    EXPECT_EQ(row(build(), 5), (std::vector<std::string>{"10", "-2,5", "-15", "-27,5", "-40"}))
        << "Min itself is included";
}

TEST_F(PairReportTest, TextsThatAreNoNumbersStopTheReport)
{
    inputs.min = "-10";
    inputs.max = "0";
    for (const std::string step : {"0", "-5"}) {
        inputs.step = step;
        const PairReport refused = build();
        EXPECT_TRUE(refused.error) << step;
        EXPECT_TRUE(refused.cells.empty()) << step;
        EXPECT_TRUE(refused.widths.empty()) << step;
    }
    inputs.step = "5";
    inputs.min = "abc";
    PairReport report = build();
    EXPECT_EQ(report.error, "Min: " + invalidNumberMessage("abc"));
    EXPECT_TRUE(report.cells.empty());

    inputs.min = "-10";
    inputs.compressorCount = "dwa";
    report = build();
    ASSERT_TRUE(report.error);
    EXPECT_NE(report.error->find("dwa"), std::string::npos);
    EXPECT_EQ(report.cells.back(), (SpreadsheetCell{10, 3, "0"})) << "the header is kept";

    inputs.compressorCount = "2";
    inputs.ambient2 = "x";
    report = build();
    ASSERT_TRUE(report.error);
    EXPECT_EQ(report.error->substr(0, 4), "Ta2:");
    EXPECT_EQ(row(report, 7).size(), 3u) << "block 1 is complete";
    EXPECT_TRUE(row(report, 8).empty());
    EXPECT_EQ(row(report, 7)[0], "24691") << "two compressors";
}

TEST_F(PairReportTest, AnArithmeticFaultStopsAtItsColumn)
{
    inputs.min = "1e308";
    inputs.max = "1e308";
    const PairReport report = build();
    ASSERT_TRUE(report.error);
    EXPECT_NE(report.error->find("to = 1E308, Ta = 27"), std::string::npos) << *report.error;
    EXPECT_EQ(report.cells.back(), (SpreadsheetCell{7, 7, "27"}));
}

TEST_F(PairReportTest, EvaluationMessagesAreKeptAndPassedOn)
{
    condenser().refrigerant = "R22";
    inputs.min = "-10";
    inputs.max = "0";
    const PairReport report = build();
    EXPECT_FALSE(report.error);
    EXPECT_EQ(report.messages.size(), 9u) << "one per evaluation";
    EXPECT_EQ(sink.messages, report.messages);
    EXPECT_EQ(row(report, 7).size(), 3u) << "a failed balance still fills its cells";
}

TEST_F(PairReportTest, FailedAndGaveUpFiguresAreMarkedAndExplained)
{
    inputs.min = "-10";
    inputs.max = "0";
    EXPECT_EQ(row(build(), 7)[0], "12346") << "a good report first, so the result holds figures";

    inputs.ambient3 = "60"; // no balance below 70 C there
    PairReport report = build();
    EXPECT_EQ(row(report, 9)[0].substr(row(report, 9)[0].size() - 2), " *");
    EXPECT_EQ(report.cells.back().text.substr(0, 1), "*");

    // A condenser without usable data fails every balance: the previous figures must not show.
    condenser().dt1 = "";
    condenser().qk1 = "";
    condenser().dt2 = "";
    condenser().qk2 = "";
    condenser().coeffA = "";
    report = build();
    EXPECT_FALSE(report.error);
    EXPECT_EQ(row(report, 7), (std::vector<std::string>{"!", "!", "!"}));
    const auto legend = std::find_if(report.cells.begin(), report.cells.end(),
                                     [](const SpreadsheetCell& c) { return c.row == 11; });
    ASSERT_NE(legend, report.cells.end());
    EXPECT_EQ(legend->text.substr(0, 1), "!");
}

TEST_F(PairReportTest, DecimalStepsGiveTheirDecimalColumnsAndATinyStepIsRefusedAtOnce)
{
    inputs.max = "0,3";
    inputs.min = "-0,3";
    inputs.step = "0,1";
    PairReport report = build();
    ASSERT_FALSE(report.error);
    std::vector<std::string> columns;
    for (const auto& cell : report.cells)
        if (cell.row == 5 && cell.column >= 8)
            columns.push_back(cell.text);
    EXPECT_EQ(columns,
              (std::vector<std::string>{"0,3", "0,2", "0,1", "0", "-0,1", "-0,2", "-0,3"}));

    inputs.max = "50";
    inputs.min = "-50";
    inputs.step = "0,001";
    report = build();
    ASSERT_TRUE(report.error);
    EXPECT_TRUE(report.cells.empty());
    EXPECT_TRUE(report.messages.empty()) << "nothing evaluated";
}

TEST_F(PairReportTest, TheWorkbookHoldsEveryCell)
{
    compressor().model = "0500"; // a name that reads as a number stays a name
    const PairReport report = build();
    const test::TempFolder folder;
    const auto file = folder.path() / "raport.xlsx";
    writeWorkbook(file, report.cells, report.widths);
    const test::WorkbookCells read(file);
    for (const SpreadsheetCell& cell : report.cells) {
        const test::ReadCell got = read.at(cell.row, cell.column);
        if (const auto number = parseNumber(cell.text); number && !cell.asText)
            EXPECT_EQ(got.number, *number) << cell.row << "," << cell.column;
        else
            EXPECT_EQ(got.text, cell.text) << cell.row << "," << cell.column;
    }
    EXPECT_EQ(read.at(8, 8).number, 2.4);
    EXPECT_EQ(read.at(4, 3).text, "0500");
}

} // namespace
} // namespace kelvo
