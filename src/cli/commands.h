#pragma once

#include <CLI/CLI.hpp>
#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

#include "cli/toolkit_services.h"
#include "core/refrigerant/refrigerant_registry.h"

namespace kelvo::cli
{

struct CommandContext {
    std::ostream& out;
    std::ostream& err;
    // What the desktop toolkit does for commands (PDF and picture output); absent pieces
    // are reported by the commands that need them.
    const ToolkitServices& toolkit;
    int exitCode = 0;
    // The refrigerants every option, help text and check offers.
    const RefrigerantRegistry& refrigerants = RefrigerantRegistry::builtIn();
    // Lines of the refrigerant definition file that were refused; each command that runs
    // says them first, as notes.
    std::vector<std::string> refrigerantNotes = {};
    // Reads the data folder's refrigerants into `refrigerants` and gives the refused lines;
    // absent when the refrigerants were given. Called when a command runs, so that help and a
    // bad command line read no data.
    std::function<std::vector<std::string>()> readRefrigerants = {};
};

// Runs a command's work; any failure becomes one line "kelvo NAME: reason" on stderr, so a
// command never crashes and never leaves a partial document on stdout. A CommandFailure
// (refused, or no result) gives exit status 1, anything else (bad options) 2.
void runCommand(CommandContext& context, const char* name, const std::function<void()>& work);

// Adds every subcommand; each lives in its own file and sets context.exitCode when it runs.
void registerCommands(CLI::App& app, CommandContext& context);

} // namespace kelvo::cli
