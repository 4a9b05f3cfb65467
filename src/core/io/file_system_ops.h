#pragma once

#include <filesystem>
#include <string_view>
#include <system_error>

namespace kelvo
{

// The file operations a safe save is made of, one call per step, so that the save can be run
// over a layer that makes any step fail as a full disk or a failing device would. Each call
// returns the platform's error, or an empty error_code on success.
class FileSystemOps
{
  public:
    virtual ~FileSystemOps() = default;

    // Creates the file (emptying one already there) for writing; `handle` names it below.
    virtual std::error_code createTemporary(const std::filesystem::path& path, int& handle) = 0;
    // Writes the whole content, or fails with part of it written.
    virtual std::error_code write(int handle, std::string_view content) = 0;
    // Forces what was written onto the device.
    virtual std::error_code flush(int handle) = 0;
    // The handle is spent afterwards, also when closing fails.
    virtual std::error_code close(int handle) = 0;
    // Keeps the file's present content as `backup` while the file stays in place; with no file
    // there is nothing to keep. A folder standing at either path is an error, never replaced.
    virtual std::error_code keepBackup(const std::filesystem::path& file,
                                       const std::filesystem::path& backup) = 0;
    // Puts `from` in the place of `to` in one step.
    virtual std::error_code renameOver(const std::filesystem::path& from,
                                       const std::filesystem::path& to) = 0;
    // Clean-up after a failed step: a failure here changes nothing the user needs to know.
    virtual void remove(const std::filesystem::path& path) = 0;
};

// The operating system's own calls.
class PosixFileSystemOps final : public FileSystemOps
{
  public:
    std::error_code createTemporary(const std::filesystem::path& path, int& handle) override;
    std::error_code write(int handle, std::string_view content) override;
    std::error_code flush(int handle) override;
    std::error_code close(int handle) override;
    std::error_code keepBackup(const std::filesystem::path& file,
                               const std::filesystem::path& backup) override;
    std::error_code renameOver(const std::filesystem::path& from,
                               const std::filesystem::path& to) override;
    void remove(const std::filesystem::path& path) override;
};

} // namespace kelvo
