#pragma once

namespace CLI
{
class App;
}

namespace kelvo::cli
{

struct CommandContext;

// "kelvo datasheet": the datasheet of one unit of the list written as PDF without a window
// (--pdf FILE, when the program has the desktop toolkit) and/or its report parameters printed as a
// JSON object (--params).
void addDatasheetCommand(CLI::App& app, CommandContext& context);

} // namespace kelvo::cli
