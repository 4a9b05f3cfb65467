#pragma once

#include "cli/commands.h"

namespace kelvo::cli
{

// "kelvo balance": the editor's balance display of a compressor-condenser pair or of a unit.
void addBalanceCommand(CLI::App& app, CommandContext& context);

} // namespace kelvo::cli
