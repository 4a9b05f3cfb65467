#include "cli/command_balance.h"

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
#include "cli/text_table.h"
#include "core/editor/balance_display.h"
#include "core/editor/editor_session.h"
#include "core/text/code_page.h"
#include "core/text/message_sink.h"
#include "core/workspace/workspace.h"

namespace kelvo::cli
{
namespace
{

struct BalanceOptions : CommonOptions {
    std::string refrigerant;
    std::optional<std::string> compressor;
    std::optional<std::string> condenser;
    std::optional<std::string> compressors;
    std::optional<std::string> condensers;
    std::optional<std::string> unit;
    std::string to;
    std::string ambient;
    std::string superheat;
    std::string subcooling;
    std::string heatFactor = "1,1";
};

void checkChoice(const BalanceOptions& options)
{
    const bool pairGiven =
        options.compressor || options.condenser || options.compressors || options.condensers;
    if (options.unit && pairGiven)
        throw CommandError("--unit takes the unit's own compressor, condenser and counts: "
                           "give either --unit or --compressor, --condenser, --compressors "
                           "and --condensers");
    if (options.unit)
        return;
    for (const auto& [name, value] : {std::pair{"--compressor", &options.compressor},
                                      {"--condenser", &options.condenser},
                                      {"--compressors", &options.compressors},
                                      {"--condensers", &options.condensers}})
        if (!*value)
            throw CommandError(std::string(name) + " is required (or --unit)");
}

// The figures of an evaluation as numbers, beside the panels' texts: kW, bar abs, C and K.
nlohmann::ordered_json figuresJson(const BalanceDisplay& display)
{
    if (!display.evaluated || display.cleared)
        return nullptr;
    const PerformanceResult& r = display.figures;
    return {{"Qo", r.refrigeratingCapacity},
            {"Pe", r.powerInput},
            {"po", r.evaporatingPressure},
            {"pk", r.condensingPressure},
            {"to", display.inputs.to},
            {"tk", condensingTemperature(display.inputs.airTemperature, r.condensingDeltaT)},
            {"dT", r.condensingDeltaT},
            {"Qk", r.condenserCapacity},
            {"Qk15", r.condenserCapacityAt15K}};
}

nlohmann::ordered_json displayJson(const EditorSession& session, const BalanceDisplay& display,
                                   const std::vector<std::string>& messages)
{
    const BalancePanels& p = session.panels();
    nlohmann::ordered_json doc;
    doc["compressorIndex"] = p.compressorIndex;
    doc["condenserIndex"] = p.condenserIndex;
    doc["frameIndex"] = p.frameIndex;
    doc["compressorModel"] = toUtf8(p.compressorModel);
    doc["condenserModel"] = toUtf8(p.condenserModel);
    doc["compressorModelDiffers"] = p.compressorModelDiffers;
    doc["condenserModelDiffers"] = p.condenserModelDiffers;
    doc["evaporatingPressure"] = p.evaporatingPressure;
    doc["condensingPressure"] = p.condensingPressure;
    doc["condenserAt15K"] = p.condenserAt15K;
    doc["capacity"] = p.capacity;
    doc["power"] = p.power;
    doc["condensingTemperature"] = p.condensingTemperature;
    doc["ok"] = display.evaluated && display.outcome.ok;
    doc["cleared"] = display.cleared;
    doc["gaveUp"] = display.gaveUp;
    doc["messages"] = messages;
    doc["figures"] = figuresJson(display);
    const auto& chart = session.chart();
    if (display.chartDrawn && chart && showsWorkingPoint(chart->ok, chart->tk, chart->to))
        doc["point"] = {{"to", chart->to}, {"tk", chart->tk}};
    else
        doc["point"] = nullptr;
    return doc;
}

// Texts side by side, empty ones left out.
std::string joined(const std::string& a, const std::string& b)
{
    return a.empty() ? b : (b.empty() ? a : a + "  " + b);
}

// The information group, row by row as the window lays it out.
void printPanels(std::ostream& out, const EditorSession& session,
                 const std::vector<std::string>& messages)
{
    const BalancePanels& p = session.panels();
    const auto differs = [](bool red) { return red ? "differs from the record" : ""; };
    std::vector<std::vector<std::string>> rows{
        {"Typ sprężarki", p.compressorIndex, toUtf8(p.compressorModel),
         differs(p.compressorModelDiffers)},
        {"Typ skraplacza", p.condenserIndex, joined(toUtf8(p.condenserModel), p.condenserAt15K),
         differs(p.condenserModelDiffers)},
        {"Czynnik chłodniczy", "", toUtf8(p.refrigerant), ""},
        {"Qo", "", p.capacity, ""},
        {"Pe", "", p.power, ""},
        {"Rama", p.frameIndex, toUtf8(p.frameName), ""},
        {"to=", "", joined(session.inputs().to + " [C]", p.evaporatingPressure), ""},
        {"tk=", "", joined(p.condensingTemperature, p.condensingPressure), ""},
    };
    for (const std::string& message : messages)
        rows.push_back({"Komunikat", "", oneLine(message), ""});
    printTable(out, rows, {false, true, false, false});
}

void runBalance(const BalanceOptions& options, CommandContext& context)
{
    requireEditorRefrigerant(options.refrigerant, context.refrigerants);
    checkChoice(options);

    const EditorJob job = openEditorJob(options.dataFolder, context.refrigerants);
    EditorSession& session = *job.session;
    const Catalogue& catalogue = job.workspace->catalogue();
    int unit = 0;
    int compressor = 0;
    int condenser = 0;
    if (options.unit) {
        unit = tableIndexOption("--unit", *options.unit, catalogue.units.count());
    } else {
        compressor =
            tableIndexOption("--compressor", *options.compressor, catalogue.compressors.count());
        condenser =
            tableIndexOption("--condenser", *options.condenser, catalogue.condensers.count());
    }
    const std::string tableFailure = session.chooseRefrigerant(options.refrigerant);
    if (!tableFailure.empty())
        throw CommandFailure(tableFailure);
    if (const PropertyTable* table = job.workspace->propertyTable(options.refrigerant);
        table && !table->note.empty())
        context.err << "kelvo balance: " << oneLine(table->note) << "\n";

    session.setHeatFactorText(options.heatFactor);
    EditorInputs typed;
    typed.to = options.to;
    typed.ambient = options.ambient;
    typed.superheat = options.superheat;
    typed.subcooling = options.subcooling;
    CollectingMessageSink sink;
    BalanceDisplay display;
    if (options.unit) {
        display = session.showUnit(unit, typed, sink);
    } else {
        typed.compressorCount = *options.compressors;
        typed.condenserCount = *options.condensers;
        display = session.showPair(compressor, condenser, typed, sink);
    }

    if (options.json)
        context.out << displayJson(session, display, sink.messages).dump() << "\n";
    else
        printPanels(context.out, session, sink.messages);

    if (!display.evaluated || display.cleared || !display.outcome.ok) {
        std::string reason = display.failure;
        for (const std::string& message : sink.messages)
            reason += (reason.empty() ? "" : " ") + message;
        context.err << "kelvo balance: "
                    << oneLine(display.evaluated ? "display cleared: " + reason : reason) << "\n";
        context.exitCode = 1;
    }
}

} // namespace

void addBalanceCommand(CLI::App& app, CommandContext& context)
{
    auto options = std::make_shared<BalanceOptions>();
    auto* command =
        addCommand(app, context, "balance",
                   "The editor's balance display of a compressor-condenser pair or of a unit",
                   options, runBalance);
    command
        ->add_option("--refrigerant", options->refrigerant,
                     editorRefrigerantList(context.refrigerants))
        ->required();
    command->add_option("--compressor", options->compressor, "Compressor index (Poz.)")
        ->check(wholeNumberText());
    command->add_option("--condenser", options->condenser, "Condenser index (Poz.)")
        ->check(wholeNumberText());
    command->add_option("--compressors", options->compressors, "Number of compressors")
        ->check(countText());
    command->add_option("--condensers", options->condensers, "Number of condensers")
        ->check(countText());
    command
        ->add_option("--unit", options->unit,
                     "Unit index (Poz.), instead of a compressor and a condenser")
        ->check(wholeNumberText());
    addWorkingPointOptions(
        command, {options->to, options->ambient, options->superheat, options->subcooling});
    command
        ->add_option("--heat-factor", options->heatFactor,
                     "Text of the factor x in Qk=(Qo+Pe) x (default 1,1)")
        ->check(heatFactorText());
}

} // namespace kelvo::cli
