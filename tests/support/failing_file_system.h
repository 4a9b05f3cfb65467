#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

#include "core/io/file_system_ops.h"

namespace kelvo::test
{

enum class SaveStep { CreateTemporary, Write, Flush, Close, KeepBackup, Rename };

inline const char* stepName(SaveStep step)
{
    switch (step) {
    case SaveStep::CreateTemporary:
        return "CreateTemporary";
    case SaveStep::Write:
        return "Write";
    case SaveStep::Flush:
        return "Flush";
    case SaveStep::Close:
        return "Close";
    case SaveStep::KeepBackup:
        return "KeepBackup";
    case SaveStep::Rename:
        return "Rename";
    }
    return "?";
}

// The real file layer with one step failing for one file (given by its name, e.g.
// "Agregaty.txt"). A failing write leaves half of the content in the temporary file, as a disk
// filling up would; a failing step after it has done nothing.
class FailingFileSystem final : public FileSystemOps
{
  public:
    FailingFileSystem(SaveStep step, std::string fileName, std::errc error)
        : step_(step), fileName_(std::move(fileName)), error_(std::make_error_code(error))
    {
    }

    [[nodiscard]] bool failed() const { return failed_; }

    std::error_code createTemporary(const std::filesystem::path& path, int& handle) override
    {
        current_ = path.filename().string();
        if (fails(SaveStep::CreateTemporary))
            return error_;
        return real_.createTemporary(path, handle);
    }
    std::error_code write(int handle, std::string_view content) override
    {
        if (fails(SaveStep::Write)) {
            real_.write(handle, content.substr(0, content.size() / 2));
            return error_;
        }
        return real_.write(handle, content);
    }
    std::error_code flush(int handle) override
    {
        return fails(SaveStep::Flush) ? error_ : real_.flush(handle);
    }
    std::error_code close(int handle) override
    {
        const auto closing = real_.close(handle); // the handle is spent either way
        return fails(SaveStep::Close) ? error_ : closing;
    }
    std::error_code keepBackup(const std::filesystem::path& file,
                               const std::filesystem::path& backup) override
    {
        return fails(SaveStep::KeepBackup) ? error_ : real_.keepBackup(file, backup);
    }
    std::error_code renameOver(const std::filesystem::path& from,
                               const std::filesystem::path& to) override
    {
        return fails(SaveStep::Rename) ? error_ : real_.renameOver(from, to);
    }
    void remove(const std::filesystem::path& path) override { real_.remove(path); }

  private:
    // The current file is the one whose temporary file was created last.
    bool fails(SaveStep step)
    {
        if (step != step_ || current_ != fileName_ + ".tmp")
            return false;
        failed_ = true;
        return true;
    }

    PosixFileSystemOps real_;
    SaveStep step_;
    std::string fileName_;
    std::error_code error_;
    std::string current_;
    bool failed_ = false;
};

} // namespace kelvo::test
