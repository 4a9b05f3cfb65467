#pragma once

#include <filesystem>
#include <string_view>

#include "core/io/file_io.h"
#include "core/io/file_system_ops.h"

namespace kelvo
{

// writeFileReplacing through the given file layer: the new content goes to "<name>.tmp" in the
// same folder, is flushed to disk, the old file is kept as "<name>.bak", and the temporary file
// is renamed over the old one, so that the path always holds a complete file. Throws FileError
// naming the file; its reason says what was in the way: "<name> is a folder", "the folder
// <folder> cannot be written", "no space left on the device", or else the platform's reason,
// after "cannot keep the previous version as <name>.bak: " when the backup failed.
void writeFileReplacing(const std::filesystem::path& path, std::string_view content,
                        FileSystemOps& ops);

} // namespace kelvo
