#include <algorithm>
#include <gtest/gtest.h>
#include <iterator>
#include <nlohmann/json.hpp>
#include <sstream>
#include <tuple>

#include "cli/run_program.h"

namespace kelvo
{
namespace
{

// Compressor 1 and condenser 1 of the sample catalogue are both R404A; condenser 30 is R22.
std::vector<std::string> pairArguments(const std::string& option = "",
                                       const std::string& value = "")
{
    std::istringstream words("pair --refrigerant R404A --compressor 1 --condenser 1 --to -10 "
                             "--ambient 32 --superheat 10 --subcooling 3 --compressors 1 "
                             "--condensers 1 --heat-factor 1,1 --data " KELVO_SOURCE_DATA_DIR);
    std::vector<std::string> args{std::istream_iterator<std::string>(words), {}};
    if (!option.empty())
        *(std::find(args.begin(), args.end(), option) + 1) = value;
    return args;
}

TEST(PairCommand, PrintsTheBalancePointAsJsonOrAsATable)
{
    auto args = pairArguments("--heat-factor", "1.1");
    args.push_back("--json");
    const auto run = test::runKelvo(args);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const auto doc = nlohmann::ordered_json::parse(run.out);
    std::vector<std::string> keys;
    for (const auto& item : doc.items())
        keys.push_back(item.key());
    EXPECT_EQ(keys, (std::vector<std::string>{"ok", "error", "messages", "gaveUp",
                                              "evaporatingPressure", "condensingPressure",
                                              "condensingDeltaT", "condensingTemperature",
                                              "refrigeratingCapacity", "powerInput",
                                              "condenserCapacity", "condenserCapacityAt15K"}));
    EXPECT_TRUE(doc["ok"].get<bool>());
    EXPECT_TRUE(doc["error"].is_null());
    EXPECT_EQ(doc["evaporatingPressure"].get<double>(), 4.3);
    EXPECT_LE((doc["refrigeratingCapacity"].get<double>() + doc["powerInput"].get<double>()) * 1.1,
              doc["condenserCapacity"].get<double>());

    // A pair of two refrigerants has no balance point: the table is printed, and the command
    // fails with the calculation's reason.
    const auto table = test::runKelvo(pairArguments("--condenser", "30"));
    EXPECT_EQ(table.exitCode, 1);
    EXPECT_NE(table.out.find("Evaporating pressure"), std::string::npos) << table.out;
    EXPECT_NE(table.out.find("Liczenie przerwane ! Różne czynniki"), std::string::npos);
    EXPECT_EQ(table.err.rfind("kelvo pair: no balance point: Liczenie przerwane", 0), 0u)
        << table.err;
}

TEST(PairCommand, BadInputIsStatus2AndAnIndexBeyondItsTableStatus1)
{
    const std::tuple<std::string, std::string, int> cases[] = {
        {"--refrigerant", "Wszystkie", 2}, {"--to", "ten", 2},
        {"--ambient", "3,2,1", 2},         {"--to", "-273,2", 2},
        {"--ambient", "-300", 2},          {"--compressors", "0", 2},
        {"--condensers", "1,5", 2},        {"--compressors", "", 2},
        {"--heat-factor", "0", 2},         {"--heat-factor", "-1.1", 2},
        {"--compressor", "first", 2},      {"--compressor", "0", 1},
        {"--condenser", "999", 1}};
    for (const auto& [option, value, status] : cases) {
        const auto run = test::runKelvo(pairArguments(option, value));
        EXPECT_EQ(run.exitCode, status) << option << " " << value;
        EXPECT_TRUE(run.out.empty());
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
        EXPECT_NE(run.err.find(option), std::string::npos) << run.err;
    }
}

} // namespace
} // namespace kelvo
