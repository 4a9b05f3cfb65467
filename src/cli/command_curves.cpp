#include "cli/command_curves.h"

#include <memory>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>

#include "cli/chart_output.h"
#include "cli/command_base.h"
#include "cli/command_error.h"
#include "cli/editor_options.h"
#include "cli/json_numbers.h"
#include "cli/selection_options.h"
#include "core/selection/details_in_units.h"
#include "core/selection/unit_details.h"
#include "core/text/code_page.h"
#include "core/text/message_sink.h"
#include "core/workspace/workspace.h"

namespace kelvo::cli
{
namespace
{

using Json = nlohmann::ordered_json;

struct CurvesOptions : SelectionOptions {
    UnitChoice unit;
    std::string width = std::to_string(kDefaultCurvesWidth);
    std::string height = std::to_string(kDefaultCurvesHeight);
    std::optional<std::string> svg;
    std::optional<std::string> png;
};

// Each curve's points as the range tables hold them, so that they can be checked against
// "kelvo details --json".
Json curvesJson(const std::vector<PerformanceCurve>& curves, bool wholeNumbers)
{
    Json list = Json::array();
    for (const PerformanceCurve& curve : curves) {
        Json points = Json::array();
        for (const CurvePoint& point : curve.points)
            points.push_back({{"to", point.to},
                              {"figure", wholeNumbers ? optionalWholeNumber(point.figure)
                                                      : optionalNumber(point.figure)},
                              {"mark", toUtf8(point.mark)}});
        list.push_back({{"ambient", curve.ambient}, {"points", std::move(points)}});
    }
    return list;
}

void runCurves(const CurvesOptions& options, CommandContext& context)
{
    const ChartOutput output{options.svg, options.png, options.json};
    checkChartOutput(output, context);
    const int width = wholeNumberOption("--width", options.width, 1, kMaxChartSide);
    const int height = wholeNumberOption("--height", options.height, 1, kMaxChartSide);
    const SelectionJob job = openSelectionJob(options, context.refrigerants, "curves", context.err);
    refuseDataFileOutputs(*job.workspace, chartOutputFiles(output));
    SelectionSession& session = *job.session;
    const int row = chosenListRow(session, options.unit);
    DiscardingMessageSink sink;
    const UnitDetails& details = session.chooseRow(row, sink);
    const SelectionState& selection = session.state();
    const char separator = session.workspace().displaySeparator();
    const PerformanceCurves curves =
        performanceCurvesIn(details.range, selection.evaporatingTemperature,
                            selection.ambientTemperature, options.units, separator);
    const auto primitives =
        drawPerformanceCurvesIn(curves, width, height, separator, options.language, options.units);
    if (options.json) {
        Json doc;
        addUnitsJson(doc, options.units);
        doc["unitIndex"] = details.unitIndex;
        doc["row"] = details.row;
        doc["capacity"] = curvesJson(curves.capacity, true);
        doc["power"] = curvesJson(curves.power, false);
        doc["workingPoint"] =
            curves.workingTo ? Json{{"to", *curves.workingTo}, {"ambient", *curves.workingAmbient}}
                             : Json(nullptr);
        doc["chart"] = chartJson(primitives, width, height);
        context.out << doc.dump() << "\n";
    } else {
        writeChart(primitives, width, height, output, context);
    }
    // The curves are drawn, but the unit's figures could not be computed.
    if (!details.failure.empty())
        throw CommandFailure(toUtf8(details.failure));
}

} // namespace

void addCurvesCommand(CLI::App& app, CommandContext& context)
{
    auto options = std::make_shared<CurvesOptions>();
    auto* command = addCommand(
        app, context, "curves",
        "Draw the performance curves (Qo and Pe against to, one per ambient) of one unit of the "
        "list",
        options, runCurves);
    addOneUnitOptions(command, *options, options->unit, context.refrigerants);
    command->add_option("--width", options->width,
                        "Picture width in pixels (default " + options->width + ")");
    command->add_option("--height", options->height,
                        "Picture height in pixels (default " + options->height + ")");
    command->add_option("--svg", options->svg, "Write the curves as SVG");
    command->add_option("--png", options->png, "Write the curves as PNG (desktop build)");
}

} // namespace kelvo::cli
