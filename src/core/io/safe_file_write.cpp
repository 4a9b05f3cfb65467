#include "core/io/safe_file_write.h"

#include <cerrno>
#include <initializer_list>
#include <string>

namespace kelvo
{

namespace
{

// What stopped a step that writes at the given paths, in the user's words: the user has to
// move a folder away, free space or get write access, so that is what the text names.
std::string obstacle(const std::error_code& error,
                     std::initializer_list<std::filesystem::path> written)
{
    std::error_code ec;
    for (const auto& path : written)
        if (std::filesystem::is_directory(std::filesystem::symlink_status(path, ec)))
            return path.filename().string() + " is a folder";
    if (error == std::errc::is_a_directory)
        return written.begin()->filename().string() + " is a folder";
    if (error == std::errc::permission_denied || error == std::errc::operation_not_permitted ||
        error == std::errc::read_only_file_system)
        return "the folder " + written.begin()->parent_path().string() + " cannot be written";
    if (error == std::errc::no_space_on_device || error.value() == EDQUOT)
        return "no space left on the device";
    // "File not found" would name the file about to be made; what is missing is its folder.
    if (const auto folder = written.begin()->parent_path();
        error == std::errc::no_such_file_or_directory && !std::filesystem::is_directory(folder, ec))
        return "the folder " + folder.string() + " does not exist";
    return platformErrorText(error.value());
}

} // namespace

void writeFileReplacing(const std::filesystem::path& path, std::string_view content,
                        FileSystemOps& ops)
{
    std::filesystem::path temporary = path;
    temporary += ".tmp";
    std::filesystem::path backup = path;
    backup += ".bak";

    // A folder at the file's place would be found only by the rename; nothing is written then.
    std::error_code ec;
    if (std::filesystem::is_directory(std::filesystem::symlink_status(path, ec)))
        throw FileError(path, obstacle(std::make_error_code(std::errc::is_a_directory), {path}));

    int handle = -1;
    if (const auto error = ops.createTemporary(temporary, handle))
        throw FileError(path, obstacle(error, {temporary}));
    std::error_code error = ops.write(handle, content);
    if (!error)
        error = ops.flush(handle);
    if (const auto closing = ops.close(handle); !error)
        error = closing;
    if (error) {
        ops.remove(temporary);
        throw FileError(path, obstacle(error, {temporary}));
    }

    if (const auto keeping = ops.keepBackup(path, backup)) {
        ops.remove(temporary);
        throw FileError(path, "cannot keep the previous version as " + backup.filename().string() +
                                  ": " + obstacle(keeping, {path, backup}));
    }
    if (const auto renaming = ops.renameOver(temporary, path)) {
        ops.remove(temporary);
        throw FileError(path, obstacle(renaming, {path}));
    }
}

} // namespace kelvo
