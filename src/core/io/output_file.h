#pragma once

#include <filesystem>
#include <string_view>

namespace kelvo
{

// Where writing `path` lands: the path itself, or, for a symbolic link (also a chain of them,
// also one whose target does not exist yet), the file the link points to, so that the file is
// replaced and the link stays.
std::filesystem::path outputTarget(const std::filesystem::path& path);

// Writes an export (a workbook, a picture, a PDF, a CSV) the user asked for at `path`.
// A regular file or a new name gets the new content through writeFileReplacing: the path holds
// the old file or the complete new one. What exists and is no regular file (a terminal, a pipe,
// /dev/stdout, a device) is written in place and never replaced by a regular file; a pipe
// nobody reads is refused instead of waited on. Throws FileError naming the path and the
// reason; a write error in place (a full device) is such a failure.
void writeOutputFile(const std::filesystem::path& path, std::string_view content);

} // namespace kelvo
