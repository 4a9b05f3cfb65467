#include "core/io/folder_lock.h"

#include <cerrno>
#include <fcntl.h>
#include <string_view>
#include <sys/file.h>
#include <thread>
#include <unistd.h>

#include "core/io/file_io.h"
#include "core/text/numeric_text.h"

namespace kelvo
{

namespace
{

constexpr std::chrono::milliseconds kPollInterval{20};

int openLockFile(const std::filesystem::path& path, FolderLock::Kind kind)
{
    // Readers make nothing: a folder that never had a writer has no lock file.
    if (kind == FolderLock::Kind::Shared)
        return ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    int handle = ::open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0644);
    // A lock file this program may only read still keeps out other writers.
    if (handle < 0 && (errno == EACCES || errno == EROFS || errno == EPERM))
        handle = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    return handle;
}

// The process id the writer holding the lock wrote into it, or an empty text.
std::string holderOf(int handle)
{
    char buffer[32] = {};
    const ssize_t n = ::pread(handle, buffer, sizeof buffer - 1, 0);
    if (n <= 0)
        return {};
    std::string_view text(buffer, static_cast<std::size_t>(n));
    while (!text.empty() && (text.back() == '\n' || text.back() == ' '))
        text.remove_suffix(1);
    return parseInteger(text) ? std::string(text) : std::string();
}

// A writer leaves its process id for the message of a program that waits for it in vain.
void recordHolder(int handle)
{
    const std::string pid = std::to_string(::getpid()) + "\n";
    if (::ftruncate(handle, 0) == 0) [[maybe_unused]]
        auto written = ::pwrite(handle, pid.data(), pid.size(), 0);
}

} // namespace

FolderLock::FolderLock(const std::filesystem::path& folder, const std::string& lockFileName,
                       Kind kind, std::chrono::milliseconds wait)
    : kind_(kind)
{
    const auto path = folder / lockFileName;
    const int handle = openLockFile(path, kind);
    if (handle < 0) {
        if (errno == ENOENT || errno == EACCES || errno == EROFS || errno == EPERM)
            return;
        throw FileError(path, platformErrorText(errno));
    }
    const int operation = (kind == Kind::Exclusive ? LOCK_EX : LOCK_SH) | LOCK_NB;
    const auto deadline = std::chrono::steady_clock::now() + wait;
    while (::flock(handle, operation) != 0) {
        if ((errno != EWOULDBLOCK && errno != EINTR) ||
            std::chrono::steady_clock::now() >= deadline) {
            const std::string holder = holderOf(handle);
            ::close(handle);
            throw FileError(path, "the catalogue is being written by another program" +
                                      (holder.empty() ? "" : " (process " + holder + ")"));
        }
        std::this_thread::sleep_for(kPollInterval);
    }
    if (kind == Kind::Exclusive)
        recordHolder(handle);
    handle_ = handle;
}

FolderLock::~FolderLock()
{
    if (handle_ >= 0)
        ::close(handle_); // closing releases the lock
}

} // namespace kelvo
