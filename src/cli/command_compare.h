#pragma once

#include "cli/commands.h"

namespace kelvo::cli
{

// "kelvo compare": two to four units of the list side by side.
void addCompareCommand(CLI::App& app, CommandContext& context);

} // namespace kelvo::cli
