#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

#include "core/catalogue/catalogue.h"
#include "core/editor/coefficient_import.h"
#include "core/spreadsheet/first_row_cells.h"
#include "core/spreadsheet/workbook_writer.h"
#include "support/temp_folder.h"

namespace kelvo
{
namespace
{

const std::filesystem::path kFiles = KELVO_TEST_FILES_DIR;

TEST(FirstRowCells, ClipboardAndCsvSplitTheFirstLineOnly)
{
    EXPECT_EQ(clipboardCells("1,5\t2\t\tx\r\n3\t4\n"),
              (std::vector<std::string>{"1,5", "2", "", "x"}));
    EXPECT_TRUE(clipboardCells("").empty());
    EXPECT_EQ(csvFirstRowCells("1,5;2\n"), (std::vector<std::string>{"1,5", "2"}));
    EXPECT_EQ(csvFirstRowCells("1.5,2,\"a,\"\"b\"\"\"\r\n9"),
              (std::vector<std::string>{"1.5", "2", "a,\"b\""}));
    // A ";" inside quotes does not make it the separator; a quoted line break stays in the cell.
    EXPECT_EQ(csvFirstRowCells("\"x;y\",\"p\r\nq\",3\r\n"),
              (std::vector<std::string>{"x;y", "p\r\nq", "3"}));
}

TEST(FirstRowCells, CsvAndOdsFilesGiveTheSameCoefficients)
{
    const auto csv = readFirstRowCells(kFiles / "coefficients.csv");
    const auto ods = readFirstRowCells(kFiles / "coefficients.ods");
    ASSERT_EQ(csv.size(), 10u);
    EXPECT_EQ(csv, ods);
    EXPECT_EQ(csv[0], "5578,552625");
    EXPECT_EQ(csv[9], "-0,001695467225");
    // The same row as a workbook of numbers, as a spreadsheet program saves it.
    const test::TempFolder written;
    std::vector<SpreadsheetCell> row;
    for (int k = 0; k < 10; ++k)
        row.push_back({1, k + 1, csv[static_cast<std::size_t>(k)]});
    writeWorkbook(written.path() / "coefficients.xlsx", row, {});
    EXPECT_EQ(readFirstRowCells(written.path() / "coefficients.xlsx"), csv);
    EXPECT_THROW(readFirstRowCells(kFiles / "missing.xlsx"), SpreadsheetError);
    const test::TempFolder folder;
    folder.write("broken.xlsx", "not a zip");
    EXPECT_THROW(readFirstRowCells(folder.path() / "broken.xlsx"), SpreadsheetError);
    folder.write("cells.txt", "1");
    EXPECT_THROW(readFirstRowCells(folder.path() / "cells.txt"), SpreadsheetError);
}

TEST(CoefficientImport, TenCellsGoToOneSetAndFewerChangeNothing)
{
    auto catalogue = std::make_unique<Catalogue>();
    CompressorRecord compressor;
    compressor.id = "1";
    compressor.coeffSets[1].multiplier = "1000";
    compressor.coeffSets[1].tag = "Pe";
    catalogue->compressors.append(compressor);
    std::vector<std::string> cells(10, "1,5");
    cells[3] = std::string(60, '9');
    const RowEdit edit = importCoefficients(*catalogue, 1, 2, cells);
    ASSERT_TRUE(edit.done);
    const CompressorRecord& r = catalogue->compressors[1];
    EXPECT_EQ(r.coeffSets[1].c[0], "1,5");
    EXPECT_EQ(r.coeffSets[1].c[3].size(), 50u);
    EXPECT_EQ(r.coeffSets[1].multiplier, "1000");
    EXPECT_EQ(r.coeffSets[1].tag, "Pe");
    EXPECT_TRUE(r.coeffSets[0].c[0].empty());
    EXPECT_EQ(edit.step.description, "Pe C0...C9 – sprężarka 1");

    const RowEdit few = importCoefficients(*catalogue, 1, 1, {"1", "2"});
    EXPECT_FALSE(few.done);
    EXPECT_EQ(few.message.rfind(std::string(kNoSpreadsheet) + "\r", 0), 0u) << few.message;
    EXPECT_TRUE(catalogue->compressors[1].coeffSets[0].c[0].empty());
}

} // namespace
} // namespace kelvo
