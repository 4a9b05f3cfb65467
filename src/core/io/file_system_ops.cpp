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

std::error_code result(int returned)
{
    return returned != 0 ? lastError() : std::error_code{};
}

} // namespace

std::error_code PosixFileSystemOps::createExclusive(const std::filesystem::path& path, int& handle)
{
    handle = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
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
    return result(::fsync(handle));
}

std::error_code PosixFileSystemOps::close(int handle)
{
    return result(::close(handle));
}

std::error_code PosixFileSystemOps::flushFolder(const std::filesystem::path& folder)
{
    const int handle = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (handle < 0)
        return lastError();
    std::error_code error = result(::fsync(handle));
    // Some file systems cannot flush a folder; their entries are as safe as they get.
    if (error == std::errc::invalid_argument || error == std::errc::operation_not_supported)
        error.clear();
    ::close(handle);
    return error;
}

std::error_code PosixFileSystemOps::renameOver(const std::filesystem::path& from,
                                               const std::filesystem::path& to)
{
    return result(::rename(from.c_str(), to.c_str()));
}

std::error_code PosixFileSystemOps::remove(const std::filesystem::path& path)
{
    return result(::unlink(path.c_str()));
}

} // namespace kelvo
