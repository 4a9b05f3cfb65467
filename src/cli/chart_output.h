#pragma once

#include <optional>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "cli/commands.h"
#include "cli/data_option.h"
#include "core/chart/envelope_chart.h"

namespace kelvo::cli
{

// Large enough for a 4K screen at 200 %, small enough to keep a picture file reasonable.
inline constexpr int kMaxChartSide = 10000;

// Where a chart command writes its chart: exactly one of an SVG file, a PNG file and JSON
// primitives on stdout.
struct ChartOutput {
    const std::optional<std::string>& svg;
    const std::optional<std::string>& png;
    bool json = false;
};

// The files the output names, for refuseDataFileOutputs.
std::vector<OutputOption> chartOutputFiles(const ChartOutput& output);

// CommandError unless exactly one output is asked for; CommandFailure for a PNG the program
// cannot draw (no desktop toolkit).
void checkChartOutput(const ChartOutput& output, const CommandContext& context);

// The primitives as JSON: the canvas size and every step after the clearing fill.
nlohmann::ordered_json chartJson(const std::vector<ChartPrimitive>& primitives, int width,
                                 int height);

// Writes the chart where `output` says; a file that cannot be written is a CommandFailure.
void writeChart(const std::vector<ChartPrimitive>& primitives, int width, int height,
                const ChartOutput& output, CommandContext& context);

// The chart as a standalone SVG document.
std::string chartSvg(const std::vector<ChartPrimitive>& primitives, int width, int height);

} // namespace kelvo::cli
