// A refrigerant is one entry of the registry (and its property table): with a made-up entry
// and no other change, every list, menu, filter, option, help text and check knows it.
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

#include "cli/run_in_process.h"
#include "core/editor/consistency_checks.h"
#include "core/editor/editor_grids.h"
#include "core/editor/editor_session.h"
#include "support/temp_folder.h"

namespace kelvo
{
namespace
{

RefrigerantRegistry withMadeUpRefrigerant()
{
    std::vector<RefrigerantEntry> entries = RefrigerantRegistry::builtIn().entries();
    RefrigerantEntry madeUp = entries.front();
    madeUp.name = "R999X";
    madeUp.tableFile = "R999X.txt";
    madeUp.selectionPosition = 5;
    madeUp.editorPosition = 5;
    entries.push_back(madeUp);
    return RefrigerantRegistry(entries);
}

using test::CommandRun;

CommandRun kelvo(const RefrigerantRegistry& refrigerants, std::vector<std::string> arguments)
{
    return test::runInProcess(std::move(arguments), refrigerants);
}

TEST(RefrigerantEntries, AMadeUpEntryIsKnownEverywhere)
{
    const RefrigerantRegistry refrigerants = withMadeUpRefrigerant();
    const std::string data = test::sampleDataFolder().string();

    // Options and their help.
    for (const char* command : {"select", "details", "pair", "pair-report", "balance", "list"})
        EXPECT_NE(kelvo(refrigerants, {command, "--help"}).out.find("R999X"), std::string::npos)
            << command;
    const CommandRun listed = kelvo(
        refrigerants, {"list", "compressors", "--refrigerant", "R999X", "--data", data, "--json"});
    EXPECT_EQ(listed.status, 0) << listed.err;
    // Known, but without its table: a refusal naming the file, not a bad command line.
    const CommandRun pair = kelvo(
        refrigerants, {"pair", "--refrigerant", "R999X", "--compressor",  "1",  "--condenser",
                       "1",    "--to",          "-10",   "--ambient",     "32", "--superheat",
                       "10",   "--subcooling",  "0",     "--compressors", "1",  "--condensers",
                       "1",    "--heat-factor", "1",     "--data",        data});
    EXPECT_EQ(pair.status, 1);
    EXPECT_NE(pair.err.find("R999X.txt"), std::string::npos) << pair.err;
    EXPECT_EQ(kelvo(RefrigerantRegistry::builtIn(),
                    {"list", "compressors", "--refrigerant", "R999X", "--data", data})
                  .status,
              2);

    // The editor's menu, its filters and its checks.
    Workspace workspace(test::sampleDataFolder(), refrigerants);
    EditorSession editor(workspace);
    EXPECT_EQ(editor.refrigerantMenu().back(), "R999X");
    Catalogue catalogue;
    catalogue.compressors.at(1).refrigerant = "R999X";
    catalogue.compressors.setCount(1);
    const EditorFilters ticks;
    const auto listedFor = [&](const RefrigerantRegistry& registry, const char* refrigerant) {
        return gridRows(EditorGrid::Compressors, catalogue, ticks, refrigerant, registry).size();
    };
    EXPECT_EQ(listedFor(refrigerants, "R999X"), 1u);
    EXPECT_EQ(listedFor(refrigerants, "R404A"), 0u) << "a known refrigerant is its own";
    EXPECT_EQ(listedFor(RefrigerantRegistry::builtIn(), "R404A"), 1u);
    const auto unknownRefrigerant = [&](const RefrigerantRegistry& registry) {
        for (const CheckLine& line : checkCompressors(catalogue, registry))
            if (line.text.find("nieznany czynnik") != std::string::npos)
                return true;
        return false;
    };
    EXPECT_FALSE(unknownRefrigerant(refrigerants));
    EXPECT_TRUE(unknownRefrigerant(RefrigerantRegistry::builtIn()));
}

} // namespace
} // namespace kelvo
