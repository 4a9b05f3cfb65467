#include <array>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <tuple>

#include "core/catalogue/catalogue_files.h"
#include "support/failing_file_system.h"
#include "support/temp_folder.h"

namespace kelvo
{
namespace
{

using test::FailingFileSystem;
using test::SaveStep;
using test::TempFolder;

// In the order the save writes them.
constexpr std::array<const char*, 4> kFiles = {kCompressorFile, kCondenserFile, kUnitFile,
                                               kFrameFile};

std::string backupName(const char* file)
{
    return std::string(file) + ".bak";
}

// A save of the shipped catalogue, with a change in each of the four files, over the shipped
// files and a backup of each, with one step failing for one file.
class CatalogueSaveFault : public ::testing::TestWithParam<std::tuple<SaveStep, int>>
{
  protected:
    void SetUp() override
    {
        for (const char* file : kFiles) {
            std::filesystem::copy_file(test::sampleDataFolder() / file, folder.path() / file);
            folder.write(backupName(file), std::string("earlier ") + file);
        }
        catalogue = std::make_unique<Catalogue>();
        loadCatalogue(*catalogue, folder.path());
        catalogue->compressors.at(1).model = "NEW-C";
        catalogue->condensers.at(1).model = "NEW-K";
        catalogue->units.at(1).name = "NEW-A";
        catalogue->frames.at(1).name = "NEW-P";

        TempFolder written;
        saveCatalogue(*catalogue, written.path());
        for (std::size_t i = 0; i < kFiles.size(); ++i) {
            before[i] = folder.read(kFiles[i]);
            after[i] = written.read(kFiles[i]);
            ASSERT_NE(before[i], after[i]) << kFiles[i];
        }
    }

    TempFolder folder;
    std::unique_ptr<Catalogue> catalogue;
    std::array<std::string, 4> before;
    std::array<std::string, 4> after;
};

TEST_P(CatalogueSaveFault, EveryFileStaysCompleteOldOrNewAndTheMessageNamesTheFailingFile)
{
    const auto [step, failing] = GetParam();
    const char* failingFile = kFiles[static_cast<std::size_t>(failing)];
    FailingFileSystem ops(step, failingFile, std::errc::io_error);
    try {
        saveCatalogue(*catalogue, folder.path(), ops);
        FAIL() << "save reported success";
    } catch (const CatalogueFileError& error) {
        EXPECT_EQ(error.fileName(), failingFile);
        EXPECT_NE(std::string(error.what()).find((folder.path() / failingFile).string()),
                  std::string::npos)
            << error.what();
    }
    EXPECT_TRUE(ops.failed());

    for (int i = 0; i < static_cast<int>(kFiles.size()); ++i) {
        const auto k = static_cast<std::size_t>(i);
        SCOPED_TRACE(kFiles[k]);
        // Files before the failing one are written; it and those after it are as they were.
        EXPECT_EQ(folder.read(kFiles[k]), i < failing ? after[k] : before[k]);
        // The backup holds the previous file once it was taken, else the earlier backup.
        const bool backupTaken = i < failing || (i == failing && step == SaveStep::Rename);
        EXPECT_EQ(folder.read(backupName(kFiles[k])),
                  backupTaken ? before[k] : std::string("earlier ") + kFiles[k]);
        EXPECT_FALSE(std::filesystem::exists(folder.path() / (std::string(kFiles[k]) + ".tmp")));
    }

    // Once the fault is gone the same save completes.
    saveCatalogue(*catalogue, folder.path());
    for (std::size_t i = 0; i < kFiles.size(); ++i)
        EXPECT_EQ(folder.read(kFiles[i]), after[i]) << kFiles[i];
}

INSTANTIATE_TEST_SUITE_P(EachStepOfEachFile, CatalogueSaveFault,
                         ::testing::Combine(::testing::Values(SaveStep::CreateTemporary,
                                                              SaveStep::Write, SaveStep::Flush,
                                                              SaveStep::Close, SaveStep::KeepBackup,
                                                              SaveStep::Rename),
                                            ::testing::Range(0, 4)),
                         [](const auto& info) {
                             return test::stepName(std::get<0>(info.param)) + std::string("_") +
                                    std::to_string(std::get<1>(info.param));
                         });

} // namespace
} // namespace kelvo
