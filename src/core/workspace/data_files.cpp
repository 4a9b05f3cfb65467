#include "core/workspace/data_files.h"

#include <string>
#include <vector>

#include "core/catalogue/catalogue_files.h"
#include "core/io/output_file.h"
#include "core/io/safe_file_write.h"
#include "core/refrigerant/refrigerant_file.h"

namespace kelvo
{

namespace
{

// Drawings live in this folder of the data folder; every file there is the program's.
constexpr std::string_view kDrawingFolder = "wmf";

std::filesystem::path comparable(const std::filesystem::path& path)
{
    std::error_code ec;
    auto result = std::filesystem::weakly_canonical(std::filesystem::absolute(path, ec), ec);
    return ec ? path.lexically_normal() : result;
}

bool isDataFileName(const std::string& name, const RefrigerantRegistry& refrigerants)
{
    for (const char* file : {kCompressorFile, kCondenserFile, kUnitFile, kFrameFile}) {
        const std::string own = file;
        // A save leaves temporaries and backups that the next load removes or restores.
        if (name == own || name == own + ".bak" || isTemporaryNameOf(name, own))
            return true;
    }
    const std::string journal = kCatalogueJournal;
    if (name == journal || isTemporaryNameOf(name, journal) || name == kCatalogueLock ||
        name == kRefrigerantFile || name == kDatasheetLayoutFile)
        return true;
    for (const RefrigerantEntry& entry : refrigerants.entries())
        if (name == entry.tableFile)
            return true;
    return false;
}

} // namespace

std::optional<std::filesystem::path> dataFileAt(const std::filesystem::path& dataFolder,
                                                const RefrigerantRegistry& refrigerants,
                                                const std::filesystem::path& output)
{
    const std::filesystem::path target = comparable(outputTarget(output));
    const std::filesystem::path folder = comparable(dataFolder);
    if (target.parent_path() == folder && isDataFileName(target.filename().string(), refrigerants))
        return target;
    // Under the drawings' folder, at any depth.
    const std::filesystem::path drawings = folder / kDrawingFolder;
    const auto relative = target.lexically_relative(drawings);
    if (!relative.empty() && *relative.begin() != "..")
        return target;
    // Another name for one of the files (a hard link, a bind mount) is the same file.
    std::error_code ec;
    if (std::filesystem::exists(target, ec))
        for (const auto& entry : std::filesystem::directory_iterator(folder, ec))
            if (isDataFileName(entry.path().filename().string(), refrigerants) &&
                std::filesystem::equivalent(entry.path(), target, ec))
                return entry.path();
    return std::nullopt;
}

} // namespace kelvo
