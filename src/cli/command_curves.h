#pragma once

#include "cli/commands.h"

namespace kelvo::cli
{

// "kelvo curves": the performance curves of one unit of the list as SVG, PNG or JSON.
void addCurvesCommand(CLI::App& app, CommandContext& context);

} // namespace kelvo::cli
