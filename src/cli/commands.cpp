#include "commands.h"

#include "command_check.h"

namespace kelvo::cli
{

void registerCommands(CLI::App& app, CommandContext& context)
{
    addCheckCommand(app, context);
}

} // namespace kelvo::cli
