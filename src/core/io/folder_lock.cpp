#include "core/io/folder_lock.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <string_view>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

#include "core/io/file_io.h"
#include "core/text/numeric_text.h"

namespace kelvo
{

namespace
{

constexpr std::chrono::milliseconds kPollInterval{20};

bool cannotBeOpened(int error)
{
    return error == ENOENT || error == EACCES || error == EROFS || error == EPERM;
}

// The lock file, opened without waiting (a named pipe planted there would block) and never
// through a link; -1 with errno set when it cannot be opened.
int openLockFile(const std::filesystem::path& path, FolderLock::Kind kind)
{
    constexpr int kFlags = O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC;
    int handle = -1;
    // Readers make nothing: a folder that never had a writer has no lock file.
    if (kind == FolderLock::Kind::Shared) {
        handle = ::open(path.c_str(), O_RDONLY | kFlags);
    } else {
        handle = ::open(path.c_str(), O_RDWR | O_CREAT | kFlags, 0644);
        // Readable by every user of the folder, whatever the umask, so that none goes unlocked.
        if (handle >= 0)
            ::fchmod(handle, 0644);
        // A lock file this program may only read still keeps out other writers.
        else if (errno == EACCES || errno == EROFS || errno == EPERM)
            handle = ::open(path.c_str(), O_RDONLY | kFlags);
    }
    if (handle < 0)
        return -1;
    struct stat info {
    };
    if (::fstat(handle, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(handle);
        errno = S_ISDIR(info.st_mode) ? EISDIR : EINVAL;
        return -1;
    }
    return handle;
}

// The process id of the writer holding the lock, when it is still running, or an empty text.
std::string holderOf(int handle)
{
    char buffer[32] = {};
    const ssize_t n = ::pread(handle, buffer, sizeof buffer - 1, 0);
    if (n <= 0)
        return {};
    std::string_view text(buffer, static_cast<std::size_t>(n));
    while (!text.empty() && (text.back() == '\n' || text.back() == ' '))
        text.remove_suffix(1);
    const auto pid = parseInteger(text);
    if (!pid || *pid <= 0 || (::kill(*pid, 0) != 0 && errno == ESRCH))
        return {};
    return std::string(text);
}

// A writer leaves its process id for the message of a program that waits for it in vain, and
// takes it away when it lets go.
void recordHolder(int handle, bool holding)
{
    const std::string pid = holding ? std::to_string(::getpid()) + "\n" : std::string();
    if (::ftruncate(handle, 0) == 0 && !pid.empty()) [[maybe_unused]]
        auto written = ::pwrite(handle, pid.data(), pid.size(), 0);
}

bool folderWritable(const std::filesystem::path& folder)
{
    return ::access(folder.empty() ? "." : folder.c_str(), W_OK) == 0;
}

} // namespace

FolderLock::FolderLock(const std::filesystem::path& folder, const std::string& lockFileName,
                       Kind kind, std::chrono::milliseconds wait)
    : kind_(kind)
{
    const auto path = folder / lockFileName;
    const int handle = openLockFile(path, kind);
    if (handle < 0) {
        const int error = errno;
        // No lock file where nobody may make one: nobody writes here. Anything else in the way
        // of a folder that can be written would let two programs in at once.
        if (cannotBeOpened(error) && (error == ENOENT || !folderWritable(folder)))
            return;
        throw FileError(path, error == EINVAL   ? "is not a regular file"
                              : error == EISDIR ? "is a folder"
                              : error == ELOOP  ? "is a link, not a lock file"
                                                : "cannot be opened: " + platformErrorText(error));
    }
    const int operation = (kind == Kind::Exclusive ? LOCK_EX : LOCK_SH) | LOCK_NB;
    const auto deadline = std::chrono::steady_clock::now() + wait;
    while (::flock(handle, operation) != 0) {
        const int error = errno;
        if (error != EWOULDBLOCK && error != EINTR) {
            ::close(handle);
            throw FileError(path, "cannot be locked: " + platformErrorText(error));
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            const std::string holder = holderOf(handle);
            ::close(handle);
            throw FileError(path, holder.empty()
                                      ? "the catalogue is being used by another program"
                                      : "the catalogue is being written by another program "
                                        "(process " +
                                            holder + ")");
        }
        std::this_thread::sleep_for(kPollInterval);
    }
    if (kind == Kind::Exclusive)
        recordHolder(handle, true);
    handle_ = handle;
}

FolderLock::~FolderLock()
{
    if (handle_ < 0)
        return;
    if (kind_ == Kind::Exclusive)
        recordHolder(handle_, false);
    ::close(handle_); // closing releases the lock
}

} // namespace kelvo
