#include "core/io/safe_file_write.h"

#include <gtest/gtest.h>
#include <unistd.h>
#include <vector>

#include "support/failing_file_system.h"
#include "support/temp_folder.h"

namespace kelvo
{
namespace
{

using test::FailingFileSystem;
using test::TempFolder;

constexpr const char* kName = "notes.txt";

// The one name in the folder (a failed save leaves no temporary file), or "" when there are more.
std::string onlyEntry(const TempFolder& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder.path()))
        names.push_back(entry.path().filename().string());
    return names.size() == 1 ? names.front() : std::string();
}

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
        EXPECT_EQ(onlyEntry(folder), kName);
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

TEST_F(SafeFileWrite, ReplacesTheFileLeavingNothingElse)
{
    writeFileReplacing(folder.path() / kName, "new", ops);
    EXPECT_EQ(folder.read(kName), "new");
    EXPECT_EQ(onlyEntry(folder), kName);
}

TEST_F(SafeFileWrite, AFolderAtTheFilesPlaceIsNamedAndLeftAlone)
{
    std::filesystem::remove(folder.path() / kName);
    std::filesystem::create_directories(folder.path() / kName / "inside");
    EXPECT_EQ(failedSaveReason(folder, ops), "notes.txt is a folder");
    EXPECT_TRUE(std::filesystem::is_directory(folder.path() / kName / "inside"));
}

TEST_F(SafeFileWrite, NothingIsWrittenThroughALink)
{
    // A link at the file's place is replaced by the file; the file it led to is not touched.
    TempFolder outside;
    outside.write("victim.txt", "theirs");
    std::filesystem::remove(folder.path() / kName);
    std::filesystem::create_symlink(outside.path() / "victim.txt", folder.path() / kName);
    writeFileReplacing(folder.path() / kName, "new", ops);
    EXPECT_EQ(outside.read("victim.txt"), "theirs");
    EXPECT_FALSE(std::filesystem::is_symlink(folder.path() / kName));
    EXPECT_EQ(folder.read(kName), "new");

    // A link planted where a temporary file would go is never opened.
    const auto planted = folder.path() / temporaryNameFor(kName);
    std::filesystem::create_symlink(outside.path() / "victim.txt", planted);
    int handle = -1;
    EXPECT_EQ(ops.createExclusive(planted, handle), std::errc::file_exists);
    EXPECT_EQ(outside.read("victim.txt"), "theirs");
}

TEST(TemporaryNames, AreUniqueAndKnownOnlyAsTheirFilesOwn)
{
    const std::string first = temporaryNameFor("Agregaty.txt");
    EXPECT_NE(first, temporaryNameFor("Agregaty.txt"));
    EXPECT_TRUE(isTemporaryNameOf(first, "Agregaty.txt"));
    for (const char* other :
         {"Agregaty.txt.tmp", "Agregaty.txt.ab/def.tmp", "Agregaty.txt.abcdef.tm",
          "Agregaty.txt.abcdefg.tmp", "xAgregaty.txt.abcdef.tmp"})
        EXPECT_FALSE(isTemporaryNameOf(other, "Agregaty.txt")) << other;
    EXPECT_FALSE(isTemporaryNameOf(first, "Agregaty.txt.bak"));
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
    int step;
    std::errc error;
    std::string reason; // "<folder>" stands for the file's folder
};

class SafeFileWriteFault : public ::testing::TestWithParam<InjectedFault>
{
};

TEST_P(SafeFileWriteFault, TheReasonSaysWhatStoppedTheStepAndTheFileIsAsItWas)
{
    TempFolder folder;
    folder.write(kName, "old");
    FailingFileSystem ops(GetParam().step, GetParam().error);
    std::string expected = GetParam().reason;
    if (const auto at = expected.find("<folder>"); at != std::string::npos)
        expected.replace(at, 8, folder.path().string());
    EXPECT_EQ(failedSaveReason(folder, ops), expected);
    EXPECT_TRUE(ops.failed());
    EXPECT_EQ(folder.read(kName), "old");
}

// Steps: 0 create, 1 write, 2 flush, 3 close, 4 rename.
INSTANTIATE_TEST_SUITE_P(
    EachStep, SafeFileWriteFault,
    ::testing::Values(
        InjectedFault{0, std::errc::permission_denied, "the folder <folder> cannot be written"},
        InjectedFault{0, std::errc::read_only_file_system, "the folder <folder> cannot be written"},
        InjectedFault{1, std::errc::no_space_on_device, "no space left on the device"},
        InjectedFault{2, std::errc::no_space_on_device, "no space left on the device"},
        InjectedFault{3, std::errc::io_error, "I/O error 5"},
        InjectedFault{4, std::errc::permission_denied, "the folder <folder> cannot be written"}),
    [](const auto& info) {
        return "Step" + std::to_string(info.param.step) + "_" + std::to_string(info.index);
    });

} // namespace
} // namespace kelvo
