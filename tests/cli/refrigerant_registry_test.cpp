// A refrigerant is one entry of the registry (and its property table): with a made-up entry
// and no other change, every list, menu, filter, option, help text and check knows it.
#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

#include "cli/run_in_process.h"
#include "core/editor/consistency_checks.h"
#include "core/editor/editor_grids.h"
#include "core/editor/editor_session.h"
#include "core/refrigerant/refrigerant_file.h"
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
    return test::runInProcess(std::move(arguments), &refrigerants);
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

TEST(RefrigerantEntries, ALineAndATableInTheDataFolderAddARefrigerant)
{
    const auto data = test::copyOfSampleData();
    std::filesystem::copy_file(data->path() / "R404A.txt", data->path() / "R999X.txt");
    std::string definitions = data->read("Czynniki.txt");
    const std::string r449a = definitions.substr(definitions.find("R449A;"));
    const std::string tail = r449a.substr(r449a.find(";R449A.txt;") + 11);
    definitions += "R999X;12;A3;R999X.txt;" + tail.substr(0, tail.find('\n') + 1);
    definitions += "R998X;12;C1;R999X.txt;" + tail.substr(0, tail.find('\n') + 1);
    data->write("Czynniki.txt", definitions);
    const int line = static_cast<int>(std::count(definitions.begin(), definitions.end(), '\n')) - 1;
    const std::string folder = data->path().string();

    const CommandRun listed = test::runInProcess({"refrigerants", "--data", folder, "--json"});
    EXPECT_EQ(listed.status, 0) << listed.err;
    EXPECT_NE(
        listed.out.find(R"({"name":"R999X","gwp":12.0,"safetyClass":"A3","flammable":true,)"
                        R"("tableFile":"R999X.txt","tableRows":7965,"from":"Czynniki.txt line )" +
                        std::to_string(line) + "\"}]}"),
        std::string::npos)
        << listed.out;
    // The bad line is told, once, and does not stop the command.
    EXPECT_EQ(listed.err, "kelvo refrigerants: " + (data->path() / "Czynniki.txt").string() +
                              ", line " + std::to_string(line + 1) +
                              ": refrigerant not loaded: the safety class 'C1' is not one of A1, "
                              "A2L, A2, A3, B1, B2L, B2, B3\n");
    // Help reads no data: it names the file the refrigerants come from, and no line of it.
    const CommandRun help = test::runInProcess({"select", "--help", "--data", folder});
    EXPECT_EQ(help.err, "");
    EXPECT_NE(help.out.find("Czynniki.txt defines"), std::string::npos);
    EXPECT_EQ(help.out.find("R999X"), std::string::npos);
    // A command reads the definitions as text and only the tables it uses: a definition whose
    // table is missing costs another refrigerant's command nothing, and fails its own.
    std::filesystem::remove(data->path() / "R999X.txt");
    const CommandRun other = test::runInProcess(
        {"select", "--family", "BOX", "--to", "-10", "--ambient", "32", "--data", folder});
    EXPECT_EQ(other.status, 0) << other.err;
    EXPECT_EQ(other.err.find("R999X"), std::string::npos) << other.err;
    const CommandRun own =
        test::runInProcess({"select", "--family", "BOX", "--refrigerant", "R999X", "--to", "-10",
                            "--ambient", "32", "--data", folder});
    EXPECT_EQ(own.status, 1);
    EXPECT_NE(own.err.find("R999X.txt"), std::string::npos) << own.err;
    const RefrigerantLoad load = loadRefrigerants(data->path());
    Workspace workspace(data->path(), load.registry);
    EXPECT_EQ(EditorSession(workspace).refrigerantMenu().back(), "R999X");
}

} // namespace
} // namespace kelvo
