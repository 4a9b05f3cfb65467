// The program opens its drawing module from its own folder or from its installed tree's lib
// folder, never from the working folder; commands that print text need no module at all.
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "cli/run_program.h"

namespace kelvo
{
namespace
{

namespace fs = std::filesystem;

TEST(ToolkitModule, IsFoundFromTheProgramsOwnPathOnly)
{
    const fs::path built = KELVO_PROGRAM;
    if (!fs::exists(built.parent_path() / "kelvo_desktop.so"))
        GTEST_SKIP() << "built without the desktop toolkit";
    const test::TempFolder tree;
    fs::create_directories(tree.path() / "bin");
    fs::copy_file(built, tree.path() / "bin" / "kelvo");
    const std::string program = (tree.path() / "bin" / "kelvo").string();
    const std::vector<std::string> curves = {"curves",
                                             "--family",
                                             "BOX",
                                             "--to",
                                             "0",
                                             "--ambient",
                                             "32",
                                             "--unit-index",
                                             "9",
                                             "--png",
                                             (tree.path() / "curves.png").string(),
                                             "--data",
                                             test::sampleDataFolder().string()};

    const test::ProgramRun alone = test::runKelvo(curves, program, built.parent_path().string());
    EXPECT_EQ(alone.exitCode, 1);
    EXPECT_NE(alone.err.find((tree.path() / "bin" / "kelvo_desktop.so").string()),
              std::string::npos)
        << alone.err;

    fs::create_directories(tree.path() / "lib" / "kelvosoftware");
    fs::copy_file(built.parent_path() / "kelvo_desktop.so",
                  tree.path() / "lib" / "kelvosoftware" / "kelvo_desktop.so");
    const test::ProgramRun installed = test::runKelvo(curves, program);
    EXPECT_EQ(installed.exitCode, 0) << installed.err;
    EXPECT_EQ(tree.read("curves.png").substr(1, 3), "PNG");
}

} // namespace
} // namespace kelvo
