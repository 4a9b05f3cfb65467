#pragma once

#include "cli/commands.h"

namespace kelvo::cli
{

// "kelvo select": the candidate list for the selection inputs, and the capacity search.
void addSelectCommand(CLI::App& app, CommandContext& context);

} // namespace kelvo::cli
