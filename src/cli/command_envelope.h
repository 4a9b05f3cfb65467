#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "core/editor/envelope_chart.h"

namespace kelvo::cli
{

// "kelvo envelope": a compressor's envelope chart as SVG, PNG or JSON primitives.
void addEnvelopeCommand(CLI::App& app, CommandContext& context);

// Paints the primitives onto a width x height picture and writes it as PNG; throws
// std::exception with the reason on failure. The desktop build registers one; without it
// --png is refused.
using ChartPngWriter = std::function<void(const std::vector<ChartPrimitive>& primitives, int width,
                                          int height, const std::filesystem::path& file)>;
void setChartPngWriter(ChartPngWriter writer);

// The chart as a standalone SVG document.
std::string chartSvg(const std::vector<ChartPrimitive>& primitives, int width, int height);

} // namespace kelvo::cli
