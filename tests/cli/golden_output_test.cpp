// The command line's output over the shipped catalogue, compared byte for byte with outputs
// recorded in tests/cli/golden. A refactoring that changes a figure, a text or the order of a
// parameter fails here. An output that is one JSON document is recorded pretty-printed, two spaces
// of indent and one key per line, so that a change reads line by line in a diff; the re-printing
// changes only the layout, every key, string and number keeps the text the program printed. Text
// tables and whatever the program writes to stderr are recorded as printed. To record a
// deliberate change, run tests/cli/golden/record.sh.
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
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

// JSON text without the whitespace between its tokens.
std::string withoutLayout(const std::string& json)
{
    std::string compact;
    bool inString = false;
    bool escaped = false;
    for (const char c : json) {
        if (inString) {
            if (escaped)
                escaped = false;
            else if (c == '\\')
                escaped = true;
            else if (c == '"')
                inString = false;
        } else if (c == '"') {
            inString = true;
        } else if (c == ' ' || c == '\n' || c == '\r' || c == '\t') {
            continue;
        }
        compact += c;
    }
    return compact;
}

// The recorded form of a command's stdout: pretty-printed when it is one JSON document and
// re-printing it keeps the text of every token (a number such as 47.40000000000002 or 21.0, an
// unescaped non-ASCII letter, the order of the keys); otherwise as printed.
std::string recordedForm(const std::string& out)
{
    const auto document = nlohmann::ordered_json::parse(out, nullptr, false);
    if (document.is_discarded() || document.dump() != withoutLayout(out))
        return out;
    return document.dump(2) + "\n";
}

TEST(GoldenOutput, JsonIsRecordedPrettyPrintedOnlyWhenNoTokenChanges)
{
    const struct {
        std::string printed;
        std::string recorded;
    } cases[] = {
        // Keys in the printed order; numbers, escapes and letters as printed; spaces inside
        // strings.
        {R"({"z":47.40000000000002,"a":[21.0,-0.0,1e-07,3],"s":"Šaltnešis: \"a, b\" \\","n":null})"
         "\n",
         R"({
  "z": 47.40000000000002,
  "a": [
    21.0,
    -0.0,
    1e-07,
    3
  ],
  "s": "Šaltnešis: \"a, b\" \\",
  "n": null
}
)"},
        // Already indented, with empty containers and no final newline.
        {"{\n    \"e\": [],\n    \"o\": {}\n}", "{\n  \"e\": [],\n  \"o\": {}\n}\n"},
        // A number or a letter the library would print otherwise keeps the whole output as printed.
        {"{\"a\":1.50}\n", "{\"a\":1.50}\n"},
        {"{\"a\":1E5}\n", "{\"a\":1E5}\n"},
        {"{\"a\":\"\\u00e9\"}\n", "{\"a\":\"\\u00e9\"}\n"},
        {"{\"a\":1,\"a\":2}\n", "{\"a\":1,\"a\":2}\n"},
        // Not one JSON document: a table, JSON followed by text, nothing.
        {"Row  Poz.  Model\n  1    13  AGP-KH033M-SB\n",
         "Row  Poz.  Model\n  1    13  AGP-KH033M-SB\n"},
        {"{\"a\":1}\nDone.\n", "{\"a\":1}\nDone.\n"},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(recordedForm(c.printed), c.recorded) << c.printed;
}

// With KELVO_RECORD_GOLDEN set (by record.sh) the outputs are written instead of compared.
TEST(GoldenOutput, EveryRecordedCommandPrintsWhatItPrintedBefore)
{
    const bool recording = std::getenv("KELVO_RECORD_GOLDEN") != nullptr;
    const auto commands = goldenCommands();
    ASSERT_GE(commands.size(), 10u);
    for (const auto& command : commands) {
        auto arguments = command.arguments;
        arguments.insert(arguments.begin() + 1, {"--data", KELVO_SOURCE_DATA_DIR});
        const ProgramRun run = runKelvo(arguments);
        std::string output = recordedForm(run.out) + run.err;
        // The data folder's path differs from one checkout to another.
        const std::string folder = KELVO_SOURCE_DATA_DIR;
        for (auto at = output.find(folder); at != std::string::npos; at = output.find(folder, at))
            output.replace(at, folder.size(), "$DATA");
        // The datasheet's date is the day it is made.
        output =
            std::regex_replace(output, std::regex(R"("data": "[^"]*")"), R"("data": "$$DATE")");
        const std::string path = std::string(KELVO_GOLDEN_DIR) + "/" + command.name + ".out";
        if (recording) {
            std::ofstream(path, std::ios::binary) << output;
            continue;
        }
        EXPECT_EQ(output, readFile(path)) << command.name;
    }
}

} // namespace
} // namespace kelvo::test
