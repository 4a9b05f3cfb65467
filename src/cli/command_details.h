#pragma once

#include "cli/commands.h"

namespace kelvo::cli
{

// "kelvo details": the details and operating-range tables of one unit of the list.
void addDetailsCommand(CLI::App& app, CommandContext& context);

} // namespace kelvo::cli
