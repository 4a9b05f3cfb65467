#include "cli/command_details.h"

#include <cmath>
#include <cstdint>
#include <memory>
#include <nlohmann/json.hpp>
#include <ostream>

#include "cli/command_error.h"
#include "cli/selection_options.h"
#include "cli/text_table.h"
#include "core/app/message_sink.h"
#include "core/selection/unit_details.h"
#include "core/text/code_page.h"

namespace kelvo::cli
{
namespace
{

using Json = nlohmann::ordered_json;

struct DetailsOptions {
    SelectionOptions selection;
    int unitIndex = 0;
};

Json optionalNumber(const std::optional<double>& value)
{
    return value ? Json(*value) : Json(nullptr);
}

// Capacities are whole watts.
Json optionalWholeNumber(const std::optional<double>& value)
{
    if (value && std::fabs(*value) < 9e15)
        return static_cast<std::int64_t>(*value);
    return optionalNumber(value);
}

Json columnsJson(const RangeTables& range)
{
    static constexpr std::array<const char*, kRangeAmbientCount> qo{"Qo27", "Qo32", "Qo38"};
    static constexpr std::array<const char*, kRangeAmbientCount> pe{"Pe27", "Pe32", "Pe38"};
    Json columns = Json::array();
    for (const RangeColumn& column : range.columns) {
        Json entry;
        entry["to"] = column.to;
        for (std::size_t k = 0; k < kRangeAmbientCount; ++k)
            entry[qo[k]] = optionalWholeNumber(column.capacity[k].value);
        for (std::size_t k = 0; k < kRangeAmbientCount; ++k)
            entry[pe[k]] = optionalNumber(column.power[k].value);
        Json gaveUp = Json::array();
        for (const RangeCell& cell : column.capacity)
            gaveUp.push_back(cell.gaveUp);
        entry["gaveUp"] = std::move(gaveUp);
        columns.push_back(std::move(entry));
    }
    return columns;
}

Json dimensionsJson(const Dimensions& d)
{
    return Json{{"A", toUtf8(d.a)}, {"B", toUtf8(d.b)}, {"C", toUtf8(d.c)}, {"D", toUtf8(d.d)},
                {"E", toUtf8(d.e)}, {"F", toUtf8(d.f)}, {"G", toUtf8(d.g)}, {"H", toUtf8(d.h)}};
}

Json panelsJson(const UnitDataPanels& p)
{
    return Json{{"evaporatingTemperature", p.evaporatingTemperature},
                {"ambientTemperature", p.ambientTemperature},
                {"unitName", toUtf8(p.unitName)},
                {"compressorModel", toUtf8(p.compressorModel)},
                {"capacity", p.capacity},
                {"power", p.power},
                {"fanPower", p.fanPower},
                {"totalPower", p.totalPower},
                {"cop", p.cop},
                {"version", toUtf8(p.version)},
                {"condensingTemperature", p.condensingTemperature + p.condensingTemperatureMark},
                {"subcooling", toUtf8(p.subcooling)},
                {"suctionTemperature", toUtf8(p.suctionTemperature)}};
}

Json fanJson(const FanPanels& f)
{
    return Json{{"name", toUtf8(f.name)},
                {"diameter", toUtf8(f.diameter)},
                {"supply", toUtf8(f.supply)},
                {"power", toUtf8(f.power)},
                {"currentMax", toUtf8(f.currentMax)},
                {"capacitor", toUtf8(f.capacitor)},
                {"speed", toUtf8(f.speed)},
                {"maxTemperature", toUtf8(f.maxTemperature)}};
}

Json compressorJson(const CompressorPanels& c)
{
    return Json{{"model", toUtf8(c.model)},
                {"displacement", toUtf8(c.displacement)},
                {"oilVolume", toUtf8(c.oilVolume)},
                {"oilType", toUtf8(c.oilType)},
                {"mass", toUtf8(c.mass)},
                {"maxCurrent", toUtf8(c.maxCurrent)},
                {"maxCurrentZ", toUtf8(c.maxCurrentZ)},
                {"starting", toUtf8(c.starting)}};
}

Json detailsJson(const UnitDetails& d, const std::vector<std::string>& messages)
{
    Json doc;
    doc["unitIndex"] = d.unitIndex;
    doc["row"] = d.row;
    doc["columns"] = columnsJson(d.range);
    doc["rangeColumnCount"] = d.staging.rangeColumnCount;
    doc["condensingTemperature"] = optionalNumber(d.data.condensingTemperatureC);
    doc["fanPower"] = optionalNumber(d.data.fanPowerKW);
    doc["totalPower"] = optionalNumber(d.data.totalPowerKW);
    doc["cop"] = optionalNumber(d.data.copValue);
    doc["suctionTemperature"] = toUtf8(d.data.suctionTemperature);
    doc["dimensions"] = dimensionsJson(d.dimensions);
    doc["panels"] = panelsJson(d.data);
    doc["fan"] = fanJson(d.fan);
    doc["compressor"] = compressorJson(d.compressor);
    doc["baseAccessories"] = d.baseAccessories;
    doc["boxAccessories"] = d.boxAccessories;
    doc["drawing"] = d.drawing.string();
    doc["failure"] = d.failure.empty() ? Json(nullptr) : Json(toUtf8(d.failure));
    Json texts = Json::array();
    for (const auto& message : messages)
        texts.push_back(message);
    doc["messages"] = std::move(texts);
    return doc;
}

void printRangeTable(std::ostream& out, const UnitDetails& d, const std::string& title,
                     bool capacity)
{
    out << title << "\n";
    std::vector<std::vector<std::string>> rows(kRangeAmbientCount + 1);
    rows[0].push_back(d.range.cornerText);
    for (std::size_t k = 0; k < kRangeAmbientCount; ++k)
        rows[k + 1].push_back(d.range.ambientTexts[k]);
    for (const RangeColumn& column : d.range.columns) {
        rows[0].push_back(column.toText);
        for (std::size_t k = 0; k < kRangeAmbientCount; ++k)
            rows[k + 1].push_back((capacity ? column.capacity[k] : column.power[k]).shown());
    }
    printTable(out, rows, std::vector<bool>(rows[0].size(), true));
}

void printDetails(std::ostream& out, const ApplicationState& state, const SelectionOptions& options,
                  const UnitDetails& d, const std::vector<std::string>& messages)
{
    const auto label = [&](int entry) { return languageText(state, options, entry); };
    const UnitDataPanels& p = d.data;
    const Dimensions& m = d.dimensions;
    const std::string dimensions = label(13);
    std::vector<std::vector<std::string>> rows{
        {label(86), p.evaporatingTemperature, "[C]"},
        {label(87), p.ambientTemperature, "[C]"},
        {label(88), toUtf8(p.unitName), ""},
        {label(89), toUtf8(p.compressorModel), ""},
        {label(90), p.capacity, "[W]"},
        {label(91), p.power, "[kW]"},
        {label(92), p.fanPower, "[kW]"},
        {label(93), p.totalPower, "[kW]"},
        {label(94), p.cop, ""},
        {label(95), toUtf8(p.version), ""},
        {label(96), p.condensingTemperature + p.condensingTemperatureMark, "[C]"},
        {label(97), toUtf8(p.subcooling), "[K]"},
        {label(98), toUtf8(p.suctionTemperature), "[C]"},
        {dimensions + " A B C", toUtf8(m.a) + " " + toUtf8(m.b) + " " + toUtf8(m.c), "[mm]"},
        {dimensions + " D E F", toUtf8(m.d) + " " + toUtf8(m.e) + " " + toUtf8(m.f), "[mm]"},
        {dimensions + " H G", toUtf8(m.h) + " " + toUtf8(m.g), "[mm]"}};
    printTable(out, rows, {});
    out << "Drawing: " << d.drawing.string() << "\n";
    out << "\n";
    printRangeTable(out, d, label(82), true);
    out << "\n";
    printRangeTable(out, d, label(83), false);
    if (!d.range.failure.empty())
        out << "Range tables: " << oneLine(toUtf8(d.range.failure)) << "\n";
    if (!messages.empty()) {
        out << "\n";
        for (const auto& message : messages)
            out << "Message: " << oneLine(message) << "\n";
    }
}

void runDetails(const DetailsOptions& options, CommandContext& context)
{
    auto state = std::make_unique<ApplicationState>();
    buildSelection(*state, options.selection);
    const int unitCount = state->catalogue.units.count();
    if (options.unitIndex < 1 || options.unitIndex > unitCount)
        throw CommandError("--unit-index: " + std::to_string(options.unitIndex) +
                           " is outside 1 .. " + std::to_string(unitCount));
    const auto& rows = state->selection.candidates.rows;
    int row = 0;
    for (std::size_t i = 0; i < rows.size() && row == 0; ++i)
        if (rows[i].unitIndex == options.unitIndex)
            row = static_cast<int>(i) + 1;
    if (row == 0)
        throw CommandError("--unit-index: unit " + std::to_string(options.unitIndex) +
                           " is not in the list for these inputs");
    CollectingMessageSink messages;
    const UnitDetails& details = showUnitDetails(*state, row, messages);
    if (options.selection.json)
        context.out << detailsJson(details, messages.messages).dump() << "\n";
    else
        printDetails(context.out, *state, options.selection, details, messages.messages);
}

} // namespace

void addDetailsCommand(CLI::App& app, CommandContext& context)
{
    auto options = std::make_shared<DetailsOptions>();
    auto* command = app.add_subcommand(
        "details", "Show the data and operating-range tables of one unit of the list");
    addSelectionOptions(command, options->selection);
    command->add_option("--unit-index", options->unitIndex, "Index of the unit in the catalogue")
        ->required();
    command->callback([options, &context] {
        runCommand(context, "details", [&] { runDetails(*options, context); });
    });
}

} // namespace kelvo::cli
