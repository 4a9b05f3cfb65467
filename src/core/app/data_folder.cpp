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
    // A build tree: "data" beside the program or beside its folder.
    const std::filesystem::path programDir =
        std::filesystem::absolute(programFile, ec).parent_path();
    for (const auto& dir : {programDir, programDir.parent_path()})
        if (isFolder(dir / "data"))
            return dir / "data";
    // An installation: <prefix>/bin/kelvo reads <prefix>/share/kelvosoftware, wherever the
    // prefix is (the package's /usr, or a folder it was unpacked into).
    const std::filesystem::path installed = programDir.parent_path() / kInstalledDataFolder;
    if (programDir.filename() == "bin" && isFolder(installed))
        return installed;
    return std::nullopt;
}

} // namespace kelvo
