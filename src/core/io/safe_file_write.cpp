#include "core/io/safe_file_write.h"

#include <cerrno>
#include <random>
#include <string>

namespace kelvo
{

namespace
{

constexpr std::string_view kTemporarySuffix = ".tmp";
constexpr std::size_t kRandomLetters = 6;
constexpr std::string_view kLetters =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
// Names taken by other files are tried again; this many in a row means something else is wrong.
constexpr int kNameAttempts = 100;

bool isDirectoryEntry(const std::filesystem::path& path)
{
    std::error_code ec;
    return std::filesystem::is_directory(std::filesystem::symlink_status(path, ec));
}

} // namespace

std::string temporaryNameFor(std::string_view fileName)
{
    static thread_local std::mt19937 random{std::random_device{}()};
    std::uniform_int_distribution<std::size_t> pick(0, kLetters.size() - 1);
    std::string name(fileName);
    name += '.';
    for (std::size_t i = 0; i < kRandomLetters; ++i)
        name += kLetters[pick(random)];
    name += kTemporarySuffix;
    return name;
}

bool isTemporaryNameOf(std::string_view name, std::string_view fileName)
{
    if (name.size() != fileName.size() + 1 + kRandomLetters + kTemporarySuffix.size() ||
        !name.starts_with(fileName) || name[fileName.size()] != '.' ||
        !name.ends_with(kTemporarySuffix))
        return false;
    const std::string_view letters = name.substr(fileName.size() + 1, kRandomLetters);
    return letters.find_first_not_of(kLetters) == std::string_view::npos;
}

std::string writeObstacle(const std::error_code& error, const std::filesystem::path& written)
{
    // The user has to move a folder away, free space or get write access: the text names that.
    if (error == std::errc::is_a_directory || isDirectoryEntry(written))
        return written.filename().string() + " is a folder";
    if (error == std::errc::permission_denied || error == std::errc::operation_not_permitted ||
        error == std::errc::read_only_file_system)
        return "the folder " + written.parent_path().string() + " cannot be written";
    if (error == std::errc::no_space_on_device || error.value() == EDQUOT)
        return "no space left on the device";
    // "File not found" would name the file about to be made; what is missing is its folder.
    std::error_code ec;
    if (const auto folder = written.parent_path();
        error == std::errc::no_such_file_or_directory && !std::filesystem::is_directory(folder, ec))
        return "the folder " + folder.string() + " does not exist";
    return platformErrorText(error.value());
}

std::filesystem::path writeTemporaryFor(const std::filesystem::path& target,
                                        std::string_view content, FileSystemOps& ops)
{
    const std::string fileName = target.filename().string();
    std::filesystem::path temporary;
    int handle = -1;
    std::error_code error = std::make_error_code(std::errc::file_exists);
    for (int attempt = 0; attempt < kNameAttempts && error == std::errc::file_exists; ++attempt) {
        temporary = target.parent_path() / temporaryNameFor(fileName);
        error = ops.createExclusive(temporary, handle);
    }
    if (error)
        throw FileError(target, writeObstacle(error, temporary));

    error = ops.write(handle, content);
    if (!error)
        error = ops.flush(handle);
    if (const auto closing = ops.close(handle); !error)
        error = closing;
    if (error) {
        ops.remove(temporary);
        throw FileError(target, writeObstacle(error, temporary));
    }
    return temporary;
}

void writeFileReplacing(const std::filesystem::path& path, std::string_view content,
                        FileSystemOps& ops)
{
    // A folder at the file's place would be found only by the rename; nothing is written then.
    if (isDirectoryEntry(path))
        throw FileError(path, writeObstacle(std::make_error_code(std::errc::is_a_directory), path));
    const std::filesystem::path temporary = writeTemporaryFor(path, content, ops);
    if (const auto renaming = ops.renameOver(temporary, path)) {
        ops.remove(temporary);
        throw FileError(path, writeObstacle(renaming, path));
    }
    // The new file is in place; a folder that cannot be flushed only delays it on the device.
    ops.flushFolder(path.parent_path().empty() ? "." : path.parent_path());
}

} // namespace kelvo
