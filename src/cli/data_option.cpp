#include "cli/data_option.h"

#include <filesystem>
#include <fstream>
#include <unistd.h>

#include "cli/command_error.h"
#include "core/app/data_folder.h"
#include "core/catalogue/catalogue_files.h"

namespace kelvo::cli
{
namespace
{

std::filesystem::path programFile()
{
    std::error_code ec;
    auto path = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::filesystem::path() : path;
}

} // namespace

void addDataOption(CLI::App* command, std::string& folder)
{
    command->add_option("--data", folder,
                        "Data folder (catalogue, property tables, drawings); default: "
                        "$KELVO_DATA, the data folder next to the program, or the installed "
                        "share/kelvosoftware");
}

void openCatalogue(ApplicationState& state, const std::string& folder)
{
    const auto dir = findDataFolder(folder, programFile());
    if (!dir)
        throw CommandError(folder.empty() ? "no data folder found: give --data DIR or set " +
                                                std::string(kDataFolderVariable)
                                          : "data folder not found: " + folder);
    state.programDir = *dir;
    initRefrigerantNames(state.refrigerant.refrigerantNames);
    try {
        loadCatalogue(state.catalogue, state.programDir);
    } catch (const CatalogueFileError& error) {
        throw CommandError("cannot load " + error.path().string() + ": " + error.reason());
    }
}

} // namespace kelvo::cli
