#include "core/app/data_folder.h"

#include <cstdlib>

namespace kelvo
{

std::optional<std::filesystem::path> findDataFolder(const std::filesystem::path& explicitFolder,
                                                    const std::filesystem::path& programFile)
{
    std::error_code ec;
    const auto isFolder = [&ec](const std::filesystem::path& p) {
        return !p.empty() && std::filesystem::is_directory(p, ec);
    };
    if (!explicitFolder.empty())
        return isFolder(explicitFolder) ? std::optional(explicitFolder) : std::nullopt;
    if (const char* fromEnvironment = std::getenv(kDataFolderVariable);
        fromEnvironment && *fromEnvironment) {
        const std::filesystem::path folder(fromEnvironment);
        return isFolder(folder) ? std::optional(folder) : std::nullopt;
    }
    std::filesystem::path dir = std::filesystem::absolute(programFile, ec).parent_path();
    for (int level = 0; level < 3 && !dir.empty(); ++level) {
        if (isFolder(dir / "data"))
            return dir / "data";
        dir = dir.parent_path();
    }
    return std::nullopt;
}

} // namespace kelvo
