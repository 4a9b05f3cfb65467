#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "cli/run_program.h"

namespace kelvo
{
namespace
{

using Arguments = std::vector<std::string>;

test::ProgramRun kelvo(Arguments arguments)
{
    arguments.insert(arguments.end(), {"--data", KELVO_SOURCE_DATA_DIR});
    return test::runKelvo(arguments);
}

nlohmann::json jsonOf(const test::ProgramRun& run)
{
    EXPECT_EQ(run.exitCode, 0) << run.err;
    return nlohmann::json::parse(run.out);
}

TEST(SelectCommand, ListsBothFamiliesAtTheDefaultConditionsTheSameWayEveryTime)
{
    for (const char* family : {"BOX", "BASE"}) {
        const Arguments request{"select", "--family",  family, "--refrigerant", "R404A", "--to",
                                "0",      "--ambient", "32",   "--json"};
        const auto first = kelvo(request);
        const auto doc = jsonOf(first);
        ASSERT_FALSE(doc["candidates"].empty()) << family;
        EXPECT_EQ(kelvo(request).out, first.out);
        const auto ordered = nlohmann::ordered_json::parse(first.out);
        std::vector<std::string> keys;
        for (const auto& [key, value] : ordered.items())
            keys.push_back(key);
        EXPECT_EQ(keys, (std::vector<std::string>{"candidates", "selectedRow"}));
        keys.clear();
        for (const auto& [key, value] : ordered["candidates"][0].items())
            keys.push_back(key);
        EXPECT_EQ(keys, (std::vector<std::string>{"row", "unitIndex", "name", "capacityW",
                                                  "powerKW", "ok", "gaveUp", "reason"}));
        EXPECT_TRUE(doc["selectedRow"].is_null());
        double previous = 0;
        for (const auto& c : doc["candidates"]) {
            ASSERT_TRUE(c["capacityW"].is_number_integer());
            EXPECT_GE(c["capacityW"].get<double>(), previous);
            previous = c["capacityW"].get<double>();
        }
    }
}

TEST(SelectCommand, CommaAndPointTemperaturesAndTheCapacitySearch)
{
    const auto comma = kelvo({"select", "--family", "BASE", "--to", "-7,5", "--json"});
    const auto point = kelvo({"select", "--family", "BASE", "--to", "-7.5", "--json"});
    EXPECT_EQ(comma.out, point.out);
    const auto doc = jsonOf(comma);
    const auto chosen =
        jsonOf(kelvo({"select", "--family", "BASE", "--to", "-7.5", "--capacity", "1", "--json"}));
    EXPECT_EQ(chosen["selectedRow"], 1);
    const auto largest = jsonOf(
        kelvo({"select", "--family", "BASE", "--to", "-7.5", "--capacity", "1e9", "--json"}));
    EXPECT_EQ(largest["selectedRow"], doc["candidates"].size());
}

TEST(SelectCommand, FiltersNarrowTheList)
{
    const auto all = jsonOf(kelvo({"select", "--family", "BASE", "--json"}));
    const auto sb = jsonOf(kelvo({"select", "--family", "BASE", "--version", "SB", "--json"}));
    const auto none = jsonOf(kelvo({"select", "--family", "BASE", "--kind", "", "--json"}));
    const auto copeland =
        jsonOf(kelvo({"select", "--family", "BASE", "--brand", "Copeland", "--json"}));
    EXPECT_LT(sb["candidates"].size(), all["candidates"].size());
    EXPECT_LT(copeland["candidates"].size(), all["candidates"].size());
    EXPECT_TRUE(none["candidates"].empty());
    for (const auto& c : sb["candidates"]) {
        const auto name = c["name"].get<std::string>();
        EXPECT_EQ(name.find("-KB"), std::string::npos) << name;
    }
}

TEST(SelectCommand, TheTableIsAlignedAndItsHeadersFollowTheLanguage)
{
    const auto english = kelvo({"select", "--family", "BOX", "--capacity", "5000"});
    ASSERT_EQ(english.exitCode, 0) << english.err;
    EXPECT_EQ(english.out.find("Item  Model"), 0U) << english.out;
    EXPECT_NE(english.out.find("Qo [W]  Pe [kW]"), std::string::npos);
    EXPECT_NE(english.out.find("Chosen row: "), std::string::npos);
    const auto polish = kelvo({"select", "--family", "BOX", "--lang", "1"});
    EXPECT_EQ(polish.out.find("Poz."), 0U) << polish.out;
}

TEST(SelectionCommands, BadInputIsOneLineOnStderrWithStatus2AndNothingOnStdout)
{
    const std::vector<Arguments> requests{
        {"select", "--family", "CASE"},
        {"select", "--family", "BOX", "--refrigerant", "R999"},
        {"select", "--family", "BOX", "--to", "warm"},
        {"select", "--family", "BOX", "--capacity", "10 kW", "--json"},
        {"select", "--family", "BOX", "--brand", "Acme", "--json"},
        {"select", "--family", "BOX", "--lang", "9"},
        {"select", "--family", "BOX", "--bogus"},
        {"details", "--family", "BOX", "--unit-index", "9999", "--json"},
        {"details", "--family", "BOX", "--unit-index", "1", "--json"}, // a BASE unit
    };
    for (const auto& request : requests) {
        const auto run = kelvo(request);
        EXPECT_EQ(run.exitCode, 2) << request[1] << " " << request[2];
        EXPECT_TRUE(run.out.empty()) << run.out;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    }
    const auto noData =
        test::runKelvo({"select", "--family", "BOX", "--data", "/nonexistent-kelvo-folder"});
    EXPECT_EQ(noData.exitCode, 2);
    EXPECT_NE(noData.err.find("/nonexistent-kelvo-folder"), std::string::npos);
}

TEST(DetailsCommand, ShowsTheRangeTablesAndPanelsOfAListedUnit)
{
    const auto list = jsonOf(kelvo({"select", "--family", "BOX", "--json"}));
    const auto& first = list["candidates"][0];
    const std::string unit = std::to_string(first["unitIndex"].get<int>());
    const Arguments request{"details", "--family", "BOX", "--unit-index", unit, "--json"};
    const auto run = kelvo(request);
    const auto doc = jsonOf(run);
    EXPECT_EQ(kelvo(request).out, run.out);
    for (const char* key : {"columns", "rangeColumnCount", "condensingTemperature", "fanPower",
                            "totalPower", "cop", "suctionTemperature", "dimensions"})
        EXPECT_TRUE(doc.contains(key)) << key;
    ASSERT_FALSE(doc["columns"].empty());
    EXPECT_EQ(doc["rangeColumnCount"], doc["columns"].size());
    const auto& column = doc["columns"][0];
    for (const char* key : {"to", "Qo27", "Qo32", "Qo38", "Pe27", "Pe32", "Pe38"})
        EXPECT_TRUE(column[key].is_number()) << key;
    EXPECT_EQ(column["gaveUp"].size(), 3U);
    EXPECT_EQ(doc["dimensions"].size(), 8U);
    EXPECT_TRUE(doc["dimensions"]["C"].is_string());
    // The panels copy the list's cells.
    EXPECT_EQ(doc["panels"]["capacity"], std::to_string(first["capacityW"].get<int>()));

    const auto text = kelvo({"details", "--family", "BOX", "--unit-index", unit});
    EXPECT_EQ(text.exitCode, 0);
    EXPECT_NE(text.out.find("Cooling capacity - Qo [W]"), std::string::npos);
}

} // namespace
} // namespace kelvo
