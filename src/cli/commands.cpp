#include "cli/commands.h"

#include <algorithm>
#include <iterator>
#include <ostream>
#include <string_view>
#include <utility>

#include "cli/command_base.h"
#include "cli/command_error.h"
#include "cli/text_table.h"

#include "cli/command_balance.h"
#include "cli/command_check.h"
#include "cli/command_compare.h"
#include "cli/command_curves.h"
#include "cli/command_datasheet.h"
#include "cli/command_details.h"
#include "cli/command_edit.h"
#include "cli/command_envelope.h"
#include "cli/command_list.h"
#include "cli/command_pair.h"
#include "cli/command_pair_report.h"
#include "cli/command_refrigerants.h"
#include "cli/command_select.h"

namespace kelvo::cli
{

void runCommand(CommandContext& context, const char* name, const std::function<void()>& work)
{
    if (context.readRefrigerants)
        context.refrigerantNotes = std::exchange(context.readRefrigerants, {})();
    for (const std::string& note : context.refrigerantNotes)
        context.err << "kelvo " << name << ": " << oneLine(note) << "\n";
    try {
        work();
    } catch (const CommandFailure& failure) {
        context.err << "kelvo " << name << ": " << oneLine(failure.what()) << "\n";
        context.exitCode = 1;
    } catch (const std::exception& error) {
        context.err << "kelvo " << name << ": " << oneLine(error.what()) << "\n";
        context.exitCode = 2;
    }
}

void refuseEmptyValues(const CLI::App& command)
{
    static constexpr std::string_view acceptsEmpty[] = {"--tick", "--accessory"};
    for (const CLI::Option* option : command.get_options()) {
        const std::string name = option->get_name(false, true);
        if (option->count() == 0 || option->get_type_size() == 0 || name.empty() ||
            std::find(std::begin(acceptsEmpty), std::end(acceptsEmpty), name) !=
                std::end(acceptsEmpty))
            continue;
        for (const std::string& value : option->results())
            if (value.empty())
                throw CLI::ValidationError(name, name + " is empty");
    }
    for (const CLI::App* given : command.get_subcommands())
        refuseEmptyValues(*given);
}

void registerCommands(CLI::App& app, CommandContext& context)
{
    addCheckCommand(app, context);
    addSelectCommand(app, context);
    addDetailsCommand(app, context);
    addCompareCommand(app, context);
    addCurvesCommand(app, context);
    addPairCommand(app, context);
    addPairReportCommand(app, context);
    addDatasheetCommand(app, context);
    addListCommand(app, context);
    addRefrigerantsCommand(app, context);
    addBalanceCommand(app, context);
    addEnvelopeCommand(app, context);
    addEditCommand(app, context);
}

} // namespace kelvo::cli
