#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "core/chart/envelope_chart.h"

namespace kelvo::cli
{

// "kelvo envelope": a compressor's envelope chart as SVG, PNG or JSON primitives.
void addEnvelopeCommand(CLI::App& app, CommandContext& context);

// The chart as a standalone SVG document.
std::string chartSvg(const std::vector<ChartPrimitive>& primitives, int width, int height);

} // namespace kelvo::cli
