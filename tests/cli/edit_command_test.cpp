#include <array>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "cli/run_program.h"
#include "core/catalogue/catalogue_files.h"
#include "core/editor/row_operations.h"

namespace kelvo
{
namespace
{

using Json = nlohmann::ordered_json;
using Args = std::vector<std::string>;

constexpr std::array<const char*, 4> kFiles{kCompressorFile, kCondenserFile, kUnitFile, kFrameFile};

// A copy of the sample catalogue (the four files the command reads) for `kelvo edit` to change.
class EditCommand : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        for (const char* name : kFiles)
            std::filesystem::copy_file(test::sampleDataFolder() / name, folder_.path() / name);
        before_ = load();
        bytes_ = files();
    }

    test::ProgramRun edit(Args arguments) const
    {
        arguments.insert(arguments.begin(), "edit");
        arguments.insert(arguments.end(), {"--data", folder_.path().string()});
        return test::runKelvo(arguments);
    }

    [[nodiscard]] std::unique_ptr<Catalogue> load() const
    {
        auto catalogue = std::make_unique<Catalogue>();
        loadCatalogue(*catalogue, folder_.path());
        return catalogue;
    }

    [[nodiscard]] std::vector<std::string> files() const
    {
        std::vector<std::string> bytes;
        for (const char* name : kFiles)
            bytes.push_back(folder_.read(name));
        return bytes;
    }

    // No file written since SetUp, not even a backup.
    void expectUntouched() const
    {
        EXPECT_EQ(files(), bytes_);
        for (const char* name : kFiles)
            EXPECT_FALSE(std::filesystem::exists(folder_.path() / (std::string(name) + ".bak")));
    }

    test::TempFolder folder_;
    std::unique_ptr<Catalogue> before_;
    std::vector<std::string> bytes_;
};

