#include "cli/data_option.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <unistd.h>

#include "cli/command_base.h"
#include "cli/command_error.h"
#include "cli/program_file.h"
#include "core/app/data_folder.h"
#include "core/app/language_table.h"
#include "core/app/own_texts.h"
#include "core/catalogue/catalogue_files.h"
#include "core/text/untrusted_text.h"
#include "core/workspace/data_files.h"

namespace kelvo::cli
{
RefrigerantLoad argumentsRefrigerants(int argc, char** argv)
{
    std::string folder;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--data" && i + 1 < argc)
            folder = argv[i + 1];
        else if (arg.starts_with("--data="))
            folder = arg.substr(7);
    }
    const auto dir = findDataFolder(folder, programFile());
    return dir ? loadRefrigerants(*dir) : RefrigerantLoad{RefrigerantRegistry::builtIn(), {}};
}

void addDataOption(CLI::App* command, std::string& folder)
{
    command->add_option("--data", folder,
                        "Data folder (catalogue, property tables, drawings); default: "
                        "$KELVO_DATA, the data folder next to the program, or the installed "
                        "share/kelvosoftware");
}

namespace
{

std::filesystem::path dataFolder(const std::string& folder)
{
    const auto dir = findDataFolder(folder, programFile());
    if (!dir)
        throw CommandError(folder.empty() ? "no data folder found: give --data DIR or set " +
                                                std::string(kDataFolderVariable)
                                          : "data folder not found: " + folder);
    return *dir;
}

// A catalogue that cannot be read is a failure, not a bad command line; a save cut short that
// the load finished or undid is told once, on stderr.
template <class Load> CatalogueLoad loaded(const Load& loadFiles)
{
    CatalogueLoad result;
    try {
        result = loadFiles();
    } catch (const CatalogueFileError& error) {
        throw CommandFailure("cannot load " + error.path().string() + ": " + error.reason());
    }
    if (result.recovery)
        std::cerr << "kelvo: " << recoveryText(*result.recovery, kEnglish) << "\n";
    return result;
}

std::unique_ptr<FolderLock> writerLock(const std::filesystem::path& folder)
{
    try {
        return lockCatalogueForWriting(folder);
    } catch (const CatalogueFileError& error) {
        throw CommandFailure(error.what());
    }
}

} // namespace

std::unique_ptr<Workspace> openWorkspace(const std::string& folder,
                                         const RefrigerantRegistry& refrigerants,
                                         CatalogueStamps* files)
{
    auto workspace = std::make_unique<Workspace>(dataFolder(folder), refrigerants);
    const CatalogueLoad load = loaded([&] { return workspace->loadCatalogue(); });
    if (files)
        *files = load.files;
    return workspace;
}

std::unique_ptr<Workspace> openWorkspaceForWriting(const std::string& folder,
                                                   const RefrigerantRegistry& refrigerants,
                                                   std::unique_ptr<FolderLock>& lock,
                                                   CatalogueStamps& files)
{
    auto workspace = std::make_unique<Workspace>(dataFolder(folder), refrigerants);
    lock = writerLock(workspace->dataFolder());
    files = loaded([&] { return workspace->loadCatalogue(*lock); }).files;
    return workspace;
}

void refuseDataFileOutputs(const Workspace& workspace, const std::vector<OutputOption>& outputs)
{
    for (const OutputOption& output : outputs) {
        if (!output.path || output.path->empty())
            continue;
        if (const auto file =
                dataFileAt(workspace.dataFolder(), workspace.refrigerants(), *output.path))
            throw CommandFailure(std::string(output.option) + ": '" + quotedText(*output.path) +
                                 "'" + " would overwrite " + file->string() +
                                 ", a file of the data folder; nothing was written");
    }
}

} // namespace kelvo::cli
