#pragma once

#include "cli/commands.h"

namespace kelvo::cli
{

// "kelvo pair": the balance point of one compressor-condenser pair of the catalogue.
void addPairCommand(CLI::App& app, CommandContext& context);

} // namespace kelvo::cli
