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
    EXPECT_NE(run.out.find("\"units\":255"), std::string::npos) << run.out;
    // The sample is clean: every check lists nothing and passes.
    for (const char* what : {"units", "compressors", "condensers", "data"}) {
        const auto clean = test::runKelvo({"check", what, "--data", KELVO_SOURCE_DATA_DIR});
        EXPECT_EQ(clean.exitCode, 0) << what << clean.err;
        EXPECT_EQ(clean.out, "") << what;
    }
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
        {"units", checkUnits(*catalogue, RefrigerantRegistry::builtIn())},
        {"compressors", checkCompressors(*catalogue, RefrigerantRegistry::builtIn())},
        {"condensers", checkCondensers(*catalogue, RefrigerantRegistry::builtIn())},
        {"data", checkData(*catalogue)}};
    for (const auto& [what, lines] : checks) {
        std::vector<std::string> texts;
        std::string table;
        for (const CheckLine& line : lines) {
            texts.push_back(line.text);
            table += line.text + "\n";
        }
        EXPECT_FALSE(lines.empty()) << what;
        // Listing problems fails the check.
        auto run = test::runKelvo({"check", what, "--json", "--data", data});
        ASSERT_EQ(run.exitCode, 1) << run.err;
        EXPECT_EQ(nlohmann::json::parse(run.out)["lines"].get<std::vector<std::string>>(), texts)
            << what;
        run = test::runKelvo({"check", what, "--data", data});
        EXPECT_EQ(run.exitCode, 1) << what;
        EXPECT_EQ(run.out, table) << what;
    }
    const auto run = test::runKelvo({"check", "frames", "--data", KELVO_SOURCE_DATA_DIR});
    EXPECT_EQ(run.exitCode, 2);
}

TEST(CheckCommand, AFileCutShortIsNamedOnStderrWithItsCountsFailsTheCheckAndIsNotEdited)
{
    auto catalogue = std::make_unique<Catalogue>();
    loadCatalogue(*catalogue, KELVO_SOURCE_DATA_DIR);
    const int units = catalogue->units.count();
    const auto copy = test::copyOfSampleData();
    const test::TempFolder& folder = *copy;
    saveCatalogue(*catalogue, folder.path());
    // The last record loses its last ten lines.
    std::string content = folder.read(kUnitFile);
    for (int i = 0; i < 10; ++i)
        content.erase(content.rfind("\r\n", content.size() - 3) + 2);
    folder.write(kUnitFile, content);

    const std::string data = folder.path().string();
    const std::string note = (folder.path() / kUnitFile).string() + ": announces " +
                             std::to_string(units) + " records, holds " +
                             std::to_string(units - 1) + " complete";
    for (const std::vector<std::string>& arguments :
         {std::vector<std::string>{"check"}, {"check", "--json"}, {"check", "units"}}) {
        auto withData = arguments;
        withData.insert(withData.end(), {"--data", data});
        const auto run = test::runKelvo(withData);
        EXPECT_EQ(run.exitCode, 1) << arguments.back();
        EXPECT_EQ(run.err, "kelvo check: " + note + "\n");
        if (arguments.size() == 1) {
            EXPECT_NE(run.out.find("Units:       " + std::to_string(units) + "\n"),
                      std::string::npos)
                << run.out;
        }
    }
    // A save would write the missing record empty: an edit is refused and nothing is written.
    const auto edit = test::runKelvo({"edit", "move", "units", "3", "1", "--data", data});
    EXPECT_EQ(edit.exitCode, 1);
    EXPECT_NE(edit.err.find(note), std::string::npos) << edit.err;
    EXPECT_EQ(folder.read(kUnitFile), content);
}

TEST(CheckCommand, EveryPropertyTableIsLoadedAndWhatIsWrongWithOneFailsTheCheck)
{
    const auto folder = test::copyOfSampleData();
    const std::string data = folder->path().string();
    // Two rows of R22 no longer hold numbers; R134a is random bytes; R407C is missing.
    std::string r22 = folder->read("R22.txt");
    for (int row = 0; row < 2; ++row) {
        const std::size_t line = r22.find('\n', r22.find('\n') + 1 + row * 100) + 1;
        r22.replace(line, 5, "x;x;x");
    }
    folder->write("R22.txt", r22);
    std::string noise;
    for (int i = 0; i < 500; ++i)
        noise += "\xBA;\x01\xFE;\xBA\r\n";
    folder->write("R134a.txt", noise);
    std::filesystem::remove(folder->path() / "R407C.txt");

    const auto run = test::runKelvo({"check", "--data", data});
    EXPECT_EQ(run.exitCode, 1);
    const auto said = [&](const std::string& file, const std::string& what) {
        const std::string prefix = "kelvo check: " + (folder->path() / file).string() + ": ";
        const std::size_t at = run.err.find(prefix);
        return at != std::string::npos && run.err.find(what, at) != std::string::npos;
    };
    EXPECT_TRUE(said("R22.txt", "2 of ")) << run.err;
    EXPECT_TRUE(said("R134a.txt", "holds no usable property data")) << run.err;
    EXPECT_TRUE(said("R407C.txt", "")) << run.err;
    EXPECT_EQ(run.err.find("R404A"), std::string::npos) << run.err;

    // The commands that load the damaged table say so once, and still produce their result.
    const auto select = test::runKelvo({"select", "--family", "BOX", "--refrigerant", "R22", "--to",
                                        "-10", "--ambient", "32", "--data", data});
    EXPECT_EQ(select.exitCode, 0) << select.err;
    EXPECT_EQ(select.err.find("kelvo select: " + (folder->path() / "R22.txt").string() + ": 2 of "),
              0u)
        << select.err;
}

TEST(CheckCommand, AMissingCatalogueFileIsNamedByItsWholePath)
{
    const test::TempFolder folder;
    auto catalogue = std::make_unique<Catalogue>();
    saveCatalogue(*catalogue, folder.path());
    std::filesystem::remove(folder.path() / kCondenserFile);
    const auto run = test::runKelvo({"check", "--data", folder.path().string()});
    EXPECT_EQ(run.exitCode, 1) << "a failure, not a bad command line";
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    EXPECT_NE(run.err.find((folder.path() / kCondenserFile).string() + ": "), std::string::npos)
        << run.err;
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
