#pragma once

#include "cli/commands.h"

namespace kelvo::cli
{

// "kelvo edit OPERATION": one of the catalogue editor's row operations (add, delete, move, copy,
// assign), saved to the four catalogue files when it is carried out.
void addEditCommand(CLI::App& app, CommandContext& context);

} // namespace kelvo::cli
