#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "core/spreadsheet/first_row_cells.h"
#include "core/spreadsheet/workbook_writer.h"
#include "support/temp_folder.h"
#include "support/workbook_cells.h"

namespace kelvo
{
namespace
{

// Numbers and strings of a whole report are checked in the pair report's tests.
TEST(WorkbookWriter, ReplacesTheTargetOnlyWhenEveryCellIsWritten)
{
    const test::TempFolder folder;
    const auto file = folder.path() / "report.xlsx";
    const auto onlyTheTarget = [&folder] {
        std::vector<std::filesystem::path> files;
        for (const auto& entry : std::filesystem::directory_iterator(folder.path()))
            files.push_back(entry.path().filename());
        return files == std::vector<std::filesystem::path>{"report.xlsx"};
    };
    writeWorkbook(file, {{1, 1, "first"}}, {});
    writeWorkbook(file, {{1, 1, "1.25"}, {1, 2, "1,5,0"}}, {{1, 2}});
    EXPECT_EQ(test::WorkbookCells(file).at(1, 1).number, 1.25);
    EXPECT_EQ(test::WorkbookCells(file).at(1, 2).text, "1,5,0");
    EXPECT_TRUE(onlyTheTarget());

    for (const SpreadsheetCell& bad : {SpreadsheetCell{0, 1, "x"}, SpreadsheetCell{1, 16385, "x"},
                                       SpreadsheetCell{1, 1, std::string(40000, 'x')}}) {
        try {
            writeWorkbook(file, {{1, 1, "third"}, bad}, {});
            ADD_FAILURE() << "a cell at " << bad.row << "," << bad.column << " was written";
        } catch (const SpreadsheetError& error) {
            EXPECT_NE(std::string(error.what()).find(file.string()), std::string::npos)
                << error.what();
        }
        EXPECT_EQ(test::WorkbookCells(file).at(1, 1).number, 1.25);
        EXPECT_TRUE(onlyTheTarget());
    }
    EXPECT_THROW(writeWorkbook(file, {{1, 1, "x"}}, {{0, 5}}), SpreadsheetError);

    // Our words, and nothing from the library on the terminal.
    ::testing::internal::CaptureStderr();
    try {
        writeWorkbook(folder.path() / "missing" / "report.xlsx", {{1, 1, std::string(40000, 'x')}},
                      {});
        ADD_FAILURE() << "written";
    } catch (const SpreadsheetError& error) {
        EXPECT_EQ(std::string(error.what()).find("lxw"), std::string::npos) << error.what();
    }
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
    try {
        writeWorkbook(folder.path() / "missing" / "report.xlsx", {{1, 1, "x"}}, {});
        ADD_FAILURE() << "written";
    } catch (const SpreadsheetError& error) {
        EXPECT_NE(
            std::string(error.what())
                .find("the folder " + (folder.path() / "missing").string() + " does not exist"),
            std::string::npos)
            << error.what();
    }
}

TEST(WorkbookWriter, WritesThroughTheTargetsLinkButNeverThroughAPlantedTemporary)
{
    const test::TempFolder folder;
    const test::TempFolder outside;
    outside.write("planted.txt", "planted");
    // The old fixed temporary name leads outside; the target is the user's link to a file.
    std::filesystem::create_symlink(outside.path() / "planted.txt", folder.path() / "r.xlsx.tmp");
    std::filesystem::create_symlink(outside.path() / "r.xlsx", folder.path() / "r.xlsx");
    writeWorkbook(folder.path() / "r.xlsx", {{1, 1, "1"}}, {});
    EXPECT_EQ(outside.read("planted.txt"), "planted");
    EXPECT_TRUE(std::filesystem::is_symlink(folder.path() / "r.xlsx"));
    EXPECT_EQ(test::WorkbookCells(outside.path() / "r.xlsx").at(1, 1).number, 1);
}

} // namespace
} // namespace kelvo
