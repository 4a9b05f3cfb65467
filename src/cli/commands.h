#pragma once

#include <CLI/CLI.hpp>
#include <functional>
#include <iosfwd>

namespace kelvo::cli
{

struct CommandContext {
    std::ostream& out;
    std::ostream& err;
    int exitCode = 0;
};

// Runs a command's work; any failure becomes one line "kelvo NAME: reason" on stderr and exit
// status 2, so a command never crashes and never leaves a partial document on stdout.
void runCommand(CommandContext& context, const char* name, const std::function<void()>& work);

// Adds every subcommand; each lives in its own file and sets context.exitCode when it runs.
void registerCommands(CLI::App& app, CommandContext& context);

} // namespace kelvo::cli
