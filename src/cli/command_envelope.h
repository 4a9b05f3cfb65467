#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "cli/chart_output.h"
#include "cli/commands.h"
#include "core/chart/envelope_chart.h"

namespace kelvo::cli
{

// "kelvo envelope": a compressor's envelope chart as SVG, PNG or JSON primitives.
void addEnvelopeCommand(CLI::App& app, CommandContext& context);

} // namespace kelvo::cli
