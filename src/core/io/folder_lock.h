#pragma once

#include <chrono>
#include <filesystem>
#include <string>

namespace kelvo
{

// An advisory lock on a folder's files, held through a lock file in the folder (flock): many
// readers at once, or one writer. Released when the object goes.
class FolderLock
{
  public:
    enum class Kind { Shared, Exclusive };

    // How long a lock waits for another program before it gives up.
    static constexpr std::chrono::milliseconds kDefaultWait{10000};

    // Takes the lock, waiting up to `wait` for other programs to release theirs; throws
    // FileError naming the lock file ("… is being written by another program (process N)")
    // when they do not. A writer makes the lock file; a reader only opens it. Where there is
    // none (no writer has been at work) or it can be neither made nor opened (a folder this
    // program cannot write), the lock is not held and nothing is thrown.
    FolderLock(const std::filesystem::path& folder, const std::string& lockFileName, Kind kind,
               std::chrono::milliseconds wait = kDefaultWait);
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    [[nodiscard]] bool held() const { return handle_ >= 0; }
    [[nodiscard]] Kind kind() const { return kind_; }

  private:
    int handle_ = -1;
    Kind kind_;
};

} // namespace kelvo
