#include <gtest/gtest.h>
#include <memory>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "cli/command_envelope.h"
#include "cli/run_program.h"
#include "core/catalogue/catalogue_files.h"
#include "core/chart/envelope_chart.h"
#include "core/editor/editor_grids.h"
#include "core/text/code_page.h"
#include "support/temp_folder.h"

namespace kelvo
{
namespace
{

using Json = nlohmann::ordered_json;
const std::string kData = KELVO_SOURCE_DATA_DIR;

test::ProgramRun kelvo(std::vector<std::string> arguments)
{
    arguments.push_back("--data");
    arguments.push_back(kData);
    return test::runKelvo(arguments);
}

std::unique_ptr<Catalogue> sampleCatalogue()
{
    auto catalogue = std::make_unique<Catalogue>();
    loadCatalogue(*catalogue, kData);
    return catalogue;
}

Json rowsJson(const std::vector<GridRow>& rows)
{
    Json list = Json::array();
    for (const GridRow& row : rows)
        list.push_back({{"index", row.index}, {"name", toUtf8(row.name)}});
    return Json{{"rows", list}};
}

TEST(ListCommand, RowsAsTheEditorFiltersThem)
{
    const auto catalogue = sampleCatalogue();
    EditorFilters opening;
    auto run = kelvo({"list", "units", "--refrigerant", "R404A", "--json"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(Json::parse(run.out), rowsJson(gridRows(EditorGrid::Units, *catalogue, opening,
                                                      "R404A", test::sampleRefrigerants())));

    EditorFilters ticked;
    ticked.unitHousings = {false, true, true};
    ticked.compressorBrands = {true, false, false};
    ticked.compressorKinds = {true, false, false};
    ticked.unitRanges = {false, true, false};
    run = kelvo({"list", "--json", "--tick", "BASE - KB, BOX,Copeland,SPIRAL,MIDTEMP", "units",
                 "--refrigerant", "R404A"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const Json expected = rowsJson(
        gridRows(EditorGrid::Units, *catalogue, ticked, "R404A", test::sampleRefrigerants()));
    EXPECT_FALSE(expected["rows"].empty());
    EXPECT_EQ(Json::parse(run.out), expected);

    // "ALL" is the listed table's own box; an empty list unticks everything.
    EditorFilters all;
    all.compressorAll = true;
    run = kelvo({"list", "compressors", "--refrigerant", "R22", "--tick", "ALL", "--json"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(Json::parse(run.out), rowsJson(gridRows(EditorGrid::Compressors, *catalogue, all,
                                                      "R22", test::sampleRefrigerants())));
    run = kelvo({"list", "frames", "--refrigerant", "R22", "--tick", "", "--json"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EditorFilters none;
    none.frameHousings = {false, false};
    EXPECT_EQ(Json::parse(run.out), rowsJson(gridRows(EditorGrid::Frames, *catalogue, none, "R22",
                                                      test::sampleRefrigerants())));

    run = kelvo({"list", "frames", "--refrigerant", "R404A"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out.rfind("Poz.  Nazwa ramy", 0), 0u) << run.out;
}

TEST(ListCommand, BadOptionsAreStatus2)
{
    for (const auto& args : std::vector<std::vector<std::string>>{
             {"list", "units", "--refrigerant", "R410A"},
             {"list", "pumps", "--refrigerant", "R404A"},
             {"list", "frames", "--refrigerant", "R404A", "--tick", "BOX"},
             {"list", "condensers", "--refrigerant", "R404A", "--tick", "Copeland"},
             {"list", "units"}}) {
        const auto run = kelvo(args);
        EXPECT_EQ(run.exitCode, 2) << args[1] << " " << run.err;
        EXPECT_TRUE(run.out.empty());
        EXPECT_EQ(run.err.rfind("kelvo", 0), 0u) << run.err;
    }
}

std::vector<std::string> balanceArguments(std::vector<std::string> choice)
{
    std::vector<std::string> args{"balance", "--refrigerant", "R404A", "--to",
                                  "-10",     "--ambient",     "32",    "--superheat",
                                  "10",      "--subcooling",  "0",     "--json"};
    args.insert(args.end(), choice.begin(), choice.end());
    return args;
}

TEST(BalanceCommand, UnitDisplayAsJson)
{
    const auto run = kelvo(balanceArguments({"--unit", "3"}));
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const Json doc = Json::parse(run.out);
    std::vector<std::string> keys;
    for (const auto& item : doc.items())
        keys.push_back(item.key());
    EXPECT_EQ(keys, (std::vector<std::string>{
                        "compressorIndex", "condenserIndex", "frameIndex", "compressorModel",
                        "condenserModel", "compressorModelDiffers", "condenserModelDiffers",
                        "evaporatingPressure", "condensingPressure", "condenserAt15K", "capacity",
                        "power", "condensingTemperature", "ok", "cleared", "gaveUp", "messages",
                        "figures", "point"}));
    const auto catalogue = sampleCatalogue();
    const CondensingUnitRecord& unit = catalogue->units[3];
    EXPECT_EQ(doc["compressorModel"], toUtf8(unit.compressorModel.view()));
    EXPECT_FALSE(doc["compressorModelDiffers"].get<bool>());
    EXPECT_NE(doc["frameIndex"], "");
    EXPECT_EQ(doc["evaporatingPressure"], "Po=4,3 [bar] (abs)");
    EXPECT_TRUE(doc["ok"].get<bool>());
    EXPECT_FALSE(doc["cleared"].get<bool>());
    ASSERT_TRUE(doc["point"].is_object());
    EXPECT_EQ(doc["point"]["to"].get<double>(), -10);
    const std::string tk = doc["condensingTemperature"];
    EXPECT_EQ(tk.substr(tk.size() - 4), " [C]");
    // The figures as numbers say what the panels' texts say, unrounded.
    const Json& figures = doc["figures"];
    EXPECT_EQ(figures["po"].get<double>(), 4.3);
    EXPECT_EQ(figures["to"].get<double>(), -10);
    EXPECT_EQ(figures["tk"].get<double>(), doc["point"]["tk"].get<double>());
    const std::string capacity = doc["capacity"];
    EXPECT_NEAR(
        figures["Qo"].get<double>(),
        std::stod(capacity.substr(0, capacity.find(' ')).replace(capacity.find(','), 1, ".")),
        0.0005);
    EXPECT_GT(figures["Qk"].get<double>(), 0);
}

TEST(BalanceCommand, FailedPairIsClearedWithStatus1)
{
    // Condenser 30 of the sample is an R22 condenser.
    const auto run = kelvo(balanceArguments(
        {"--compressor", "1", "--condenser", "30", "--compressors", "1", "--condensers", "1"}));
    EXPECT_EQ(run.exitCode, 1);
    const Json doc = Json::parse(run.out);
    EXPECT_TRUE(doc["cleared"].get<bool>());
    EXPECT_EQ(doc["capacity"], "");
    EXPECT_EQ(doc["frameIndex"], "");
    EXPECT_TRUE(doc["point"].is_null());
    ASSERT_EQ(doc["messages"].size(), 1u);
    EXPECT_NE(run.err.find("Różne czynniki"), std::string::npos) << run.err;
}

TEST(BalanceCommand, BadOptionsAreStatus2AndAnIndexBeyondItsTableStatus1)
{
    for (const auto& choice : std::vector<std::vector<std::string>>{
             {"--unit", "3", "--compressor", "1"},
             {"--compressor", "1", "--condenser", "1"},
             {"--compressor", "1", "--condenser", "1", "--compressors", "one", "--condensers", "1"},
             {"--compressor", "1", "--condenser", "1", "--compressors", "1", "--condensers", "0"},
             {"--unit", "3", "--to", "ten"},
             {"--unit", "3", "--ambient", "-274"},
             {"--unit", "3", "--heat-factor", "0"},
             {"--unit", "x"}}) {
        const auto run = kelvo(balanceArguments(choice));
        EXPECT_EQ(run.exitCode, 2) << choice[0] << " " << run.err;
        EXPECT_TRUE(run.out.empty());
    }
    const auto run = kelvo(balanceArguments({"--unit", "0"}));
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("--unit: 0 is outside 1 .. "), std::string::npos) << run.err;
}

TEST(EnvelopeCommand, JsonIsTheEditorsChart)
{
    const auto catalogue = sampleCatalogue();
    const auto run = kelvo({"envelope", "--compressor", "2", "--width", "640", "--height", "480",
                            "--point-to", "-10", "--point-tk", "40,5", "--json"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const Json doc = Json::parse(run.out);
    EXPECT_EQ(doc["width"], 640);
    EXPECT_EQ(doc["height"], 480);
    // Every primitive but the white clearing fill, in the window's drawing order.
    auto primitives = drawChart(catalogue->compressors[2], true, 40.5, -10, 640, 480, ',');
    ASSERT_EQ(primitives.front().kind, ChartPrimitive::Kind::Fill);
    primitives.erase(primitives.begin());
    ASSERT_EQ(doc["primitives"].size(), primitives.size());
    for (std::size_t i = 0; i < primitives.size(); ++i) {
        const Json& item = doc["primitives"][i];
        const ChartPrimitive& p = primitives[i];
        EXPECT_NE(item["kind"], "fill");
        if (p.kind == ChartPrimitive::Kind::Text) {
            EXPECT_EQ(item["kind"], "text");
            EXPECT_EQ(item["at"], Json::array({p.from.x, p.from.y}));
            EXPECT_EQ(item["text"], p.text);
            EXPECT_EQ(item.contains("anchor"), p.anchor != TextAnchor::TopLeft) << p.text;
        } else {
            EXPECT_EQ(item["to"], Json::array({p.to.x, p.to.y})) << i;
            EXPECT_EQ(item["colour"], Json::array({p.colour.r, p.colour.g, p.colour.b}));
        }
    }
    EXPECT_EQ(doc["primitives"].back()["colour"], Json::array({255, 0, 0}));
}

TEST(EnvelopeCommand, SvgFileAndRefusals)
{
    test::TempFolder folder;
    const auto svg = folder.path() / "chart.svg";
    auto run = kelvo({"envelope", "--compressor", "1", "--svg", svg.string()});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::string text = folder.read("chart.svg");
    EXPECT_NE(text.find("<svg"), std::string::npos);
    EXPECT_NE(text.find("width=\"489\" height=\"385\""), std::string::npos);
    EXPECT_EQ(text.substr(text.size() - 7), "</svg>\n");
    ChartPrimitive up{ChartPrimitive::Kind::Text, {4, 50}, {}, {}, 1, "tk", "Arial", 12};
    up.anchor = TextAnchor::Top;
    up.rotation = 90; // read upwards
    const std::string upwards = cli::chartSvg({up}, 9, 9);
    EXPECT_NE(upwards.find("middle\" dominant-baseline=\"text-before-edge\""), std::string::npos);
    EXPECT_NE(upwards.find("transform=\"rotate(-90 4 50)\">tk</text>"), std::string::npos);

    run = kelvo(
        {"envelope", "--compressor", "1", "--svg", (folder.path() / "no" / "x.svg").string()});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("x.svg"), std::string::npos) << run.err;

    for (const auto& args : std::vector<std::vector<std::string>>{
             {"envelope", "--compressor", "1"},
             {"envelope", "--compressor", "1", "--json", "--svg", svg.string()},
             {"envelope", "--compressor", "1", "--width", "-3", "--json"},
             {"envelope", "--compressor", "1", "--point-tk", "30", "--json"},
             {"envelope", "--compressor", "1", "--point-to", "-300", "--point-tk", "30", "--json"},
             {"envelope", "--compressor", "x", "--json"}}) {
        run = kelvo(args);
        EXPECT_EQ(run.exitCode, 2) << run.err;
        EXPECT_TRUE(run.out.empty());
    }
    run = kelvo({"envelope", "--compressor", "999", "--json"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.out.empty());
}

} // namespace
} // namespace kelvo
