#pragma once

namespace CLI
{
class App;
}
namespace kelvo::cli
{
struct CommandContext;
}

namespace kelvo::gui
{

// "kelvo datasheet": the datasheet of one unit of the list written as PDF without a window
// (--pdf FILE) and/or its report parameters printed as a JSON object (--params).
void addDatasheetCommand(CLI::App& app, cli::CommandContext& context);

} // namespace kelvo::gui
