#pragma once

#include "cli/commands.h"

namespace kelvo::cli
{

// "kelvo refrigerants": the refrigerants the program knows and where each comes from.
void addRefrigerantsCommand(CLI::App& app, CommandContext& context);

} // namespace kelvo::cli
