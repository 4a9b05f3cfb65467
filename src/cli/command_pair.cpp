#include "cli/command_pair.h"

#include <memory>
#include <nlohmann/json.hpp>
#include <ostream>
#include <string>
#include <vector>

#include "cli/command_base.h"
#include "cli/command_error.h"
#include "cli/editor_options.h"
#include "cli/json_numbers.h"
#include "cli/number_options.h"
#include "cli/property_tables.h"
#include "cli/refrigerant_option.h"
#include "cli/selection_options.h"
#include "cli/text_table.h"
#include "core/io/file_io.h"
#include "core/performance/balance_point.h"
#include "core/refrigerant/correlations.h"
#include "core/refrigerant/refrigerant_registry.h"
#include "core/refrigerant/table_loader.h"
#include "core/text/code_page.h"
#include "core/text/message_sink.h"
#include "core/text/numeric_text.h"
#include "core/text/untrusted_text.h"

namespace kelvo::cli
{
namespace
{

struct PairOptions : CommonOptions {
    std::string refrigerant;
    std::string compressor;
    std::string condenser;
    std::string to;
    std::string ambient;
    std::string superheat;
    std::string subcooling;
    std::string compressors;
    std::string condensers;
    std::string heatFactor;
    UnitSystem units = UnitSystem::Si;
};

// The figures of the balance point, with what they measure (capacities in kW).
struct PairFigure {
    const char* key;
    const char* caption;
    Quantity quantity;
    double value;
};

std::vector<PairFigure> pairFigures(const PerformanceResult& r, double airTemperature)
{
    return {
        {"evaporatingPressure", "Evaporating pressure", Quantity::Pressure, r.evaporatingPressure},
        {"condensingPressure", "Condensing pressure", Quantity::Pressure, r.condensingPressure},
        {"condensingDeltaT", "Condensing dT", Quantity::TemperatureDifference, r.condensingDeltaT},
        {"condensingTemperature", "Condensing temperature", Quantity::Temperature,
         condensingTemperature(airTemperature, r.condensingDeltaT)},
        {"refrigeratingCapacity", "Refrigerating capacity", Quantity::Capacity,
         r.refrigeratingCapacity},
        {"powerInput", "Power input", Quantity::Power, r.powerInput},
        {"condenserCapacity", "Condenser capacity", Quantity::Capacity, r.condenserCapacity},
        {"condenserCapacityAt15K", "Condenser capacity at 15 K", Quantity::Capacity,
         r.condenserCapacityAt15K},
    };
}

// The unit a figure is shown in: capacities in kW in SI, as the balance computes them.
std::string pairUnit(Quantity quantity, UnitSystem units)
{
    if (units == UnitSystem::Si) {
        static constexpr const char* kSi[] = {"C", "K", "kW", "kW", "bar"};
        return kSi[static_cast<int>(quantity)];
    }
    return std::string(unitOf(quantity, units));
}

// The figure in the SI unit the conversions start from: a capacity in W.
double siFigureOf(const PairFigure& figure)
{
    return figure.quantity == Quantity::Capacity ? figure.value * 1000.0 : figure.value;
}

void printJson(std::ostream& out, const EvaluationOutcome& outcome, const PerformanceResult& r,
               double airTemperature, const std::vector<std::string>& messages, UnitSystem units)
{
    nlohmann::ordered_json doc;
    addUnitsJson(doc, units);
    doc["ok"] = outcome.ok;
    doc["error"] = outcome.error == EvaluationError::None
                       ? nlohmann::ordered_json()
                       : nlohmann::ordered_json(evaluationErrorText(outcome.error));
    doc["messages"] = messages;
    doc["gaveUp"] = outcome.gaveUp;
    for (const PairFigure& figure : pairFigures(r, airTemperature))
        doc[figure.key] = units == UnitSystem::Si
                              ? figure.value
                              : convertedFigure(siFigureOf(figure), figure.quantity, units);
    out << doc.dump() << "\n";
}

void runPair(const PairOptions& options, CommandContext& context)
{
    requireRefrigerant(options.refrigerant, context.refrigerants, RefrigerantOrder::Selection);
    const auto workspace = openWorkspace(options.dataFolder, context.refrigerants);
    const Catalogue& catalogue = workspace->catalogue();
    PairInputs inputs;
    inputs.compressor =
        tableIndexOption("--compressor", options.compressor, catalogue.compressors.count());
    inputs.condenser =
        tableIndexOption("--condenser", options.condenser, catalogue.condensers.count());
    inputs.to = numberOption("--to", options.to);
    inputs.airTemperature = numberOption("--ambient", options.ambient);
    inputs.superheat = numberOption("--superheat", options.superheat);
    inputs.subcooling = numberOption("--subcooling", options.subcooling);
    inputs.compressorQuantity = numberOption("--compressors", options.compressors);
    inputs.condenserQuantity = numberOption("--condensers", options.condensers);
    inputs.heatFactor = numberOption("--heat-factor", options.heatFactor);

    loadPropertyTable(*workspace, options.refrigerant, "pair", context.err);
    CollectingMessageSink sink;
    const PairEvaluation evaluation =
        workspace->evaluate(options.refrigerant, inputs, PerformanceResult{}, sink);
    const EvaluationOutcome& outcome = evaluation.outcome;
    const PerformanceResult& result = evaluation.result;

    // The result is printed either way; a pair without a balance point is a failed command.
    const auto failIfNoBalance = [&outcome, &sink] {
        if (outcome.succeeded())
            return;
        if (outcome.error != EvaluationError::None)
            throw CommandFailure(evaluationErrorText(outcome.error));
        if (!outcome.missingTable.empty())
            throw CommandFailure("no property table " + outcome.missingTable);
        throw CommandFailure(sink.messages.empty()
                                 ? std::string("no balance point: the pair's data cannot be "
                                               "evaluated")
                                 : "no balance point: " + sink.messages.front());
    };
    if (options.json) {
        printJson(context.out, outcome, result, inputs.airTemperature, sink.messages,
                  options.units);
        failIfNoBalance();
        return;
    }
    const char separator = workspace->displaySeparator();
    const auto& compressor = catalogue.compressors[inputs.compressor];
    const auto& condenser = catalogue.condensers[inputs.condenser];
    std::vector<std::vector<std::string>> rows = {
        {"Refrigerant", options.refrigerant, ""},
        {"Compressor", std::to_string(inputs.compressor) + " " + toUtf8(compressor.model.view()),
         ""},
        {"Condenser", std::to_string(inputs.condenser) + " " + toUtf8(condenser.model.view()), ""},
        {"Result", outcome.succeeded() ? "ok" : "failed", ""},
    };
    if (outcome.error != EvaluationError::None)
        rows.push_back({"Error", evaluationErrorText(outcome.error), ""});
    for (const auto& message : sink.messages)
        rows.push_back({"Message", oneLine(message), ""});
    if (outcome.gaveUp)
        rows.push_back({"Search", "gave up above 70 C", ""});
    for (const PairFigure& figure : pairFigures(result, inputs.airTemperature)) {
        if (options.units == UnitSystem::Si) {
            rows.push_back({figure.caption, formatNumber(figure.value, separator),
                            pairUnit(figure.quantity, options.units)});
            continue;
        }
        // Rounded for display as every inch-pound figure is.
        const DisplayFigure shown =
            displayFigure(siFigureOf(figure), figure.quantity, options.units, separator);
        rows.push_back({figure.caption, shown.number, shown.unit});
    }
    printTable(context.out, rows, {false, false, false});
    failIfNoBalance();
}

} // namespace

void addPairCommand(CLI::App& app, CommandContext& context)
{
    auto options = std::make_shared<PairOptions>();
    auto* command = addCommand(
        app, context, "pair", "Balance point of one compressor with one condenser of the catalogue",
        options, runPair);
    command
        ->add_option("--refrigerant", options->refrigerant,
                     refrigerantList(context.refrigerants, RefrigerantOrder::Selection))
        ->required();
    command->add_option("--compressor", options->compressor, "Compressor index (Poz.)")
        ->required()
        ->check(wholeNumberText());
    command->add_option("--condenser", options->condenser, "Condenser index (Poz.)")
        ->required()
        ->check(wholeNumberText());
    addWorkingPointOptions(
        command, {options->to, options->ambient, options->superheat, options->subcooling});
    command->add_option("--compressors", options->compressors, "Number of compressors")
        ->required()
        ->check(countText());
    command->add_option("--condensers", options->condensers, "Number of condensers")
        ->required()
        ->check(countText());
    command->add_option("--heat-factor", options->heatFactor, "Factor x in Qk=(Qo+Pe) x")
        ->required()
        ->check(heatFactorText());
    addUnitsOption(command, options->units);
}

} // namespace kelvo::cli
