#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <set>
#include <sstream>
#include <tuple>

#include "cli/run_program.h"
#include "core/text/display_units.h"

namespace kelvo
{
namespace
{

using Arguments = std::vector<std::string>;

test::ProgramRun kelvo(Arguments arguments)
{
    return test::runOnSampleData(std::move(arguments));
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
        EXPECT_EQ(keys,
                  (std::vector<std::string>{"row", "unitIndex", "name", "capacityW", "powerKW",
                                            "ok", "gaveUp", "reason", "envelope", "tk"}));
        EXPECT_TRUE(doc["selectedRow"].is_null());
        double previous = 0;
        for (const auto& c : doc["candidates"]) {
            ASSERT_TRUE(c["capacityW"].is_number_integer());
            EXPECT_GE(c["capacityW"].get<double>(), previous);
            previous = c["capacityW"].get<double>();
        }
    }
}

// The refrigerants of the data folder's definition file each select their own sample units; two
// of them to the figure.
TEST(SelectCommand, EveryShippedRefrigerantListsItsSampleUnits)
{
    const std::set<std::string> expected{
        "R449A AGO-KS066MN 3400 1.3",  "R449A AGO-KH086MN 4000 1.6", "R449A AGO-KS112LN 5400 3.2",
        "R449A AGO-KP358MN 17500 6.7", "R290 AGO-KH026MN 1100 0.4",  "R290 AGO-KH039LN 1600 0.8",
        "R290 AGO-KH059MN 2400 1.0",   "R290 AGO-KH077LN 2700 1.4"};
    std::set<std::string> listed;
    const auto known = jsonOf(kelvo({"refrigerants", "--json"}));
    for (const auto& refrigerant : known["refrigerants"]) {
        const std::string name = refrigerant["name"];
        const auto doc = jsonOf(kelvo({"select", "--family", "BOX", "--refrigerant", name, "--to",
                                       "-10", "--ambient", "32", "--json"}));
        EXPECT_GE(doc["candidates"].size(), 3u) << name;
        for (const auto& c : doc["candidates"])
            listed.insert(name + " " + c["name"].get<std::string>() + " " + c["capacityW"].dump() +
                          " " + c["powerKW"].dump());
    }
    EXPECT_EQ(known["refrigerants"].size(), 12u);
    for (const std::string& unit : expected)
        EXPECT_EQ(listed.count(unit), 1u) << unit;
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

// In inch-pound units every figure is the SI figure converted: it converts back within the
// display's rounding, and the required capacity is typed in Btu/h.
TEST(SelectCommand, InchPoundFiguresConvertBackToTheSiFigures)
{
    for (const char* family : {"BOX", "BASE"}) {
        const Arguments inputs{"select", "--family", family, "--to", "-10", "--json"};
        Arguments inchPound = inputs;
        inchPound.insert(inchPound.end(), {"--units", "ip"});
        const auto si = jsonOf(kelvo(inputs))["candidates"];
        const auto ip = jsonOf(kelvo(inchPound))["candidates"];
        ASSERT_EQ(si.size(), ip.size());
        for (std::size_t i = 0; i < si.size(); ++i) {
            if (!si[i]["ok"].get<bool>())
                continue;
            EXPECT_NEAR(wattsOf(ip[i]["capacityBtuh"].get<double>()), si[i]["capacityW"], 0.15);
            EXPECT_EQ(ip[i]["powerKW"], si[i]["powerKW"]);
            EXPECT_NEAR(celsiusOf(ip[i]["tkF"].get<double>()), si[i]["tk"].get<double>(),
                        0.05 * 5 / 9 + 1e-9);
        }
    }
    const auto watts =
        jsonOf(kelvo({"select", "--family", "BOX", "--capacity", "10000", "--json"}));
    const auto btuh = jsonOf(
        kelvo({"select", "--family", "BOX", "--capacity", "34121", "--units", "IP", "--json"}));
    EXPECT_EQ(watts["selectedRow"], btuh["selectedRow"]);
    const auto table = kelvo({"select", "--family", "BOX", "--units", "ip"});
    EXPECT_NE(table.out.find("Qo [Btu/h]"), std::string::npos) << table.out;
    const auto wrong = kelvo({"select", "--family", "BOX", "--units", "metric"});
    EXPECT_EQ(wrong.exitCode, 2);
    EXPECT_NE(wrong.err.find("\"metric\" is neither si nor ip"), std::string::npos) << wrong.err;
}

TEST(SelectCommand, FiltersNarrowTheList)
{
    const auto all = jsonOf(kelvo({"select", "--family", "BASE", "--json"}));
    const auto sb = jsonOf(kelvo({"select", "--family", "BASE", "--version", "SB", "--json"}));
    const auto copeland =
        jsonOf(kelvo({"select", "--family", "BASE", "--brand", "Copeland", "--json"}));
    EXPECT_LT(sb["candidates"].size(), all["candidates"].size());
    EXPECT_LT(copeland["candidates"].size(), all["candidates"].size());
    for (const auto& c : sb["candidates"]) {
        const auto name = c["name"].get<std::string>();
        EXPECT_EQ(name.find("-KB"), std::string::npos) << name;
    }
}

TEST(SelectCommand, EachUnitsWorkingPointIsCheckedAgainstItsCompressorsEnvelope)
{
    const Arguments at{"select", "--family", "BOX", "--to", "-10", "--ambient", "32", "--json"};
    const auto all = jsonOf(kelvo(at));
    std::vector<int> outside;
    for (const auto& c : all["candidates"]) {
        ASSERT_TRUE(c["tk"].is_number());
        if (c["envelope"] == "outside")
            outside.push_back(c["unitIndex"].get<int>());
        else
            EXPECT_EQ(c["envelope"], "inside");
    }
    EXPECT_EQ(outside, (std::vector<int>{21, 33, 36}));
    auto inside = at;
    inside.push_back("--inside-envelope");
    EXPECT_EQ(jsonOf(kelvo(inside))["candidates"].size(), all["candidates"].size() - 3);

    // The table marks them and says why.
    auto table = kelvo({"select", "--family", "BOX", "--to", "-10", "--ambient", "32"});
    EXPECT_NE(
        table.out.find("2900      2,1  # Outside the compressor's operating envelope (to -10 C, "
                       "tk 58,4 C)"),
        std::string::npos)
        << table.out;

    // details: the envelope and tk of each column at 27, 32 and 38 C.
    const auto details = jsonOf(kelvo({"details", "--family", "BOX", "--to", "-10", "--ambient",
                                       "32", "--unit-index", "21", "--json"}));
    ASSERT_FALSE(details["columns"].empty());
    for (const auto& column : details["columns"]) {
        ASSERT_EQ(column["envelope"].size(), 3U);
        ASSERT_EQ(column["tk"].size(), 3U);
        // A higher ambient condenses higher.
        EXPECT_LT(column["tk"][0].get<double>(), column["tk"][2].get<double>());
    }
    EXPECT_EQ(details["columns"][0]["envelope"][0], "outside");
    EXPECT_EQ(details["condensingEnvelope"], "outside");
}

TEST(SelectCommand, AnEmptyListOrAnUnreachedCapacitySaysWhy)
{
    auto run = kelvo({"select", "--family", "BOX", "--refrigerant", "R404A", "--to", "12,5"});
    EXPECT_EQ(run.exitCode, 0);
    if (nlohmann::json::parse(
            kelvo({"select", "--family", "BOX", "--refrigerant", "R404A", "--to", "12,5", "--json"})
                .out)["candidates"]
            .empty()) {
        EXPECT_EQ(run.err, "kelvo select: None of these units works at an evaporating "
                           "temperature of 12,5 C.\n");
    }
    run = kelvo({"select", "--family", "BOX", "--capacity", "99999999"});
    EXPECT_EQ(
        run.err.rfind("kelvo select: No unit reaches 99999999 W; the largest was chosen: ", 0), 0u)
        << run.err;
}

TEST(SelectCommand, TheTableIsAlignedAndItsHeadersFollowTheLanguage)
{
    const auto english = kelvo({"select", "--family", "BOX", "--capacity", "5000"});
    ASSERT_EQ(english.exitCode, 0) << english.err;
    EXPECT_EQ(english.out.find("Row  Poz.  Model"), 0U) << english.out;
    EXPECT_NE(english.out.find("Qo [W]  Pe [kW]"), std::string::npos);
    EXPECT_NE(english.out.find("Chosen row: "), std::string::npos);
    const auto polish = kelvo({"select", "--family", "BOX", "--lang", "1"});
    EXPECT_EQ(polish.out.find("Row  Poz.  Model"), 0U) << polish.out;
    EXPECT_NE(polish.out, english.out);
}

TEST(SelectCommand, TheTableShowsTheListRowBesideTheCatalogueIndex)
{
    const auto doc = jsonOf(kelvo({"select", "--family", "BASE", "--json"}));
    const auto table = kelvo({"select", "--family", "BASE"});
    std::istringstream lines(table.out);
    std::string line;
    std::getline(lines, line); // the headers
    for (const auto& c : doc["candidates"]) {
        ASSERT_TRUE(std::getline(lines, line));
        std::istringstream cells(line);
        int row = 0;
        int unitIndex = 0;
        std::string name;
        cells >> row >> unitIndex >> name;
        EXPECT_EQ(row, c["row"].get<int>()) << line;
        EXPECT_EQ(unitIndex, c["unitIndex"].get<int>()) << line;
        EXPECT_EQ(name, c["name"].get<std::string>()) << line;
    }
}

TEST(SelectionCommands, TheLanguageIsANumberOrACodeInAnyCase)
{
    const Arguments request{"select", "--family", "BOX"};
    const auto withLanguage = [&](const std::string& language) {
        Arguments arguments = request;
        arguments.insert(arguments.end(), {"--language", language});
        return kelvo(arguments);
    };
    const std::pair<const char*, const char*> same[] = {
        {"1", "pl"}, {"2", "EN"}, {"3", "cs"}, {"4", "Sk"}, {"5", "lt"}};
    for (const auto& [number, code] : same) {
        const auto byNumber = withLanguage(number);
        ASSERT_EQ(byNumber.exitCode, 0) << byNumber.err;
        EXPECT_EQ(withLanguage(code).out, byNumber.out) << code;
    }
    EXPECT_EQ(withLanguage("en").out, kelvo(request).out) << "English is the default";
    EXPECT_NE(withLanguage("lt").out, withLanguage("pl").out);
    for (const char* bad : {"0", "6", "de", "p", "", "1x"}) {
        const auto run = withLanguage(bad);
        EXPECT_EQ(run.exitCode, 2) << bad;
        EXPECT_TRUE(run.out.empty()) << bad;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
        EXPECT_NE(run.err.find("unknown language '" + std::string(bad) + "'"), std::string::npos)
            << run.err;
    }
}

TEST(SelectionCommands, RowAndUnitIndexNameTheSameUnit)
{
    const auto list = jsonOf(kelvo({"select", "--family", "BOX", "--json"}));
    const auto rows = list["candidates"].size();
    ASSERT_GE(rows, 3U);
    const std::string unit = std::to_string(list["candidates"][2]["unitIndex"].get<int>());
    for (const char* command : {"details", "datasheet"}) {
        const Arguments request{command, "--family", "BOX",
                                std::string(command) == "details" ? "--json" : "--params"};
        auto byIndex = request;
        byIndex.insert(byIndex.end(), {"--unit-index", unit});
        auto byRow = request;
        byRow.insert(byRow.end(), {"--row", "3"});
        const auto indexRun = kelvo(byIndex);
        ASSERT_EQ(indexRun.exitCode, 0) << indexRun.err;
        EXPECT_EQ(kelvo(byRow).out, indexRun.out) << command;

        // A row the list does not have is refused (1); a bad choice of options is status 2.
        const std::string range = "1 .. " + std::to_string(rows);
        const std::tuple<Arguments, std::string, int> refused[] = {
            {{"--row", "0"}, range, 1},
            {{"--row", std::to_string(rows + 1)}, range, 1},
            {{}, "--unit-index N or --row N", 2},
            {{"--row", "3", "--unit-index", unit}, "not both", 2},
        };
        for (const auto& [extra, expected, status] : refused) {
            auto arguments = request;
            arguments.insert(arguments.end(), extra.begin(), extra.end());
            const auto run = kelvo(arguments);
            EXPECT_EQ(run.exitCode, status) << command << " " << expected;
            EXPECT_TRUE(run.out.empty()) << run.out;
            EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
            EXPECT_NE(run.err.find(expected), std::string::npos) << run.err;
        }
    }
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
        {"select", "--family", "BOX", "--to", "-273,16"},
        {"details", "--family", "BOX", "--ambient", "-300", "--unit-index", "9"},
        {"details", "--family", "BOX", "--extra-ambient", "38", "--unit-index", "9"},
        {"datasheet", "--family", "BOX", "--extra-ambient", "hot", "--unit-index", "9"},
    };
    for (const auto& request : requests) {
        const auto run = kelvo(request);
        EXPECT_EQ(run.exitCode, 2) << request[1] << " " << request[2];
        EXPECT_TRUE(run.out.empty()) << run.out;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    }
    // A well-formed index of no unit in the list is a refusal.
    for (const char* unit : {"9999", "1" /* a BASE unit */}) {
        const auto run = kelvo({"details", "--family", "BOX", "--unit-index", unit, "--json"});
        EXPECT_EQ(run.exitCode, 1) << unit;
        EXPECT_TRUE(run.out.empty()) << run.out;
        EXPECT_NE(run.err.find("--unit-index"), std::string::npos) << run.err;
    }
    const auto noData =
        test::runKelvo({"select", "--family", "BOX", "--data", "/nonexistent-kelvo-folder"});
    EXPECT_EQ(noData.exitCode, 2);
    EXPECT_NE(noData.err.find("/nonexistent-kelvo-folder"), std::string::npos);

    // Empty values are refused as empty, not taken as 0 or as the default folder.
    auto run = kelvo({"details", "--family", "BOX", "--unit-index", ""});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.err.find("--unit-index is empty"), std::string::npos) << run.err;
    run = test::runKelvo({"check", "--data", ""});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.err.find("--data is empty"), std::string::npos) << run.err;

    // A quoted option never reaches the terminal as a control sequence, nor as megabytes.
    run = kelvo({"select", "--family", "BOX", "--to", "\x1b[2J" + std::string(100000, '9')});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.err.find('\x1b'), std::string::npos) << run.err.substr(0, 80);
    EXPECT_NE(run.err.find("\\x1B[2J"), std::string::npos) << run.err.substr(0, 80);
    EXPECT_LT(run.err.size(), 300u);
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

    // --extra-ambient adds a row and leaves the others as they were.
    Arguments extra = request;
    extra.insert(extra.end(), {"--extra-ambient", "43"});
    const auto withRow = jsonOf(kelvo(extra));
    ASSERT_EQ(withRow["columns"].size(), doc["columns"].size());
    for (std::size_t c = 0; c < doc["columns"].size(); ++c) {
        auto columnWithRow = withRow["columns"][c];
        EXPECT_TRUE(columnWithRow["Qo43"].is_number()) << c;
        EXPECT_TRUE(columnWithRow["Pe43"].is_number()) << c;
        columnWithRow.erase("Qo43");
        columnWithRow.erase("Pe43");
        for (const char* key : {"gaveUp", "envelope", "tk"}) {
            ASSERT_EQ(columnWithRow[key].size(), 4U) << key;
            columnWithRow[key].erase(3);
        }
        EXPECT_EQ(columnWithRow, doc["columns"][c]);
    }
    // The printed tables have the row too, under the others.
    std::istringstream printed(
        kelvo({"details", "--family", "BOX", "--unit-index", unit, "--extra-ambient", "43"}).out);
    int rows43 = 0;
    for (std::string line; std::getline(printed, line);)
        rows43 += line.find("43 ") != std::string::npos &&
                  line.find_first_not_of(' ') == line.find("43 ");
    EXPECT_EQ(rows43, 2);
}

