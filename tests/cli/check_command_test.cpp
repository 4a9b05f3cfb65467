#include <gtest/gtest.h>

#include "cli/run_program.h"

namespace kelvo
{
namespace
{

TEST(CheckCommand, ReportsTheSampleCatalogue)
{
    const auto run = test::runKelvo({"check", "--json", "--data", KELVO_SOURCE_DATA_DIR});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out.find("\"units\":152"), std::string::npos) << run.out;
}

TEST(CheckCommand, AMissingDataFolderIsOneLineOnStderrAndStatus2)
{
    const auto run = test::runKelvo({"check", "--data", "/nonexistent-kelvo-folder"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.out.empty());
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    EXPECT_NE(run.err.find("/nonexistent-kelvo-folder"), std::string::npos);
}

TEST(CheckCommand, UnknownOptionsAreRefused)
{
    const auto run = test::runKelvo({"check", "--bogus"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_FALSE(run.err.empty());
}

} // namespace
} // namespace kelvo
