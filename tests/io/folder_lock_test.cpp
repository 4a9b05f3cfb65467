#include "core/io/folder_lock.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

#include "core/io/file_io.h"
#include "support/temp_folder.h"

namespace kelvo
{
namespace
{

using Kind = FolderLock::Kind;
constexpr const char* kLock = "Katalog.lock";
constexpr std::chrono::milliseconds kShortWait{100};

// What a lock of `kind` says about the folder, or "held" / "not held".
std::string take(const test::TempFolder& folder, Kind kind)
{
    try {
        const FolderLock lock(folder.path(), kLock, kind, kShortWait);
        return lock.held() ? "held" : "not held";
    } catch (const FileError& error) {
        return error.reason();
    }
}

TEST(FolderLock, ReadersShareWritersExcludeAndANamedWriterIsOneStillRunning)
{
    test::TempFolder folder;
    EXPECT_EQ(take(folder, Kind::Shared), "not held"); // no writer was ever here: nothing made
    EXPECT_FALSE(std::filesystem::exists(folder.path() / kLock));
    {
        const FolderLock writer(folder.path(), kLock, Kind::Exclusive);
        ASSERT_TRUE(writer.held());
        // Another open of the lock file is another program as far as the lock goes.
        EXPECT_EQ(take(folder, Kind::Shared), "the catalogue is being written by another program "
                                              "(process " +
                                                  std::to_string(::getpid()) + ")");
    }
    const FolderLock reader(folder.path(), kLock, Kind::Shared);
    EXPECT_TRUE(reader.held());
    EXPECT_EQ(take(folder, Kind::Shared), "held");
    EXPECT_EQ(take(folder, Kind::Exclusive), "the catalogue is being used by another program");
    EXPECT_EQ(std::filesystem::status(folder.path() / kLock).permissions() &
                  std::filesystem::perms::others_read,
              std::filesystem::perms::others_read);
}

TEST(FolderLock, WhatStandsAtTheLockFilesPlaceIsNamedAtOnce)
{
    test::TempFolder outside;
    for (const auto& [what, expected] :
         std::vector<std::pair<std::string, std::string>>{{"pipe", "is not a regular file"},
                                                          {"link", "is a link, not a lock file"},
                                                          {"folder", "is a folder"}}) {
        test::TempFolder folder;
        const auto path = folder.path() / kLock;
        if (what == "pipe")
            ASSERT_EQ(::mkfifo(path.c_str(), 0644), 0);
        else if (what == "link")
            std::filesystem::create_symlink(outside.path() / "elsewhere", path);
        else
            std::filesystem::create_directory(path);
        EXPECT_EQ(take(folder, Kind::Shared), expected) << what;
        EXPECT_EQ(take(folder, Kind::Exclusive), expected) << what;
        EXPECT_FALSE(std::filesystem::exists(outside.path() / "elsewhere")) << what;
    }
}

} // namespace
} // namespace kelvo
