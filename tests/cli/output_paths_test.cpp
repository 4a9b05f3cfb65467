// Where a command writes its output: never over a file of the data folder, through a link to
// the file it points to, and in place into what is no regular file (a pipe, a device).
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "cli/run_program.h"

namespace kelvo
{
namespace
{

using Arguments = std::vector<std::string>;

// One command per output option, at inputs that give every output something to write.
Arguments selection(std::string command)
{
    return {std::move(command), "--family", "BOX", "--refrigerant", "R404A", "--to", "-10",
            "--ambient",        "32"};
}

struct Output {
    Arguments command;
    std::string option;
};

std::vector<Output> everyOutput()
{
    auto details = selection("details");
    details.insert(details.end(), {"--unit-index", "21"});
    auto curves = selection("curves");
    curves.insert(curves.end(), {"--unit-index", "21"});
    auto compare = selection("compare");
    compare.insert(compare.end(), {"--unit-index", "21,9"});
    auto datasheet = selection("datasheet");
    datasheet.insert(datasheet.end(), {"--unit-index", "21", "--params"});
    const Arguments envelope{"envelope", "--compressor", "1"};
    const Arguments report{"pair-report", "--refrigerant", "R404A", "--compressor",
                           "1",           "--condenser",   "1"};
    return {{selection("select"), "--csv"},
            {selection("select"), "--xlsx"},
            {details, "--csv"},
            {compare, "--xlsx"},
            {curves, "--svg"},
            {envelope, "--svg"},
            {datasheet, "--pdf"},
            {report, "--xlsx"}};
}

test::ProgramRun run(Arguments arguments, const Output& output, const std::string& path,
                     const std::filesystem::path& data)
{
    arguments.insert(arguments.end(), {output.option, path, "--data", data.string()});
    return test::runKelvo(arguments);
}

TEST(OutputPaths, NoOutputLandsOnAFileOfTheDataFolder)
{
    const auto data = test::copyOfSampleData();
    std::filesystem::create_symlink(data->path() / "Agregaty.txt", data->path() / "link.csv");
    // The journal and a backup do not exist yet: the next load would still treat them as ours.
    for (const std::string name : {"Agregaty.txt", "sprezarki.txt.bak", "Katalog.journal",
                                   "R404A.txt", "Czynniki.txt", "wmf/new.svg", "link.csv"}) {
        const std::string before = data->read("Agregaty.txt");
        for (const Output& output : everyOutput()) {
            const auto result =
                run(output.command, output, (data->path() / name).string(), data->path());
            EXPECT_EQ(result.exitCode, 1) << output.option << " " << name << ": " << result.err;
            EXPECT_NE(result.err.find("a file of the data folder"), std::string::npos)
                << result.err;
        }
        EXPECT_EQ(data->read("Agregaty.txt"), before);
        if (name != "Agregaty.txt" && name != "R404A.txt" && name != "Czynniki.txt" &&
            name != "link.csv") {
            EXPECT_FALSE(std::filesystem::exists(data->path() / name)) << name;
        }
    }
    EXPECT_TRUE(std::filesystem::is_symlink(data->path() / "link.csv"));
    // Anywhere else in the folder is the user's to choose.
    const auto elsewhere = run(selection("select"), {{}, "--csv"},
                               (data->path() / "units.csv").string(), data->path());
    EXPECT_EQ(elsewhere.exitCode, 0) << elsewhere.err;
}

TEST(OutputPaths, WhatIsNoRegularFileIsWrittenInPlaceAndALinkIsFollowed)
{
    const auto data = std::filesystem::path(KELVO_SOURCE_DATA_DIR);
    const test::TempFolder folder;

    // stdout is the test's pipe: the CSV arrives there after the table.
    const auto piped = run(selection("select"), {{}, "--csv"}, "/dev/stdout", data);
    EXPECT_EQ(piped.exitCode, 0) << piped.err;
    EXPECT_NE(piped.out.find("\xEF\xBB\xBF"), std::string::npos) << "no CSV on stdout";

    // A device that is full: a failure, and the device stays a device.
    auto curves = selection("curves");
    curves.insert(curves.end(), {"--unit-index", "21"});
    const auto written = run(curves, {{}, "--svg"}, "/dev/full", data);
    EXPECT_EQ(written.exitCode, 1) << written.err;
    EXPECT_NE(written.err.find("no space left"), std::string::npos) << written.err;
    struct stat status {
    };
    ASSERT_EQ(::stat("/dev/full", &status), 0);
    EXPECT_TRUE(S_ISCHR(status.st_mode));

    // A pipe nobody reads is refused at once instead of waited on.
    const auto fifo = folder.path() / "fifo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const auto unread = run(curves, {{}, "--svg"}, fifo.string(), data);
    EXPECT_EQ(unread.exitCode, 1) << unread.err;
    EXPECT_NE(unread.err.find("a pipe that nothing reads"), std::string::npos) << unread.err;

    // A link stays a link; the file it points to (also one not there yet) gets the output.
    std::filesystem::create_directory(folder.path() / "out");
    std::filesystem::create_symlink("out/target.svg", folder.path() / "link.svg");
    const auto linked = run(curves, {{}, "--svg"}, (folder.path() / "link.svg").string(), data);
    EXPECT_EQ(linked.exitCode, 0) << linked.err;
    EXPECT_TRUE(std::filesystem::is_symlink(folder.path() / "link.svg"));
    EXPECT_NE(folder.read("out/target.svg").find("<svg"), std::string::npos);
}

} // namespace
} // namespace kelvo
