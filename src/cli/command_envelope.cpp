#include "cli/command_envelope.h"

#include <array>
#include <memory>
#include <nlohmann/json.hpp>
#include <optional>
#include <ostream>
#include <string>
#include <utility>

#include "cli/chart_output.h"
#include "cli/command_base.h"
#include "cli/command_error.h"
#include "cli/data_option.h"
#include "cli/editor_options.h"
#include "cli/number_options.h"
#include "core/io/file_io.h"
#include "core/workspace/workspace.h"

namespace kelvo::cli
{
namespace
{

struct EnvelopeOptions : CommonOptions {
    std::string compressor;
    std::string width = std::to_string(kDefaultChartWidth);
    std::string height = std::to_string(kDefaultChartHeight);
    std::optional<std::string> pointTo;
    std::optional<std::string> pointTk;
    std::optional<std::string> svg;
    std::optional<std::string> png;
    bool noBalance = false;
};

void runEnvelope(const EnvelopeOptions& options, CommandContext& context)
{
    const ChartOutput output{options.svg, options.png, options.json};
    checkChartOutput(output, context);
    if (options.pointTo.has_value() != options.pointTk.has_value())
        throw CommandError("--point-to and --point-tk go together");
    const int width = wholeNumberOption("--width", options.width, 1, kMaxChartSide);
    const int height = wholeNumberOption("--height", options.height, 1, kMaxChartSide);
    double to = 0;
    double tk = 0;
    if (options.pointTo) {
        to = numberOption("--point-to", *options.pointTo);
        tk = numberOption("--point-tk", *options.pointTk);
    }

    const auto workspace = openWorkspace(options.dataFolder, context.refrigerants);
    refuseDataFileOutputs(*workspace, chartOutputFiles(output));
    const Catalogue& catalogue = workspace->catalogue();
    const int compressor =
        tableIndexOption("--compressor", options.compressor, catalogue.compressors.count());
    const auto primitives =
        drawChart(catalogue.compressors[compressor], options.pointTo.has_value(), tk, to, width,
                  height, workspace->displaySeparator(),
                  options.noBalance ? BalanceNote::NoBalance : BalanceNote::Point);

    writeChart(primitives, width, height, output, context);
}

} // namespace

void addEnvelopeCommand(CLI::App& app, CommandContext& context)
{
    auto options = std::make_shared<EnvelopeOptions>();
    auto* command =
        addCommand(app, context, "envelope", "A compressor's envelope chart as the editor draws it",
                   options, runEnvelope);
    command->add_option("--compressor", options->compressor, "Compressor index (Poz.)")
        ->required()
        ->check(wholeNumberText());
    command->add_option("--width", options->width, "Picture width in pixels (default 489)");
    command->add_option("--height", options->height, "Picture height in pixels (default 385)");
    command->add_option("--point-to", options->pointTo, "Working point: evaporating temperature")
        ->check(temperatureText());
    command->add_option("--point-tk", options->pointTk, "Working point: condensing temperature")
        ->check(temperatureText());
    command->add_flag("--no-balance", options->noBalance,
                      "Say on the chart that no balance point was found below 70 C");
    command->add_option("--svg", options->svg, "Write the chart as SVG");
    command->add_option("--png", options->png, "Write the chart as PNG (desktop build)");
}

} // namespace kelvo::cli
