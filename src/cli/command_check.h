#pragma once

#include "cli/commands.h"

namespace kelvo::cli
{

// "kelvo check": loads the catalogue and reports what it holds.
void addCheckCommand(CLI::App& app, CommandContext& context);

} // namespace kelvo::cli
