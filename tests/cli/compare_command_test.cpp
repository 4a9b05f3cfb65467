#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <sstream>

#include "cli/run_in_process.h"
#include "support/temp_folder.h"
#include "support/workbook_cells.h"

namespace kelvo
{
namespace
{

using test::CommandRun;

// The command line run in this process on the shipped catalogue.
CommandRun kelvo(std::vector<std::string> arguments)
{
    arguments.insert(arguments.end(), {"--data", KELVO_SOURCE_DATA_DIR});
    return test::runInProcess(std::move(arguments));
}

const std::vector<std::string> kInputs{"--family", "BOX", "--refrigerant", "R404A",
                                       "--to",     "-10", "--ambient",     "32"};

std::vector<std::string> with(std::vector<std::string> extra)
{
    std::vector<std::string> arguments(kInputs);
    arguments.insert(arguments.begin(), extra.front());
    arguments.insert(arguments.end(), extra.begin() + 1, extra.end());
    return arguments;
}

TEST(CompareCommand, ShowsTheFiguresOfThreeDetailsSideBySide)
{
    // With the extra ambient too, whose figures are the range tables' at the selection's to.
    const CommandRun compared =
        kelvo(with({"compare", "--unit-index", "21,9,3", "--extra-ambient", "43", "--json"}));
    ASSERT_EQ(compared.status, 0) << compared.err;
    const auto doc = nlohmann::json::parse(compared.out);
    ASSERT_EQ(doc["units"].size(), 3U);
    std::map<std::string, nlohmann::json> lines;
    for (const auto& line : doc["lines"])
        lines[line["key"]] = line;
    int u = 0;
    for (const char* unit : {"21", "9", "3"}) {
        const CommandRun shown =
            kelvo(with({"details", "--unit-index", unit, "--extra-ambient", "43", "--json"}));
        ASSERT_EQ(shown.status, 0) << shown.err;
        const auto details = nlohmann::json::parse(shown.out);
        EXPECT_EQ(doc["units"][u]["unitIndex"], details["unitIndex"]);
        EXPECT_EQ(doc["units"][u]["row"], details["row"]);
        for (const char* key : {"unitName", "capacity", "power", "cop", "condensingTemperature"})
            EXPECT_EQ(lines[key]["cells"][u]["text"], details["panels"][key]) << key;
        EXPECT_EQ(lines["cop"]["cells"][u]["value"], details["cop"]);
        int atTo = 0;
        for (const auto& column : details["columns"])
            if (column["to"] == -10) {
                EXPECT_EQ(lines["capacityExtraAmbient"]["cells"][u]["value"], column["Qo43"]);
                EXPECT_EQ(lines["powerExtraAmbient"]["cells"][u]["value"], column["Pe43"]);
                ++atTo;
            }
        EXPECT_EQ(atTo, 1);
        EXPECT_EQ(lines["condensingTemperature"]["cells"][u]["value"],
                  details["condensingTemperature"]);
        for (const char* letter : {"A", "B", "C", "D", "E", "F", "G", "H"})
            EXPECT_EQ(lines[std::string("dimension") + letter]["cells"][u]["text"],
                      details["dimensions"][letter]);
        ++u;
    }
    EXPECT_EQ(lines["capacity"]["better"], "larger");
    EXPECT_TRUE(lines["unitName"]["better"].is_null());

    // The text table shows the same, the best figures marked and explained.
    const CommandRun table = kelvo(with({"compare", "--unit-index", "21,9,3"}));
    EXPECT_EQ(table.status, 0) << table.err;
    EXPECT_NE(table.out.find("^ best value"), std::string::npos) << table.out;
    EXPECT_NE(table.out.find("# outside the compressor's operating envelope"), std::string::npos);
}

TEST(CompareCommand, WritesTheTableWithFiguresAsNumbers)
{
    const test::TempFolder folder;
    const std::string xlsx = (folder.path() / "compare.xlsx").string();
    const CommandRun run = kelvo(with({"compare", "--row", "1,2", "--xlsx", xlsx, "--csv",
                                       (folder.path() / "compare.csv").string(), "--json"}));
    ASSERT_EQ(run.status, 0) << run.err;
    const auto doc = nlohmann::json::parse(run.out);
    const test::WorkbookCells workbook(xlsx);
    // The units named as the list names them: their rows, then their catalogue indexes.
    EXPECT_EQ(workbook.at(3, 1).text, "Row");
    EXPECT_EQ(workbook.at(3, 4).number, 2);
    EXPECT_EQ(workbook.at(4, 1).text, "Poz.");
    EXPECT_EQ(workbook.at(4, 3).number, doc["units"][0]["unitIndex"].get<double>());
    EXPECT_EQ(workbook.at(5, 3).text, doc["lines"][0]["cells"][0]["text"]);
    EXPECT_EQ(workbook.at(6, 1).text, "Cooling capacity");
    EXPECT_EQ(workbook.at(6, 3).number, doc["lines"][1]["cells"][0]["value"].get<double>());
    EXPECT_EQ(workbook.at(7, 4).number, doc["lines"][2]["cells"][1]["value"].get<double>());
    EXPECT_FALSE(folder.read("compare.csv").empty());
}

TEST(CompareCommand, RefusesAChoiceThatCannotBeCompared)
{
    const std::pair<std::vector<std::string>, int> refused[] = {
        {{"compare", "--row", "1"}, 2},
        {{"compare", "--row", "1,2,3,4,5"}, 2},
        {{"compare", "--row", "1,x"}, 2},
        {{"compare", "--row", "2,2"}, 2},
        {{"compare", "--row", "1,2", "--unit-index", "3,4"}, 2},
        {{"compare"}, 2},
        {{"compare", "--row", "1,9999"}, 1},
        {{"compare", "--unit-index", "1,99999"}, 1},
    };
    for (const auto& [arguments, status] : refused) {
        const CommandRun run = kelvo(with(arguments));
        EXPECT_EQ(run.status, status) << arguments.back() << ": " << run.err;
        EXPECT_TRUE(run.out.empty()) << run.out;
        EXPECT_EQ(run.err.rfind("kelvo compare: ", 0), 0U) << run.err;
    }
    EXPECT_NE(kelvo(with({"compare", "--row", "1"})).err.find("Choose two to four units"),
              std::string::npos);
}

} // namespace
} // namespace kelvo
