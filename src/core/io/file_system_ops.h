#pragma once

#include <filesystem>
#include <string_view>
#include <system_error>

namespace kelvo
{

// The file operations that change a folder, one call per step, so that a save can be run over
// a layer that makes any step fail (as a full disk or a failing device would) or stops the
// process at any step. Each call returns the platform's error, or an empty error_code.
class FileSystemOps
{
  public:
    virtual ~FileSystemOps() = default;

    // Creates a new file for writing; fails when anything stands at the path, and never
    // follows a link there. `handle` names the file below.
    virtual std::error_code createExclusive(const std::filesystem::path& path, int& handle) = 0;
    // Writes the whole content, or fails with part of it written.
    virtual std::error_code write(int handle, std::string_view content) = 0;
    // Forces what was written onto the device.
    virtual std::error_code flush(int handle) = 0;
    // The handle is spent afterwards, also when closing fails.
    virtual std::error_code close(int handle) = 0;
    // Forces the folder's entries (new names, renames, removals) onto the device.
    virtual std::error_code flushFolder(const std::filesystem::path& folder) = 0;
    // Puts `from` in the place of `to` in one step.
    virtual std::error_code renameOver(const std::filesystem::path& from,
                                       const std::filesystem::path& to) = 0;
    // Removes a file (not a folder).
    virtual std::error_code remove(const std::filesystem::path& path) = 0;
};

// The operating system's own calls.
class PosixFileSystemOps final : public FileSystemOps
{
  public:
    std::error_code createExclusive(const std::filesystem::path& path, int& handle) override;
    std::error_code write(int handle, std::string_view content) override;
    std::error_code flush(int handle) override;
    std::error_code close(int handle) override;
    std::error_code flushFolder(const std::filesystem::path& folder) override;
    std::error_code renameOver(const std::filesystem::path& from,
                               const std::filesystem::path& to) override;
    std::error_code remove(const std::filesystem::path& path) override;
};

} // namespace kelvo
