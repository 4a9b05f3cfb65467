#include <algorithm>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <string>
#include <tuple>
#include <vector>

#include "cli/run_program.h"

namespace kelvo
{
namespace
{

// Compressor 1 and condenser 1 of the sample catalogue are both R404A.
std::vector<std::string> reportArguments(std::vector<std::string> extra)
{
    std::vector<std::string> args{"pair-report",
                                  "--refrigerant",
                                  "R404A",
                                  "--compressor",
                                  "1",
                                  "--condenser",
                                  "1",
                                  "--min",
                                  "-10",
                                  "--max",
                                  "0",
                                  "--data",
                                  KELVO_SOURCE_DATA_DIR};
    args.insert(args.end(), extra.begin(), extra.end());
    return args;
}

TEST(PairReportCommand, DefaultsAndCellsAsJson)
{
    const auto defaults = test::runKelvo({"pair-report", "--compressor", "1", "--defaults",
                                          "--json", "--data", KELVO_SOURCE_DATA_DIR});
    ASSERT_EQ(defaults.exitCode, 0) << defaults.err;
    EXPECT_EQ(defaults.out, "{\"min\":\"-25\",\"max\":\"10\"}\n");

    const auto run = test::runKelvo(reportArguments({"--json"}));
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const auto doc = nlohmann::ordered_json::parse(run.out);
    EXPECT_EQ(doc.dump().substr(0, 43), R"({"cells":[{"row":2,"column":2,"text":"Rapor)");
    EXPECT_EQ(doc["widths"].dump(), R"({"1":2,"2":20,"3":10,"4":5})");
    EXPECT_TRUE(doc["error"].is_null());
    EXPECT_TRUE(doc["messages"].is_array());
    std::vector<std::string> temperatures;
    for (const auto& cell : doc["cells"])
        if (cell["row"] == 5 && cell["column"] >= 8)
            temperatures.push_back(cell["text"]);
    EXPECT_EQ(temperatures, (std::vector<std::string>{"0", "-5", "-10"}));
}

TEST(PairReportCommand, ARefusedReportIsStatus1AndBadOptionsStatus2)
{
    const auto refused = test::runKelvo(reportArguments({"--step", "0", "--json"}));
    EXPECT_EQ(refused.exitCode, 1);
    const auto doc = nlohmann::ordered_json::parse(refused.out);
    EXPECT_TRUE(doc["cells"].empty());
    EXPECT_TRUE(doc["error"].is_string());

    // An index beyond its table is refused (1); a value of the wrong kind is a bad option (2).
    for (const auto& [option, value, status] :
         std::vector<std::tuple<std::string, std::string, int>>{{"--compressor", "0", 1},
                                                                {"--compressor", "999", 1},
                                                                {"--compressor", "x", 2},
                                                                {"--min", "-300", 2},
                                                                {"--condensers", "2,5", 2},
                                                                {"--heat-factor", "0", 2}}) {
        auto args = reportArguments({"--json"});
        const auto at = std::find(args.begin(), args.end(), option);
        if (at == args.end())
            args.insert(args.end(), {option, value});
        else
            *(at + 1) = value;
        const auto run = test::runKelvo(args);
        EXPECT_EQ(run.exitCode, status) << option << " " << value;
        EXPECT_TRUE(run.out.empty());
        EXPECT_NE(run.err.find(option), std::string::npos) << run.err;
    }
    EXPECT_EQ(test::runKelvo(reportArguments({})).exitCode, 2) << "neither --xlsx nor --json";
}

TEST(PairReportCommand, XlsxWritesWhatTheReportHolds)
{
    const test::TempFolder folder;
    const auto run =
        test::runKelvo(reportArguments({"--xlsx", (folder.path() / "a.xlsx").string()}));
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(folder.read("a.xlsx").substr(0, 2), "PK");

    // Block 2's air temperature overflows the calculation.
    const auto stopped = test::runKelvo(
        reportArguments({"--ambient2", "1e300", "--xlsx", (folder.path() / "b.xlsx").string()}));
    EXPECT_EQ(stopped.exitCode, 1);
    EXPECT_TRUE(std::filesystem::exists(folder.path() / "b.xlsx"));
    EXPECT_NE(stopped.err.find("Ta = 1E300"), std::string::npos) << stopped.err;
    // Never in place of a file that was there.
    const std::string whole = folder.read("a.xlsx");
    const auto kept = test::runKelvo(
        reportArguments({"--ambient2", "1e300", "--xlsx", (folder.path() / "a.xlsx").string()}));
    EXPECT_EQ(kept.exitCode, 1);
    EXPECT_NE(kept.err.find("a.xlsx left as it was"), std::string::npos) << kept.err;
    EXPECT_EQ(folder.read("a.xlsx"), whole);

    const auto none = folder.path() / "c.xlsx";
    EXPECT_EQ(test::runKelvo(reportArguments({"--step", "-1", "--xlsx", none.string()})).exitCode,
              1);
    EXPECT_FALSE(std::filesystem::exists(none));
}

} // namespace
} // namespace kelvo
