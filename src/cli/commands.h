#pragma once

#include <CLI/CLI.hpp>
#include <iosfwd>

namespace kelvo::cli
{

struct CommandContext {
    std::ostream& out;
    std::ostream& err;
    int exitCode = 0;
};

// Adds every subcommand; each lives in its own file and sets context.exitCode when it runs.
void registerCommands(CLI::App& app, CommandContext& context);

} // namespace kelvo::cli
