#include "core/io/file_system_ops.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace kelvo
{

namespace
{

std::error_code lastError()
{
    return {errno, std::system_category()};
}

} // namespace

std::error_code PosixFileSystemOps::createTemporary(const std::filesystem::path& path, int& handle)
{
    handle = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    return handle < 0 ? lastError() : std::error_code{};
}

std::error_code PosixFileSystemOps::write(int handle, std::string_view content)
{
    while (!content.empty()) {
        const ssize_t n = ::write(handle, content.data(), content.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return lastError();
        }
        content.remove_prefix(static_cast<std::size_t>(n));
    }
    return {};
}

std::error_code PosixFileSystemOps::flush(int handle)
{
    return ::fsync(handle) != 0 ? lastError() : std::error_code{};
}

std::error_code PosixFileSystemOps::close(int handle)
{
    return ::close(handle) != 0 ? lastError() : std::error_code{};
}

std::error_code PosixFileSystemOps::keepBackup(const std::filesystem::path& file,
                                               const std::filesystem::path& backup)
{
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::file_status status = fs::symlink_status(file, ec);
    if (!fs::exists(status))
        return {};
    // Removing an empty folder at the backup's place would succeed: it is the user's, not ours.
    if (fs::is_directory(status) || fs::is_directory(fs::symlink_status(backup, ec)))
        return std::make_error_code(std::errc::is_a_directory);
    fs::remove(backup, ec);
    if (ec)
        return ec;
    // A hard link leaves the old name in place until the rename; a copy where links are not
    // supported.
    fs::create_hard_link(file, backup, ec);
    if (ec) {
        ec.clear();
        fs::copy_file(file, backup, fs::copy_options::overwrite_existing, ec);
    }
    return ec;
}

std::error_code PosixFileSystemOps::renameOver(const std::filesystem::path& from,
                                               const std::filesystem::path& to)
{
    return ::rename(from.c_str(), to.c_str()) != 0 ? lastError() : std::error_code{};
}

void PosixFileSystemOps::remove(const std::filesystem::path& path)
{
    ::unlink(path.c_str());
}

} // namespace kelvo
