#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "core/io/file_io.h"
#include "core/io/file_system_ops.h"

namespace kelvo
{

// The name of a temporary file made for `fileName`: "<fileName>.XXXXXX.tmp", the X letters and
// digits chosen at random, so that no other writer and no link planted beforehand uses it.
std::string temporaryNameFor(std::string_view fileName);
// Whether `name` is such a temporary name made for `fileName`.
bool isTemporaryNameOf(std::string_view name, std::string_view fileName);

// Writes `content` to a new temporary file beside `target` (created exclusively, never through
// a link), flushed to the device and closed; returns its path. On failure nothing is left and
// FileError names `target` and the obstacle (see writeFileReplacing).
std::filesystem::path writeTemporaryFor(const std::filesystem::path& target,
                                        std::string_view content, FileSystemOps& ops);

// The user's words for what stopped a step creating or replacing `written`: "<name> is a folder",
// "the folder <folder> cannot be written", "the folder <folder> does not exist", "no space left on
// the device", or the platform's reason.
std::string writeObstacle(const std::error_code& error, const std::filesystem::path& written);

// writeFileReplacing through the given file layer: the new content goes to a temporary file
// beside the target, is flushed to disk and renamed over the target, so the path always holds a
// complete file, the old one or the new one. A failed write leaves the target as it was and no
// temporary file. Throws FileError naming the file; its reason is a writeObstacle.
void writeFileReplacing(const std::filesystem::path& path, std::string_view content,
                        FileSystemOps& ops);

} // namespace kelvo
