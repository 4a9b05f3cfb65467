#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "cli/run_program.h"

namespace kelvo
{
namespace
{

using Arguments = std::vector<std::string>;

// AGO-KS117M, a BOX unit of the sample catalogue.
const Arguments kSampleUnit{"datasheet", "--family",           "BOX", "--unit-index", "9",
                            "--data",    KELVO_SOURCE_DATA_DIR};

test::ProgramRun datasheet(const Arguments& more)
{
    Arguments arguments = kSampleUnit;
    arguments.insert(arguments.end(), more.begin(), more.end());
    return test::runKelvo(arguments);
}

class DatasheetCommand : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        // The command lives in the desktop program's library; a build without it has none.
        if (test::runKelvo({"datasheet", "--help"}).exitCode != 0)
            GTEST_SKIP() << "built without the desktop program";
    }
};

TEST_F(DatasheetCommand, ParamsArePrintedInTheOrderSet)
{
    const auto run = datasheet({"--params", "--accessory", "AD4=2", "--accessory", "AD1"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.err, "");
    const auto doc = nlohmann::ordered_json::parse(run.out);
    std::vector<std::string> keys;
    for (const auto& [key, value] : doc.items())
        keys.push_back(key);
    ASSERT_GT(keys.size(), 100U);
    EXPECT_EQ(keys.front(), "DaneTechniczneAgregatu");
    EXPECT_EQ(keys[1], "ModelAgregatu");
    EXPECT_EQ(keys.end()[-4], "P39") << "nine range columns";
    EXPECT_EQ(keys.end()[-3], "COPAgregatu") << "the unit's COP follows the specified parameters";
    // Then what is known of the refrigerant, for the page's header.
    EXPECT_EQ(doc["GWPCzynnika"], "GWP  : 3922");
    EXPECT_EQ(doc["KlasaBezpieczenstwa"], "Safety class  : A1");
    EXPECT_EQ(doc["ModelAgregatu"], "Model  : AGO-KS117M");
    EXPECT_EQ(doc["AD1"], "Oil separator: +");
    EXPECT_EQ(doc["AD4"], "Condenser fan control: + 2pcs");
    EXPECT_EQ(doc["AD5"], "High pressure switch: -");

    const auto polish =
        nlohmann::json::parse(datasheet({"--params", "--lang", "1", "--accessory", "AD4=2"}).out);
    EXPECT_EQ(polish["AD4"], "Regulacja obrotów wentylatora: + 2szt.");
    EXPECT_EQ(polish["DaneTechniczneAgregatu"], "Dane Agregatu");

    // A flammable refrigerant's datasheet warns of it (AGO-KH026MN, R290).
    const auto propane = test::runKelvo({"datasheet", "--family", "BOX", "--refrigerant", "R290",
                                         "--to", "-10", "--unit-index", "227", "--lang", "1",
                                         "--params", "--data", KELVO_SOURCE_DATA_DIR});
    ASSERT_EQ(propane.exitCode, 0) << propane.err;
    const auto flammable = nlohmann::json::parse(propane.out);
    EXPECT_EQ(flammable["GWPCzynnika"], "GWP  : 3");
    EXPECT_EQ(flammable["CzynnikPalny"], "czynnik palny (klasa bezpieczeństwa A3)");
}

TEST_F(DatasheetCommand, WritesAPdfQuietly)
{
    test::TempFolder folder;
    const auto pdf = (folder.path() / "sheet.pdf").string();
    const auto run = datasheet({"--pdf", pdf});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(folder.read("sheet.pdf").substr(0, 5), "%PDF-");
}

TEST_F(DatasheetCommand, BadInputIsOneLineWithStatusTwo)
{
    test::TempFolder folder;
    const std::vector<std::pair<Arguments, std::string>> cases{
        {{"--params", "--accessory", "AD4"}, "needs a quantity"},
        {{"--params", "--accessory", "AD1=2"}, "takes no quantity"},
        {{"--params", "--accessory", "AD12"}, "AD1 .. AD11"},
        {{"--params", "--accessory", "AD5=x"}, "0 .. 999"},
        {{"--params", "--accessory", "heater"}, "ADn"},
        {{}, "--pdf FILE, --params"},
    };
    for (const auto& [arguments, expected] : cases) {
        const auto run = datasheet(arguments);
        EXPECT_EQ(run.exitCode, 2) << expected;
        EXPECT_EQ(run.out, "") << expected;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
        EXPECT_NE(run.err.find(expected), std::string::npos) << run.err;
    }
    const auto base =
        test::runKelvo({"datasheet", "--family", "BASE", "--unit-index", "8", "--params",
                        "--accessory", "AD8", "--data", KELVO_SOURCE_DATA_DIR});
    EXPECT_EQ(base.exitCode, 2);
    EXPECT_NE(base.err.find("AD1 .. AD7"), std::string::npos) << base.err;
    // A unit the list does not hold, or a file that cannot be written: refused, status 1.
    const auto unlisted = datasheet({"--params", "--kind", "HERMETIC"});
    EXPECT_EQ(unlisted.exitCode, 1);
    EXPECT_NE(unlisted.err.find("not in the list"), std::string::npos) << unlisted.err;
    const auto unwritten = datasheet({"--pdf", (folder.path() / "missing" / "sheet.pdf").string()});
    EXPECT_EQ(unwritten.exitCode, 1);
    EXPECT_NE(unwritten.err.find("cannot be written"), std::string::npos) << unwritten.err;
}

} // namespace
} // namespace kelvo
