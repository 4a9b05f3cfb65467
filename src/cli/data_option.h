#pragma once

#include <CLI/CLI.hpp>
#include <memory>
#include <string>
#include <vector>

#include "core/io/folder_lock.h"
#include "core/refrigerant/refrigerant_file.h"
#include "core/workspace/workspace.h"

namespace kelvo::cli
{

// "--data DIR" on a subcommand.
void addDataOption(CLI::App* command, std::string& folder);

// The refrigerants of the data folder that "--data DIR" among the arguments names or that
// findDataFolder finds; the built-in four when there is none (the command then says why).
RefrigerantLoad argumentsRefrigerants(int argc, char** argv);

// A workspace on the data folder of --data, $KELVO_DATA, the folder next to the program or the
// installed share folder (findDataFolder), with the catalogue loaded (a save cut short that the
// load finished or undid is told once on stderr). Throws CommandError for a folder not found,
// CommandFailure for a catalogue that cannot be read.
std::unique_ptr<Workspace> openWorkspace(const std::string& folder,
                                         const RefrigerantRegistry& refrigerants,
                                         CatalogueStamps* files = nullptr);
// The same holding the catalogue's writer lock from before the load until `lock` goes, so that
// no other program writes the catalogue in between. `files` gets what was loaded.
std::unique_ptr<Workspace> openWorkspaceForWriting(const std::string& folder,
                                                   const RefrigerantRegistry& refrigerants,
                                                   std::unique_ptr<FolderLock>& lock,
                                                   CatalogueStamps& files);

// One output a command was asked to write: the option and the path it names.
struct OutputOption {
    const char* option;
    const std::string* path; // an empty path: the option was not given
};
// Refuses (CommandFailure naming the option and the file) an output that would land on a file
// of the workspace's data folder (dataFileAt); called before anything is computed or written.
void refuseDataFileOutputs(const Workspace& workspace, const std::vector<OutputOption>& outputs);

} // namespace kelvo::cli
