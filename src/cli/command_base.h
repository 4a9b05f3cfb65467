#pragma once

#include <CLI/CLI.hpp>
#include <memory>
#include <stdexcept>
#include <string>

#include "cli/commands.h"
#include "cli/data_option.h"

namespace kelvo::cli
{

// What every command takes: the data folder and the JSON switch.
struct CommonOptions {
    std::string dataFolder;
    bool json = false;
};

// The asked-for result was refused or could not be produced: one line on stderr and exit
// status 1. Bad options are CommandError (status 2).
class CommandFailure : public std::runtime_error
{
  public:
    using std::runtime_error::runtime_error;
};

enum class JsonSwitch { Offered, NotOffered };

// An option or argument given an empty value ("--data ''", "--unit-index ''", an empty row,
// "--kind ''") is a bad command line (a CLI::ValidationError naming it, told as the parser tells
// its own) instead of silently meaning a
// default, 0 or an empty list; checked for what `command` and the subcommands given under it
// were given, before the command runs. The editor's tick and the datasheet's accessories take
// lists where an empty one means something (nothing ticked), so they accept it.
void refuseEmptyValues(const CLI::App& command);

// Adds subcommand `name` with --data DIR and (unless not offered) --json; when it is chosen,
// run(options, context) runs under the shared error handling of runCommand. The command's own
// options are added to the returned subcommand.
template <class Options>
CLI::App* addCommand(CLI::App& app, CommandContext& context, const std::string& name,
                     const std::string& description, std::shared_ptr<Options> options,
                     void (*run)(const Options&, CommandContext&),
                     JsonSwitch json = JsonSwitch::Offered)
{
    auto* command = app.add_subcommand(name, description);
    addDataOption(command, options->dataFolder);
    if (json == JsonSwitch::Offered)
        command->add_flag("--json", options->json, "Print JSON");
    command->callback([options, &context, run, name, command] {
        refuseEmptyValues(*command);
        runCommand(context, name.c_str(), [&] { run(*options, context); });
    });
    return command;
}

} // namespace kelvo::cli
