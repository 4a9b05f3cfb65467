#pragma once

#include <CLI/CLI.hpp>
#include <string>

#include "core/app/application_state.h"

namespace kelvo::cli
{

// "--data DIR" on a subcommand.
void addDataOption(CLI::App* command, std::string& folder);

// Sets programDir from --data, $KELVO_DATA, the folder next to the program or the installed
// share folder (findDataFolder), and loads the catalogue. Throws CommandError.
void openCatalogue(ApplicationState& state, const std::string& folder);

} // namespace kelvo::cli
