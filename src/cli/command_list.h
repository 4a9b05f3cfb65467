#pragma once

#include "cli/commands.h"

namespace kelvo::cli
{

// "kelvo list": the rows of one editor grid with the editor's filters.
void addListCommand(CLI::App& app, CommandContext& context);

} // namespace kelvo::cli