TEST_F(EditCommand, AddsAreSavedAndReported)
{
    auto run = edit({"add-compressor", "--refrigerant", "R22", "--json"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "{\"done\":true,\"message\":\"\"}\n");
    EXPECT_TRUE(std::filesystem::exists(folder_.path() / "sprezarki.txt.bak"));
    ASSERT_EQ(edit({"add-condenser", "--refrigerant", "R134a"}).exitCode, 0);
    ASSERT_EQ(edit({"add-frame"}).exitCode, 0);
    // Counts are stored as typed; the message's lines come out as lines.
    run = edit({"add-unit", "--refrigerant", "R407C", "--compressor-row", "2", "--condenser-row",
                "3", "--frame-row", "1", "--compressors", "2", "--condensers", "3"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const int n = before_->units.count() + 1;
    EXPECT_EQ(run.out, "1. Wstawiłem nowy agregat na pozycji nr : " + std::to_string(n) +
                           "\n2. Uzupełnij pozostałe dane :)\n3. Aktualna ilość agregatów dla "
                           "czynnika chłodniczego R407C : 0 szt.\n");

    const auto after = load();
    const auto& compressor = after->compressors[before_->compressors.count() + 1];
    EXPECT_EQ(compressor.refrigerant.view(), "R22");
    EXPECT_EQ(compressor.id.view(), std::to_string(findFreeIdentifier(before_->compressors)));
    EXPECT_EQ(after->condensers[after->condensers.count()].refrigerant.view(), "R134a");
    EXPECT_EQ(after->frames.count(), before_->frames.count() + 1);
    ASSERT_EQ(after->units.count(), n);
    const CondensingUnitRecord& unit = after->units[n];
    EXPECT_EQ(unit.refrigerant.view(), "R407C");
    EXPECT_EQ(unit.compressorId.view(), before_->compressors[2].id.view());
    EXPECT_EQ(unit.condenserId.view(), before_->condensers[3].id.view());
    EXPECT_EQ(unit.frameId.view(), before_->frames[1].id.view());
    EXPECT_EQ(unit.condenserCount.view(), "3");
}

TEST_F(EditCommand, DeleteMoveAndCopyChangeTheirRecords)
{
    // A compressor that units link to, so that the unlinking shows.
    int linked = 1;
    auto linksTo = [&](int u) {
        return before_->units[u].compressorId.view() == before_->compressors[linked].id.view();
    };
    while (linked < before_->compressors.count() && !linksTo(1) && !linksTo(2))
        ++linked;
    ASSERT_EQ(edit({"delete", "compressors", std::to_string(linked)}).exitCode, 0);
    ASSERT_EQ(edit({"move", "condensers", "1", "4"}).exitCode, 0);
    ASSERT_EQ(edit({"copy-envelopes", "5", "2"}).exitCode, 0);
    ASSERT_EQ(edit({"copy-compressor", "3", "2", "--refrigerant", "R134a", "--json"}).exitCode, 0);
    ASSERT_EQ(edit({"delete", "units", "1"}).exitCode, 0);

    const auto after = load();
    EXPECT_EQ(after->compressors.count(), before_->compressors.count() - 1);
    EXPECT_EQ(after->units.count(), before_->units.count() - 1);
    EXPECT_EQ(after->units[1].name.view(), before_->units[2].name.view());
    EXPECT_EQ(after->units[1].compressorId.view(),
              linksTo(2) ? "0" : before_->units[2].compressorId.view());
    EXPECT_EQ(after->condensers[4].id.view(), before_->condensers[1].id.view());
    EXPECT_EQ(after->condensers[1].id.view(), before_->condensers[2].id.view());
    // Indexes after the deletion: the old compressors 3 and 4 are 2 and 3 when linked < 3.
    const auto old = [&](int index) -> const CompressorRecord& {
        return before_->compressors[index >= linked ? index + 1 : index];
    };
    EXPECT_EQ(after->compressors[5].envelopes[0].tk, old(2).envelopes[0].tk);
    EXPECT_EQ(after->compressors[5].model.view(), old(5).model.view());
    EXPECT_EQ(after->compressors[3].model.view(), old(2).model.view());
    EXPECT_EQ(after->compressors[3].id.view(), old(3).id.view());
    EXPECT_EQ(after->compressors[3].refrigerant.view(), "R134a");
}

TEST_F(EditCommand, AssignmentsKeepToTheUnitsRefrigerant)
{
    const CondensingUnitRecord& unit = before_->units[1];
    int compressor = 0;
    int otherCondenser = 0;
    for (int c = 1; c <= before_->compressors.count(); ++c)
        if (before_->compressors[c].refrigerant.view() == unit.refrigerant.view() &&
            before_->compressors[c].id.view() != unit.compressorId.view())
            compressor = c;
    for (int k = 1; k <= before_->condensers.count(); ++k)
        if (before_->condensers[k].refrigerant.view() != unit.refrigerant.view())
            otherCondenser = k;
    ASSERT_TRUE(compressor && otherCondenser);

    auto run = edit({"assign-condenser", "1", std::to_string(otherCondenser)});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "kelvo edit: Skraplacz i Agregat nie posiadają tych samych czynników "
                       "chłodniczych Akcja anulowana !\n");
    run = edit({"assign-condenser", "1", std::to_string(otherCondenser), "--json"});
    EXPECT_EQ(Json::parse(run.out)["message"], "Skraplacz i Agregat nie posiadają tych samych "
                                               "czynników chłodniczych\nAkcja anulowana !");
    expectUntouched();

    ASSERT_EQ(edit({"assign-compressor", "1", std::to_string(compressor), "--refrigerant", "R22"})
                  .exitCode,
              0);
    ASSERT_EQ(edit({"assign-frame", "1", "2"}).exitCode, 0);
    const auto after = load();
    EXPECT_EQ(after->units[1].compressorModel.view(),
              before_->compressors[compressor].model.view());
    EXPECT_EQ(after->units[1].frameId.view(), before_->frames[2].id.view());
    EXPECT_EQ(after->units[1].condenserId.view(), unit.condenserId.view());
}

TEST_F(EditCommand, CoefficientsComeFromASpreadsheetFileOrNothingChanges)
{
    const std::filesystem::path files = KELVO_TEST_FILES_DIR;
    auto run = edit({"import-coefficients", "2", "missing.ods", "pe"});
    EXPECT_EQ(run.exitCode, 2) << "the set comes before the file";
    run = edit({"import-coefficients", "2", "pe", (files / "missing.ods").string()});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err.rfind("kelvo edit: Brak połączenia z MsExcel ", 0), 0u) << run.err;
    EXPECT_NE(run.err.find("missing.ods"), std::string::npos) << run.err;
    expectUntouched();

    run = edit({"import-coefficients", "2", "pe", (files / "coefficients.ods").string()});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const auto after = load();
    const auto& power = after->compressors[2].coeffSets[1];
    EXPECT_EQ(power.c[0].view(), "5578,552625");
    EXPECT_EQ(power.c[9].view(), "-0,001695467225");
    EXPECT_EQ(power.multiplier.view(), before_->compressors[2].coeffSets[1].multiplier.view());
    EXPECT_EQ(after->compressors[2].coeffSets[0].c[0].view(),
              before_->compressors[2].coeffSets[0].c[0].view());
}

TEST_F(EditCommand, RowsThatAreNoRecordAreRefusedWithTheReasonWithoutSaving)
{
    const std::string units = std::to_string(before_->units.count());
    const std::string pastUnits = std::to_string(before_->units.count() + 1);
    const std::string compressors = std::to_string(before_->compressors.count());
    const auto outside = [](const std::string& row, const std::string& count,
                            const std::string& table = "") {
        return "kelvo edit: Akcja anulowana ! wiersz " + row + table + " jest poza zakresem 1 .. " +
               count + "\n";
    };
    const std::pair<Args, std::string> cases[] = {
        {{"delete", "compressors", "0"}, outside("0", compressors)},
        {{"delete", "units", pastUnits}, outside(pastUnits, units)},
        {{"move", "units", "1", pastUnits}, outside(pastUnits, units)},
        {{"move", "compressors", "-1", "2"}, outside("-1", compressors)},
        {{"copy-compressor", "1", "99", "--refrigerant", "R22"}, outside("99", compressors)},
        {{"assign-frame", pastUnits, "1"}, outside(pastUnits, units)},
        {{"assign-condenser", "1", "999"},
         outside("999", std::to_string(before_->condensers.count()), " tabeli skraplaczy")},
        {{"import-coefficients", "0", "qo", "c.csv"}, outside("0", compressors)},
        {{"add-unit", "--refrigerant", "R22", "--compressor-row", "1", "--condenser-row", "1",
          "--frame-row", "999", "--compressors", "1", "--condensers", "1"},
         outside("999", std::to_string(before_->frames.count()), " tabeli ram")}};
    for (const auto& [args, expected] : cases) {
        auto run = edit(args);
        EXPECT_EQ(run.exitCode, 1) << args[0] << " " << args[1];
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err, expected);
    }
    const auto run = edit({"copy-envelopes", "1", "0", "--json"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(
        Json::parse(run.out),
        (Json{{"done", false},
              {"message", "Akcja anulowana !\nwiersz 0 jest poza zakresem 1 .. " + compressors}}));
    expectUntouched();
}

TEST_F(EditCommand, BadCommandLinesAreStatus2)
{
    const auto addUnit = [](const std::string& compressors) {
        return Args{"add-unit", "--refrigerant",   "R22",       "--compressor-row",
                    "1",        "--condenser-row", "1",         "--frame-row",
                    "1",        "--compressors",   compressors, "--condensers",
                    "1"};
    };
    // With the option or argument the message names: a row or answer that is no whole number,
    // a count that is no whole number from 1 (a line break in one would shift every later
    // field of the units file).
    for (const auto& [args, named] : std::vector<std::pair<Args, std::string>>{
             {{}, ""},
             {{"rename", "units", "1"}, ""},
             {{"delete", "frames", "1"}, ""},
             {{"delete", "units"}, ""},
             {{"delete", "units", "1", "2"}, ""},
             {{"add-compressor"}, ""},
             {{"add-condenser", "--refrigerant", "R410A"}, ""},
             {{"add-frame", "--refrigerant", "R22"}, ""},
             {{"assign-frame", "1", "2", "--refrigerant", "R12"}, ""},
             {{"delete", "condensers", "2.0"}, "row"},
             {{"move", "units", "1", ""}, "target"},
             {{"copy-compressor", "1", "x", "--refrigerant", "R22"}, "source"},
             {{"assign-condenser", "1", "abc"}, "row"},
             {addUnit("0"), "--compressors"},
             {addUnit("1,5"), "--compressors"},
             {addUnit("1\r\n2"), "--compressors"}}) {
        const auto run = edit(args);
        EXPECT_EQ(run.exitCode, 2) << (args.empty() ? "" : args[0]) << " " << run.err;
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err.rfind(named.empty() ? "kelvo" : "kelvo: " + named + ": ", 0), 0u)
            << run.err;
    }
    expectUntouched();
}

TEST_F(EditCommand, FullTableIsRefused)
{
    auto catalogue = load();
    while (!catalogue->frames.full())
        catalogue->frames.append(catalogue->frames[1]);
    saveCatalogue(*catalogue, folder_.path());
    for (const char* name : kFiles)
        std::filesystem::remove(folder_.path() / (std::string(name) + ".bak"));
    bytes_ = files();

    const auto run = edit({"add-frame", "--json"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(
        Json::parse(run.out),
        (Json{{"done", false},
              {"message", "Tabela ram jest pełna: mieści 100 rekordów.\nAkcja anulowana !"}}));
    expectUntouched();
}

} // namespace
} // namespace kelvo
