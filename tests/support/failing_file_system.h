#pragma once

#include <csignal>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "core/io/file_system_ops.h"

namespace kelvo::test
{

// The real file layer, counting every step that changes the folder (each create, write, flush,
// close, folder flush, rename and removal) and recording it as "<step> <file name>", with one
// step made to fail with an error or to end the process at once, as a power cut would.
class FailingFileSystem final : public FileSystemOps
{
  public:
    enum class Fault { None, Error, Kill };

    FailingFileSystem() = default;
    // Step `failing` (counting from 0) fails with `error`, or kills the process.
    FailingFileSystem(int failing, std::errc error, Fault fault = Fault::Error)
        : failing_(failing), error_(std::make_error_code(error)), fault_(fault)
    {
    }

    [[nodiscard]] bool failed() const { return failed_; }
    [[nodiscard]] const std::vector<std::string>& steps() const { return steps_; }

    std::error_code createExclusive(const std::filesystem::path& path, int& handle) override
    {
        if (fails("create", path))
            return error_;
        const auto error = real_.createExclusive(path, handle);
        if (!error && handle >= 0 && static_cast<std::size_t>(handle) < kHandles)
            handleNames_[static_cast<std::size_t>(handle)] = path.filename().string();
        return error;
    }
    std::error_code write(int handle, std::string_view content) override
    {
        if (fails("write", nameOf(handle))) {
            // A disk filling up leaves part of the content written.
            real_.write(handle, content.substr(0, content.size() / 2));
            return error_;
        }
        return real_.write(handle, content);
    }
    std::error_code flush(int handle) override
    {
        return fails("flush", nameOf(handle)) ? error_ : real_.flush(handle);
    }
    std::error_code close(int handle) override
    {
        const bool failing = fails("close", nameOf(handle));
        const auto closing = real_.close(handle); // the handle is spent either way
        return failing ? error_ : closing;
    }
    std::error_code flushFolder(const std::filesystem::path& folder) override
    {
        return fails("flush-folder", folder) ? error_ : real_.flushFolder(folder);
    }
    std::error_code renameOver(const std::filesystem::path& from,
                               const std::filesystem::path& to) override
    {
        return fails("rename", from.filename().string() + " " + to.filename().string())
                   ? error_
                   : real_.renameOver(from, to);
    }
    std::error_code remove(const std::filesystem::path& path) override
    {
        return fails("remove", path) ? error_ : real_.remove(path);
    }

  private:
    static constexpr std::size_t kHandles = 1024;

    std::string nameOf(int handle) const
    {
        return handle >= 0 && static_cast<std::size_t>(handle) < kHandles
                   ? handleNames_[static_cast<std::size_t>(handle)]
                   : std::string("?");
    }
    bool fails(std::string_view step, const std::filesystem::path& what)
    {
        return fails(step, what.filename().string());
    }
    bool fails(std::string_view step, const std::string& what)
    {
        // Clean-up after a failure is not counted: it is what the fault is tested against.
        if (failed_)
            return false;
        steps_.push_back(std::string(step) + " " + what);
        if (step_++ != failing_)
            return false;
        if (fault_ == Fault::Kill)
            std::raise(SIGKILL);
        failed_ = fault_ == Fault::Error;
        return failed_;
    }

    PosixFileSystemOps real_;
    int failing_ = -1;
    std::error_code error_;
    Fault fault_ = Fault::None;
    int step_ = 0;
    bool failed_ = false;
    std::vector<std::string> steps_;
    std::string handleNames_[kHandles];
};

} // namespace kelvo::test
