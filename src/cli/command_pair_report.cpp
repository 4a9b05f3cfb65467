#include "cli/command_pair_report.h"

#include <cmath>
#include <ctime>
#include <filesystem>
#include <memory>
#include <nlohmann/json.hpp>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "cli/command_base.h"
#include "cli/command_error.h"
#include "cli/editor_options.h"
#include "cli/number_options.h"
#include "cli/property_tables.h"
#include "cli/refrigerant_option.h"
#include "cli/text_table.h"
#include "core/editor/editor_inputs.h"
#include "core/io/file_io.h"
#include "core/refrigerant/correlations.h"
#include "core/refrigerant/refrigerant_registry.h"
#include "core/refrigerant/table_loader.h"
#include "core/reports/pair_report.h"
#include "core/spreadsheet/first_row_cells.h"
#include "core/spreadsheet/workbook_writer.h"
#include "core/text/message_sink.h"
#include "core/text/untrusted_text.h"

namespace kelvo::cli
{
namespace
{

struct PairReportOptions : CommonOptions {
    std::string refrigerant;
    std::string compressor;
    std::string condenser;
    std::string compressors = "1";
    std::string condensers = "1";
    std::string heatFactor = "1,1";
    std::string ambient1 = "27";
    std::string ambient2 = "32";
    std::string ambient3 = "38";
    std::optional<std::string> min;
    std::optional<std::string> max;
    std::string step = "5";
    std::string suction = "20";
    std::string subcooling = "0";
    std::optional<std::string> xlsx;
    bool defaults = false;
};

// The current date or time in the process locale's short form ("%x", "%X").
std::string now(const char* format)
{
    const std::time_t seconds = std::time(nullptr);
    std::tm local{};
    localtime_r(&seconds, &local);
    char text[64];
    const std::size_t length = std::strftime(text, sizeof text, format, &local);
    return {text, length};
}

nlohmann::ordered_json widthJson(double width)
{
    if (std::floor(width) == width)
        return static_cast<long long>(width);
    return width;
}

void printReportJson(std::ostream& out, const PairReport& report)
{
    nlohmann::ordered_json cells = nlohmann::ordered_json::array();
    for (const SpreadsheetCell& cell : report.cells)
        cells.push_back({{"row", cell.row}, {"column", cell.column}, {"text", cell.text}});
    nlohmann::ordered_json widths = nlohmann::ordered_json::object();
    for (const auto& [column, width] : report.widths)
        widths[std::to_string(column)] = widthJson(width);
    nlohmann::ordered_json doc;
    doc["cells"] = std::move(cells);
    doc["widths"] = std::move(widths);
    doc["error"] = report.error ? nlohmann::ordered_json(*report.error) : nlohmann::ordered_json();
    doc["messages"] = report.messages;
    out << doc.dump() << "\n";
}

void printDefaults(const PairReportOptions& options, CommandContext& context)
{
    const auto workspace = openWorkspace(options.dataFolder, context.refrigerants);
    const Catalogue& catalogue = workspace->catalogue();
    const int compressor =
        tableIndexOption("--compressor", options.compressor, catalogue.compressors.count());
    const PairReportDefaults defaults = pairReportDefaults(catalogue, compressor);
    if (options.json) {
        nlohmann::ordered_json doc;
        doc["min"] = defaults.min;
        doc["max"] = defaults.max;
        context.out << doc.dump() << "\n";
        return;
    }
    printTable(context.out, {{"Min", defaults.min}, {"Max", defaults.max}}, {false, false});
}

PairReportInputs reportInputs(const PairReportOptions& options, const PairReportDefaults& defaults)
{
    PairReportInputs inputs;
    inputs.ambient1 = options.ambient1;
    inputs.ambient2 = options.ambient2;
    inputs.ambient3 = options.ambient3;
    inputs.min = options.min.value_or(defaults.min);
    inputs.max = options.max.value_or(defaults.max);
    inputs.step = options.step;
    inputs.suction = options.suction;
    inputs.subcooling = options.subcooling;
    inputs.compressorCount = options.compressors;
    inputs.condenserCount = options.condensers;
    inputs.heatFactor = condenserHeatFactorFromText(options.heatFactor);
    inputs.date = now("%x");
    inputs.time = now("%X");
    inputs.language = kEnglish; // the command's own messages are English
    return inputs;
}

// Writes what the report holds; a report that stopped early is still written, and then fails,
// but never in place of a file that was there: that file is worth more than a report cut short.
void writeReport(const std::string& file, const PairReport& report, CommandContext& context)
{
    std::error_code ec;
    const bool keepExisting =
        report.error && std::filesystem::exists(std::filesystem::symlink_status(file, ec));
    if (!report.cells.empty() && !keepExisting) {
        try {
            writeWorkbook(file, report.cells, report.widths);
        } catch (const SpreadsheetError& error) {
            throw CommandFailure(error.what());
        }
    }
    DistinctMessageSink distinct;
    for (const std::string& message : report.messages)
        distinct.message(message);
    for (const std::string& message : distinct.messages)
        context.out << "Message: " << oneLine(message) << "\n";
    if (report.error && keepExisting)
        throw CommandFailure(*report.error + " (" + file + " left as it was)");
    if (report.error && report.cells.empty())
        throw CommandFailure(*report.error + " (" + file + " not written)");
    if (report.error)
        throw CommandFailure(*report.error + " (" + file + " holds the report up to there)");
}

void runPairReport(const PairReportOptions& options, CommandContext& context)
{
    if (options.defaults) {
        printDefaults(options, context);
        return;
    }
    if (options.xlsx.has_value() == options.json)
        throw CommandError("give exactly one of --xlsx FILE and --json");
    if (options.refrigerant.empty() || options.condenser.empty())
        throw CommandError("--refrigerant and --condenser are needed (or --defaults)");
    requireRefrigerant(options.refrigerant, context.refrigerants, RefrigerantOrder::Selection);
    const auto workspace = openWorkspace(options.dataFolder, context.refrigerants);
    refuseDataFileOutputs(*workspace, {{"--xlsx", options.xlsx ? &*options.xlsx : nullptr}});
    const Catalogue& catalogue = workspace->catalogue();
    const int compressor =
        tableIndexOption("--compressor", options.compressor, catalogue.compressors.count());
    const int condenser =
        tableIndexOption("--condenser", options.condenser, catalogue.condensers.count());
    loadPropertyTable(*workspace, options.refrigerant, "pair-report", context.err);

    const PairReportInputs inputs =
        reportInputs(options, pairReportDefaults(catalogue, compressor));
    DiscardingMessageSink sink; // the report keeps the messages itself
    const PairReport report =
        buildPairReport(*workspace, {options.refrigerant, {}}, compressor, condenser, inputs, sink);
    if (options.xlsx) {
        writeReport(*options.xlsx, report, context);
        return;
    }
    printReportJson(context.out, report);
    if (report.error)
        throw CommandFailure(*report.error);
}

} // namespace

void addPairReportCommand(CLI::App& app, CommandContext& context)
{
    auto options = std::make_shared<PairReportOptions>();
    auto* command = addCommand(app, context, "pair-report",
                               "Capacity report of one compressor with one condenser over a range "
                               "of evaporating temperatures at three air temperatures",
                               options, runPairReport);
    command->add_option("--refrigerant", options->refrigerant,
                        refrigerantList(context.refrigerants, RefrigerantOrder::Selection));
    command->add_option("--compressor", options->compressor, "Compressor index (Poz.)")
        ->required()
        ->check(wholeNumberText());
    command->add_option("--condenser", options->condenser, "Condenser index (Poz.)")
        ->check(wholeNumberText());
    const auto number = [&](const char* name, std::string& value, const char* description,
                            const CLI::Validator& check) {
        command->add_option(name, value, description)->capture_default_str()->check(check);
    };
    number("--compressors", options->compressors, "Number of compressors", countText());
    number("--condensers", options->condensers, "Number of condensers", countText());
    number("--heat-factor", options->heatFactor, "Factor x in Qk=(Qo+Pe) x", heatFactorText());
    number("--ambient1", options->ambient1, "Air temperature of block 1, C", temperatureText());
    number("--ambient2", options->ambient2, "Air temperature of block 2, C", temperatureText());
    number("--ambient3", options->ambient3, "Air temperature of block 3, C", temperatureText());
    command
        ->add_option("--min", options->min,
                     "Lowest evaporating temperature, C (default from the compressor's "
                     "envelope 1)")
        ->check(temperatureText());
    command
        ->add_option("--max", options->max,
                     "Highest evaporating temperature, C (default from the compressor's "
                     "envelope 1)")
        ->check(temperatureText());
    number("--step", options->step, "Evaporating temperature step, K", numberText());
    number("--suction", options->suction, "Suction gas temperature, C", temperatureText());
    number("--subcooling", options->subcooling, "Liquid subcooling, K", numberText());
    command->add_option("--xlsx", options->xlsx, "Write the report to this .xlsx workbook");
    command->add_flag("--defaults", options->defaults,
                      "Print the default Min and Max of the compressor and stop");
}

} // namespace kelvo::cli
