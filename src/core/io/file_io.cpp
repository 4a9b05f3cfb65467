#include "core/io/file_io.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

#include "core/io/safe_file_write.h"

namespace kelvo
{

FileError::FileError(std::filesystem::path path, std::string reason)
    : std::runtime_error(path.string() + ": " + reason), path_(std::move(path)),
      reason_(std::move(reason))
{
}

std::string platformErrorText(int error)
{
    switch (error) {
    case ENOENT:
    case ENOTDIR:
        return "File not found";
    case EACCES:
    case EPERM:
    case EISDIR:
    case EROFS:
        return "File access denied";
    case ENOSPC:
    case EDQUOT:
        return "Disk full";
    case EMFILE:
    case ENFILE:
        return "Too many open files";
    default:
        return "I/O error " + std::to_string(error);
    }
}

std::string readWholeFile(const std::filesystem::path& path)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        throw FileError(path, platformErrorText(errno));
    std::string content;
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            const int error = errno;
            ::close(fd);
            throw FileError(path, platformErrorText(error));
        }
        if (n == 0)
            break;
        content.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return content;
}

bool LineReader::next(std::string_view& line)
{
    if (position_ >= text_.size())
        return false;
    const std::size_t end = text_.find('\n', position_);
    if (end == std::string_view::npos) {
        line = text_.substr(position_);
        position_ = text_.size();
    } else {
        line = text_.substr(position_, end - position_);
        position_ = end + 1;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
    }
    return true;
}

std::string_view LineReader::nextOrEmpty()
{
    std::string_view line;
    return next(line) ? line : std::string_view{};
}

void writeFileReplacing(const std::filesystem::path& path, std::string_view content)
{
    PosixFileSystemOps ops;
    writeFileReplacing(path, content, ops);
}

} // namespace kelvo
