#pragma once

#include "cli/commands.h"

namespace kelvo::cli
{

// "kelvo pair-report": the capacity report of one compressor-condenser pair over a range of
// evaporating temperatures at three air temperatures, as JSON or an .xlsx workbook.
void addPairReportCommand(CLI::App& app, CommandContext& context);

} // namespace kelvo::cli
