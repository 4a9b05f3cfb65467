#include "commands.h"

#include "command_check.h"
#include "command_details.h"
#include "command_pair.h"
#include "command_select.h"

namespace kelvo::cli
{

void registerCommands(CLI::App& app, CommandContext& context)
{
    addCheckCommand(app, context);
    addSelectCommand(app, context);
    addDetailsCommand(app, context);
    addPairCommand(app, context);
}

} // namespace kelvo::cli
