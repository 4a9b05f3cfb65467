#include "cli/commands.h"

#include <ostream>

#include "cli/text_table.h"

#include "cli/command_check.h"
#include "cli/command_details.h"
#include "cli/command_pair.h"
#include "cli/command_select.h"

namespace kelvo::cli
{

void runCommand(CommandContext& context, const char* name, const std::function<void()>& work)
{
    try {
        work();
    } catch (const std::exception& error) {
        context.err << "kelvo " << name << ": " << oneLine(error.what()) << "\n";
        context.exitCode = 2;
    }
}

void registerCommands(CLI::App& app, CommandContext& context)
{
    addCheckCommand(app, context);
    addSelectCommand(app, context);
    addDetailsCommand(app, context);
    addPairCommand(app, context);
}

} // namespace kelvo::cli
