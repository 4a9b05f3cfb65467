#include <gtest/gtest.h>
#include <memory>
#include <nlohmann/json.hpp>

#include "cli/run_program.h"
#include "core/catalogue/catalogue_files.h"
#include "core/editor/consistency_checks.h"
#include "core/editor/data_checks.h"

namespace kelvo
{
namespace
{

TEST(CheckCommand, ReportsTheSampleCatalogue)
{
    const auto run = test::runKelvo({"check", "--json", "--data", KELVO_SOURCE_DATA_DIR});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out.find("\"units\":152"), std::string::npos) << run.out;
}

TEST(CheckCommand, PrintsTheLinesOfTheEditorsChecks)
{
    // The sample catalogue with a few faults, so that every check has lines to print.
    auto catalogue = std::make_unique<Catalogue>();
    loadCatalogue(*catalogue, KELVO_SOURCE_DATA_DIR);
    catalogue->units.at(3).compressorId = "0";
    catalogue->units.at(4).condenserId = "9999";
    catalogue->compressors.at(2).coeffSets[0].multiplier = "x";
    catalogue->compressors.at(5).refrigerant = "R999";
    catalogue->condensers.at(1).refrigerant = "R1";
    const test::TempFolder folder;
    saveCatalogue(*catalogue, folder.path());
    const std::string data = folder.path().string();
    const std::pair<const char*, std::vector<CheckLine>> checks[] = {
        {"units", checkUnits(*catalogue)},
        {"compressors", checkCompressors(*catalogue)},
        {"condensers", checkCondensers(*catalogue)},
        {"data", checkData(*catalogue)}};
    for (const auto& [what, lines] : checks) {
        std::vector<std::string> texts;
        std::string table;
        for (const CheckLine& line : lines) {
            texts.push_back(line.text);
            table += line.text + "\n";
        }
        EXPECT_FALSE(lines.empty()) << what;
        auto run = test::runKelvo({"check", what, "--json", "--data", data});
        ASSERT_EQ(run.exitCode, 0) << run.err;
        EXPECT_EQ(nlohmann::json::parse(run.out)["lines"].get<std::vector<std::string>>(), texts)
            << what;
        run = test::runKelvo({"check", what, "--data", data});
        EXPECT_EQ(run.out, table) << what;
    }
    const auto run = test::runKelvo({"check", "frames", "--data", KELVO_SOURCE_DATA_DIR});
    EXPECT_EQ(run.exitCode, 2);
}

TEST(CheckCommand, AMissingDataFolderIsOneLineOnStderrAndStatus2)
{
    const auto run = test::runKelvo({"check", "--data", "/nonexistent-kelvo-folder"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.out.empty());
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    EXPECT_NE(run.err.find("/nonexistent-kelvo-folder"), std::string::npos);
}

TEST(CheckCommand, UnknownOptionsAreRefused)
{
    const auto run = test::runKelvo({"check", "--bogus"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_FALSE(run.err.empty());
}

} // namespace
} // namespace kelvo
