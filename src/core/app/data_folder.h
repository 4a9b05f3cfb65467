#pragma once

#include <filesystem>
#include <optional>

namespace kelvo
{

inline constexpr const char* kDataFolderVariable = "KELVO_DATA";

// Where an installation keeps the shipped data, below its prefix.
inline constexpr const char* kInstalledDataFolder = "share/kelvosoftware";

// The data folder: an explicit choice first, then $KELVO_DATA, then a "data" folder next to
// the program or one level above it (a build tree), then the installed share folder of the
// prefix the program is installed under (<prefix>/bin/kelvo). nullopt when none exists.
std::optional<std::filesystem::path> findDataFolder(const std::filesystem::path& explicitFolder,
                                                    const std::filesystem::path& programFile);

} // namespace kelvo
