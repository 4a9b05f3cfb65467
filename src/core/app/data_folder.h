#pragma once

#include <filesystem>
#include <optional>

namespace kelvo
{

inline constexpr const char* kDataFolderVariable = "KELVO_DATA";

// The data folder: an explicit choice first, then $KELVO_DATA, then a "data" folder next to
// the program or one or two levels above it. nullopt when none exists.
std::optional<std::filesystem::path> findDataFolder(const std::filesystem::path& explicitFolder,
                                                    const std::filesystem::path& programFile);

} // namespace kelvo
