// The command line at its edges: what it refuses as a bad command line, how it quotes what it
// was given, and which language its own messages speak.
#include <gtest/gtest.h>

#include "cli/run_program.h"

namespace kelvo
{
namespace
{

using Arguments = std::vector<std::string>;

test::ProgramRun kelvo(Arguments arguments)
{
    return test::runOnSampleData(std::move(arguments));
}

Arguments select(Arguments more = {})
{
    Arguments arguments{"select", "--family", "BOX", "--to", "-10", "--ambient", "32"};
    arguments.insert(arguments.end(), more.begin(), more.end());
    return arguments;
}

TEST(CommandLineEdges, BadCommandLinesAreStatus2NamingWhatIsWrong)
{
    const struct {
        Arguments arguments;
        std::string named;
    } cases[] = {
        {{"NOSUCH", "--help"}, "unknown command 'NOSUCH'"},
        {{"NOSUCH"}, "unknown command 'NOSUCH'"},
        {select({"--kind", ""}), "--kind"},
        {select({"--brand", ""}), "--brand"},
        {select({"--version", ""}), "--version"},
        {select({"--capacity", "-5"}), "a required capacity is above 0"},
        {select({"--capacity", "0"}), "a required capacity is above 0"},
    };
    for (const auto& c : cases) {
        const auto run = test::runKelvo(c.arguments);
        EXPECT_EQ(run.exitCode, 2) << c.named << ": " << run.out;
        EXPECT_TRUE(run.out.empty()) << c.named;
        EXPECT_NE(run.err.find(c.named), std::string::npos) << run.err;
    }
    EXPECT_EQ(test::runKelvo({"select", "--help"}).exitCode, 0);
}

TEST(CommandLineEdges, AQuotedValueIsCutAndItsUnsafeBytesShownByTheirCodes)
{
    const std::string huge(100'000, '7');
    for (const Arguments& arguments :
         {select({"--ambient", huge}), select({"--capacity", huge + "x"}),
          select({"--unit-index", "1" + huge})}) {
        const auto run = kelvo(arguments);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_LT(run.err.size(), 400u) << run.err.substr(0, 400);
        EXPECT_NE(run.err.find("…"), std::string::npos) << run.err.substr(0, 400);
    }
    const auto binary = kelvo(select({"--ambient", "3\x01\x9b"
                                                   "2"}));
    EXPECT_EQ(binary.exitCode, 2);
    EXPECT_NE(binary.err.find("3\\x01\\x9B2"), std::string::npos) << binary.err;
}

TEST(CommandLineEdges, TheProgramsOwnMessagesSpeakTheCommandsLanguage)
{
    const test::TempFolder folder;
    const auto report =
        kelvo({"pair-report", "--refrigerant", "R404A", "--compressor", "1", "--condenser", "1",
               "--step", "0", "--xlsx", (folder.path() / "report.xlsx").string()});
    EXPECT_EQ(report.exitCode, 1);
    EXPECT_NE(report.err.find("The temperature step must be above zero"), std::string::npos)
        << report.err;
    // A folder in the workbook's place: the reason after the command's words.
    for (const auto& [language, said] : {std::pair{"en", "cannot write the workbook "},
                                         {"pl", "nie można zapisać arkusza "},
                                         {"cs", "sešit "}}) {
        const auto run = kelvo(select({"--language", language, "--xlsx", folder.path().string()}));
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_NE(run.err.find(said), std::string::npos) << run.err;
        EXPECT_NE(run.err.find("is a folder"), std::string::npos) << run.err;
    }
}

} // namespace
} // namespace kelvo