// The curves' points are the details' figures, row by row, with or without the extra row.
TEST(CurvesCommand, ThePointsAreTheDetailsFigures)
{
    const std::vector<Arguments> units{
        {"--family", "BOX", "--unit-index", "9"},
        {"--family", "BASE", "--to", "-10", "--unit-index", "145", "--extra-ambient", "43"},
        {"--family", "BOX", "--refrigerant", "R407C", "--unit-index", "66", "--extra-ambient",
         "50"},
    };
    for (const Arguments& unit : units) {
        Arguments details{"details"};
        details.insert(details.end(), unit.begin(), unit.end());
        details.push_back("--json");
        Arguments curves = details;
        curves[0] = "curves";
        const auto table = jsonOf(kelvo(details));
        const auto drawn = jsonOf(kelvo(curves));
        EXPECT_EQ(drawn["unitIndex"], table["unitIndex"]);
        ASSERT_FALSE(table["columns"].empty());
        ASSERT_EQ(drawn["capacity"].size(), table["columns"][0]["tk"].size());
        for (const auto& [figures, key] :
             {std::pair{drawn["capacity"], "Qo"}, std::pair{drawn["power"], "Pe"}})
            for (const auto& curve : figures) {
                // Every ambient here is whole: "Qo43".
                const std::string name =
                    key + std::to_string(static_cast<int>(curve["ambient"].get<double>()));
                ASSERT_EQ(curve["points"].size(), table["columns"].size()) << name;
                for (std::size_t c = 0; c < table["columns"].size(); ++c) {
                    EXPECT_EQ(curve["points"][c]["to"], table["columns"][c]["to"]);
                    EXPECT_EQ(curve["points"][c]["figure"], table["columns"][c][name]) << name;
                }
            }
        EXPECT_FALSE(drawn["chart"]["primitives"].empty());
    }
    const auto bad =
        kelvo({"curves", "--family", "BOX", "--unit-index", "9", "--svg", "a.svg", "--json"});
    EXPECT_EQ(bad.exitCode, 2);
}

} // namespace
} // namespace kelvo
