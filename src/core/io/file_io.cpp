#include "core/io/file_io.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
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

namespace
{

std::string kindOf(mode_t mode)
{
    if (S_ISREG(mode))
        return {};
    if (S_ISDIR(mode))
        return "is a folder";
    if (S_ISFIFO(mode))
        return "is a named pipe";
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return "is a device";
    if (S_ISSOCK(mode))
        return "is a socket";
    return "is not a regular file";
}

std::string tooLarge(std::size_t maxBytes)
{
    return "is larger than " + std::to_string(maxBytes / kMegabyte) + " MB";
}

} // namespace

std::string notARegularFile(const std::filesystem::path& path)
{
    struct stat info {
    };
    if (::stat(path.c_str(), &info) != 0)
        return {};
    return kindOf(info.st_mode);
}

LineTooLong::LineTooLong(int line)
    : std::runtime_error("line " + std::to_string(line) + " is longer than " +
                         std::to_string(kLineLimit / kMegabyte) + " MB"),
      line_(line)
{
}

std::string readWholeFile(const std::filesystem::path& path, std::size_t maxBytes)
{
    // Without O_NONBLOCK, opening a named pipe waits for a writer for ever.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        throw FileError(path, platformErrorText(errno));
    struct stat info {
    };
    if (::fstat(fd, &info) != 0) {
        const int error = errno;
        ::close(fd);
        throw FileError(path, platformErrorText(error));
    }
    if (const std::string kind = kindOf(info.st_mode); !kind.empty()) {
        ::close(fd);
        throw FileError(path, kind);
    }
    if (static_cast<std::uintmax_t>(info.st_size) > maxBytes) {
        ::close(fd);
        throw FileError(path, tooLarge(maxBytes));
    }
    std::string content;
    char buffer[65536];
    for (;;) {
        if (content.size() > maxBytes) { // grew while being read
            ::close(fd);
            throw FileError(path, tooLarge(maxBytes));
        }
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

std::string_view withoutByteOrderMark(std::string_view text)
{
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (text.starts_with(kByteOrderMark))
        text.remove_prefix(kByteOrderMark.size());
    return text;
}

bool LineReader::next(std::string_view& line)
{
    if (position_ >= text_.size())
        return false;
    ++lineNumber_;
    const std::size_t end = text_.find('\n', position_);
    const std::size_t length = (end == std::string_view::npos ? text_.size() : end) - position_;
    if (length > kLineLimit + 1) // the CR before the LF may come on top
        throw LineTooLong(lineNumber_);
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
