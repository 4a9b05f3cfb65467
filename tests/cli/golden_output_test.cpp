// The command line's output over the shipped catalogue, compared byte for byte with outputs
// recorded in tests/cli/golden. A refactoring that changes a figure, a text or the order of a
// parameter fails here. To record a deliberate change, run tests/cli/golden/record.sh.
#include <fstream>
#include <gtest/gtest.h>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "cli/run_program.h"

namespace kelvo::test
{
namespace
{

struct GoldenCommand {
    std::string name;
    std::vector<std::string> arguments;
};

std::vector<GoldenCommand> goldenCommands()
{
    std::ifstream in(std::string(KELVO_GOLDEN_DIR) + "/commands.txt");
    std::vector<GoldenCommand> commands;
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream words(line);
        GoldenCommand command;
        words >> command.name;
        for (std::string word; words >> word;)
            command.arguments.push_back(word);
        if (!command.name.empty())
            commands.push_back(std::move(command));
    }
    return commands;
}

std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(GoldenOutput, EveryRecordedCommandPrintsWhatItPrintedBefore)
{
    const auto commands = goldenCommands();
    ASSERT_GE(commands.size(), 10u);
    for (const auto& command : commands) {
        auto arguments = command.arguments;
        arguments.insert(arguments.begin() + 1, {"--data", KELVO_SOURCE_DATA_DIR});
        const ProgramRun run = runKelvo(arguments);
        // The data folder's path differs from one checkout to another.
        std::string output = run.out + run.err;
        const std::string folder = KELVO_SOURCE_DATA_DIR;
        for (auto at = output.find(folder); at != std::string::npos; at = output.find(folder, at))
            output.replace(at, folder.size(), "$DATA");
        // The datasheet's date is the day it is made.
        output =
            std::regex_replace(output, std::regex(R"("data": "[^"]*")"), R"("data": "$$DATE")");
        const std::string expected =
            readFile(std::string(KELVO_GOLDEN_DIR) + "/" + command.name + ".out");
        EXPECT_EQ(output, expected) << command.name;
    }
}

} // namespace
} // namespace kelvo::test
