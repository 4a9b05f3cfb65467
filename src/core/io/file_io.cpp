#include "core/io/file_io.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

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

namespace
{

void writeAll(int fd, std::string_view content, const std::filesystem::path& path)
{
    while (!content.empty()) {
        const ssize_t n = ::write(fd, content.data(), content.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            throw FileError(path, platformErrorText(errno));
        }
        content.remove_prefix(static_cast<std::size_t>(n));
    }
}

} // namespace

void writeFileReplacing(const std::filesystem::path& path, std::string_view content)
{
    std::filesystem::path temporary = path;
    temporary += ".tmp";
    std::filesystem::path backup = path;
    backup += ".bak";

    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        throw FileError(path, platformErrorText(errno));
    try {
        writeAll(fd, content, path);
        if (::fsync(fd) != 0)
            throw FileError(path, platformErrorText(errno));
    } catch (...) {
        ::close(fd);
        ::unlink(temporary.c_str());
        throw;
    }
    if (::close(fd) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        throw FileError(path, platformErrorText(error));
    }

    // Keep the previous version; a hard link leaves the old name in place until the rename.
    std::error_code ec;
    if (std::filesystem::exists(path, ec)) {
        std::filesystem::remove(backup, ec);
        std::filesystem::create_hard_link(path, backup, ec);
        if (ec) {
            ec.clear();
            std::filesystem::copy_file(path, backup,
                                       std::filesystem::copy_options::overwrite_existing, ec);
        }
        if (ec) {
            ::unlink(temporary.c_str());
            throw FileError(path, "cannot keep the previous version as " +
                                      backup.filename().string() + ": " +
                                      platformErrorText(ec.value()));
        }
    }
    if (::rename(temporary.c_str(), path.c_str()) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        throw FileError(path, platformErrorText(error));
    }
}

} // namespace kelvo
