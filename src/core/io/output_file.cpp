#include "core/io/output_file.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "core/io/file_io.h"
#include "core/io/safe_file_write.h"

namespace kelvo
{

namespace
{

// Links pointing at links are followed this far; a loop ends the walk where it stands.
constexpr int kLinkDepth = 40;

std::error_code lastError()
{
    return {errno, std::generic_category()};
}

// Writes into what stands at `path` without creating or replacing it. O_NONBLOCK makes opening a
// pipe that has no reader fail (ENXIO) instead of waiting for one; writing then blocks again.
void writeInPlace(const std::filesystem::path& path, std::string_view content)
{
    const int handle = ::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (handle < 0) {
        if (errno == ENXIO)
            throw FileError(path, "a pipe that nothing reads");
        throw FileError(path, writeObstacle(lastError(), path));
    }
    std::error_code error;
    if (const int flags = ::fcntl(handle, F_GETFL);
        flags < 0 || ::fcntl(handle, F_SETFL, flags & ~O_NONBLOCK) < 0)
        error = lastError();
    std::size_t written = 0;
    while (!error && written < content.size()) {
        const ssize_t step = ::write(handle, content.data() + written, content.size() - written);
        if (step < 0 && errno == EINTR)
            continue;
        if (step <= 0)
            error = step < 0 ? lastError() : std::make_error_code(std::errc::no_space_on_device);
        else
            written += static_cast<std::size_t>(step);
    }
    if (::close(handle) != 0 && !error && errno != EINTR)
        error = lastError();
    if (error)
        throw FileError(path, writeObstacle(error, path));
}

} // namespace

std::filesystem::path outputTarget(const std::filesystem::path& path)
{
    std::filesystem::path target = path;
    for (int depth = 0; depth < kLinkDepth; ++depth) {
        std::error_code ec;
        if (!std::filesystem::is_symlink(std::filesystem::symlink_status(target, ec)))
            return target;
        const std::filesystem::path pointed = std::filesystem::read_symlink(target, ec);
        if (ec)
            return target;
        target = pointed.is_absolute() ? pointed : target.parent_path() / pointed;
    }
    return target;
}

void writeOutputFile(const std::filesystem::path& path, std::string_view content)
{
    struct stat status {
    };
    // stat follows links: /dev/stdout is a link to the process's own output, whatever that is.
    if (::stat(path.c_str(), &status) == 0 && !S_ISREG(status.st_mode) &&
        !S_ISDIR(status.st_mode)) {
        writeInPlace(path, content);
        return;
    }
    writeFileReplacing(outputTarget(path), content);
}

} // namespace kelvo
