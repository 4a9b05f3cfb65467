#include "core/io/safe_file_write.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include "support/failing_file_system.h"
#include "support/temp_folder.h"

namespace kelvo
{
namespace
{

using test::FailingFileSystem;
using test::SaveStep;
using test::TempFolder;

constexpr const char* kName = "notes.txt";

// Saves "new" over a file holding "old" and returns the failure's reason; the file must still
// hold "old" and no temporary file may be left.
std::string failedSaveReason(const TempFolder& folder, FileSystemOps& ops)
{
    const auto path = folder.path() / kName;
    try {
        writeFileReplacing(path, "new", ops);
    } catch (const FileError& error) {
        EXPECT_EQ(error.path(), path);
        EXPECT_EQ(std::string(error.what()), path.string() + ": " + error.reason());
        EXPECT_FALSE(std::filesystem::exists(folder.path() / "notes.txt.tmp"));
        return error.reason();
    }
    ADD_FAILURE() << "save reported success";
    return {};
}

class SafeFileWrite : public ::testing::Test
{
  protected:
    void SetUp() override { folder.write(kName, "old"); }

    TempFolder folder;
    PosixFileSystemOps ops;
};

TEST_F(SafeFileWrite, ReplacesTheFileAndKeepsThePreviousOneAsBackup)
{
    writeFileReplacing(folder.path() / kName, "new", ops);
    EXPECT_EQ(folder.read(kName), "new");
    EXPECT_EQ(folder.read("notes.txt.bak"), "old");
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "notes.txt.tmp"));
}

TEST_F(SafeFileWrite, AFolderAtTheFilesPlaceIsNamedAndLeftAlone)
{
    std::filesystem::remove(folder.path() / kName);
    std::filesystem::create_directories(folder.path() / kName / "inside");
    EXPECT_EQ(failedSaveReason(folder, ops), "notes.txt is a folder");
    EXPECT_TRUE(std::filesystem::is_directory(folder.path() / kName / "inside"));
}

TEST_F(SafeFileWrite, AFolderAtTheBackupsPlaceIsNamedAndLeftAlone)
{
    // An empty folder could be removed without an error; it is kept all the same.
    std::filesystem::create_directory(folder.path() / "notes.txt.bak");
    EXPECT_EQ(failedSaveReason(folder, ops),
              "cannot keep the previous version as notes.txt.bak: notes.txt.bak is a folder");
    EXPECT_EQ(folder.read(kName), "old");
    EXPECT_TRUE(std::filesystem::is_directory(folder.path() / "notes.txt.bak"));
}

TEST_F(SafeFileWrite, AFullDeviceIsNamed)
{
    // The temporary file's name leads to a device that is always full.
    if (!std::filesystem::exists("/dev/full"))
        GTEST_SKIP() << "no /dev/full";
    std::filesystem::create_symlink("/dev/full", folder.path() / "notes.txt.tmp");
    EXPECT_EQ(failedSaveReason(folder, ops), "no space left on the device");
    EXPECT_EQ(folder.read(kName), "old");
}

TEST_F(SafeFileWrite, AMissingFolderIsNamedRatherThanTheFile)
{
    const auto missing = folder.path() / "gone";
    try {
        writeFileReplacing(missing / kName, "new", ops);
        ADD_FAILURE() << "save reported success";
    } catch (const FileError& error) {
        EXPECT_EQ(error.reason(), "the folder " + missing.string() + " does not exist");
    }
    EXPECT_FALSE(std::filesystem::exists(missing));
}

TEST_F(SafeFileWrite, AReadOnlyFolderIsNamed)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "permission bits do not stop the superuser";
    const auto mode = std::filesystem::status(folder.path()).permissions();
    std::filesystem::permissions(folder.path(), std::filesystem::perms::owner_read |
                                                    std::filesystem::perms::owner_exec);
    const std::string reason = failedSaveReason(folder, ops);
    std::filesystem::permissions(folder.path(), mode);
    EXPECT_EQ(reason, "the folder " + folder.path().string() + " cannot be written");
    EXPECT_EQ(folder.read(kName), "old");
}

struct InjectedFault {
    SaveStep step;
    std::errc error;
    std::string reason; // "<folder>" stands for the file's folder
};

class SafeFileWriteFault : public ::testing::TestWithParam<InjectedFault>
{
};

TEST_P(SafeFileWriteFault, TheReasonSaysWhatStoppedTheStep)
{
    TempFolder folder;
    folder.write(kName, "old");
    folder.write("notes.txt.bak", "older");
    FailingFileSystem ops(GetParam().step, kName, GetParam().error);
    std::string expected = GetParam().reason;
    if (const auto at = expected.find("<folder>"); at != std::string::npos)
        expected.replace(at, 8, folder.path().string());
    EXPECT_EQ(failedSaveReason(folder, ops), expected);
    EXPECT_TRUE(ops.failed());
    EXPECT_EQ(folder.read(kName), "old");
    // The backup is the file's previous content once it was taken, or else untouched.
    EXPECT_EQ(folder.read("notes.txt.bak"), GetParam().step == SaveStep::Rename ? "old" : "older");
}

INSTANTIATE_TEST_SUITE_P(
    EachStep, SafeFileWriteFault,
    ::testing::Values(InjectedFault{SaveStep::CreateTemporary, std::errc::permission_denied,
                                    "the folder <folder> cannot be written"},
                      InjectedFault{SaveStep::CreateTemporary, std::errc::is_a_directory,
                                    "notes.txt.tmp is a folder"},
                      InjectedFault{SaveStep::Write, std::errc::no_space_on_device,
                                    "no space left on the device"},
                      InjectedFault{SaveStep::Flush, std::errc::no_space_on_device,
                                    "no space left on the device"},
                      InjectedFault{SaveStep::Close, std::errc::io_error, "I/O error 5"},
                      InjectedFault{
                          SaveStep::KeepBackup, std::errc::read_only_file_system,
                          "cannot keep the previous version as notes.txt.bak: the folder <folder> "
                          "cannot be written"},
                      InjectedFault{SaveStep::Rename, std::errc::permission_denied,
                                    "the folder <folder> cannot be written"}),
    [](const auto& info) { return test::stepName(info.param.step) + std::to_string(info.index); });

} // namespace
} // namespace kelvo
