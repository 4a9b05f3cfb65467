#include "cli/command_details.h"

#include <algorithm>
#include <memory>
#include <nlohmann/json.hpp>
#include <ostream>

#include "cli/command_error.h"
#include "cli/json_numbers.h"
#include "cli/selection_options.h"
#include "cli/text_table.h"
#include "core/selection/details_in_units.h"
#include "core/selection/display_figures.h"
#include "core/selection/unit_details.h"
#include "core/selection/window_captions.h"
#include "core/text/code_page.h"
#include "core/text/message_sink.h"
#include "core/text/numeric_text.h"

namespace kelvo::cli
{
namespace
{

using Json = nlohmann::ordered_json;

struct DetailsOptions : SelectionOptions {
    UnitChoice unit;
    ExportOptions exports;
};

Json columnsJson(const RangeTables& range)
{
    // "Qo27", "Pe27" ...: one key per row, named by its ambient.
    std::vector<std::string> ambients;
    for (const double ambient : range.ambients)
        ambients.push_back(formatNumber(ambient, '.'));
    Json columns = Json::array();
    for (const RangeColumn& column : range.columns) {
        Json entry;
        entry["to"] = column.to;
        for (std::size_t k = 0; k < ambients.size(); ++k)
            entry["Qo" + ambients[k]] = optionalWholeNumber(column.capacity[k].value);
        for (std::size_t k = 0; k < ambients.size(); ++k)
            entry["Pe" + ambients[k]] = optionalNumber(column.power[k].value);
        Json gaveUp = Json::array();
        Json envelope = Json::array();
        Json tk = Json::array();
        for (const RangeCell& cell : column.capacity) {
            gaveUp.push_back(cell.gaveUp);
            envelope.push_back(cell.condensingTemperature
                                   ? Json(envelopePositionName(cell.envelope))
                                   : Json(nullptr));
            tk.push_back(optionalNumber(cell.condensingTemperature));
        }
        entry["gaveUp"] = std::move(gaveUp);
        entry["envelope"] = std::move(envelope);
        entry["tk"] = std::move(tk);
        columns.push_back(std::move(entry));
    }
    return columns;
}

Json dimensionsJson(const Dimensions& d)
{
    Json doc;
    for (const DimensionField& field : kDimensionFields)
        doc[std::string(field.letter)] = toUtf8(d.*field.value);
    return doc;
}

// One object per data page: the figure's key and the text its panel shows.
Json pageJson(const DetailPage& page, const UnitDetails& details)
{
    Json doc;
    for (const DetailLine& line : page.lines)
        doc[std::string(line.key)] = toUtf8(line.text(details));
    return doc;
}

Json detailsJson(const UnitDetails& d, const std::vector<std::string>& messages, UnitSystem units)
{
    Json doc;
    addUnitsJson(doc, units);
    doc["unitIndex"] = d.unitIndex;
    doc["row"] = d.row;
    doc["columns"] = columnsJson(d.range);
    doc["rangeColumnCount"] = d.staging.rangeColumnCount;
    doc["condensingTemperature"] = optionalNumber(d.data.condensingTemperatureC);
    doc["condensingEnvelope"] = d.data.condensingTemperatureUnrounded
                                    ? Json(envelopePositionName(d.data.condensingEnvelope))
                                    : Json(nullptr);
    doc["fanPower"] = optionalNumber(d.data.fanPowerKW);
    doc["totalPower"] = optionalNumber(d.data.totalPowerKW);
    doc["cop"] = optionalNumber(d.data.copValue);
    doc["suctionTemperature"] = toUtf8(d.data.suctionTemperature);
    doc["dimensions"] = dimensionsJson(d.dimensions);
    doc["panels"] = pageJson(kUnitDataPage, d);
    doc["fan"] = pageJson(kFanDataPage, d);
    doc["compressor"] = pageJson(kCompressorDataPage, d);
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
                     bool capacity, UnitSystem units)
{
    out << labelledTextIn(title, units, ',') << "\n";
    const std::size_t ambients = d.range.ambientTexts.size();
    std::vector<std::vector<std::string>> rows(ambients + 1);
    rows[0].push_back(d.range.cornerText);
    for (std::size_t k = 0; k < ambients; ++k)
        rows[k + 1].push_back(d.range.ambientTexts[k]);
    for (const RangeColumn& column : d.range.columns) {
        rows[0].push_back(column.toText);
        for (std::size_t k = 0; k < ambients; ++k)
            rows[k + 1].push_back((capacity ? column.capacity[k] : column.power[k]).shown());
    }
    printTable(out, rows, std::vector<bool>(rows[0].size(), true));
}

void printDetails(std::ostream& out, const SelectionSession& session,
                  const SelectionOptions& options, const UnitDetails& d,
                  const std::vector<std::string>& messages)
{
    const auto label = [&](int entry) {
        return std::string(session.languages().text(options.language, entry));
    };
    std::vector<std::vector<std::string>> rows;
    for (const DetailLine& line : kUnitDataPage.lines)
        rows.push_back(
            {label(line.entry), toUtf8(line.text(d)), labelIn(line.unitLabel, options.units)});
    // The dimensions as the group lays them out, row by row.
    const std::string dimensions = label(LanguageEntry::Dimensions);
    for (int row = 0; row < 3; ++row) {
        std::vector<const DimensionField*> fields;
        for (const DimensionField& field : kDimensionFields)
            if (field.row == row)
                fields.push_back(&field);
        std::sort(fields.begin(), fields.end(),
                  [](const auto* a, const auto* b) { return a->column < b->column; });
        std::string letters;
        std::string values;
        for (const DimensionField* field : fields) {
            letters += " " + std::string(field->letter);
            values += (values.empty() ? "" : " ") + toUtf8(d.dimensions.*field->value);
        }
        rows.push_back({dimensions + letters, values, "[mm]"});
    }
    printTable(out, rows, {});
    out << "Drawing: " << d.drawing.string() << "\n";
    out << "\n";
    printRangeTable(out, d, label(LanguageEntry::CoolingCapacityQo), true, options.units);
    out << "\n";
    printRangeTable(out, d, label(LanguageEntry::PowerInputPe), false, options.units);
    if (!d.range.failure.empty())
        out << "Range tables: " << oneLine(toUtf8(d.range.failure)) << "\n";
    if (anyFigureMarked(d))
        for (const std::string& line : markLegend(session.languages().currentLanguage()))
            out << line << "\n";
    if (!messages.empty()) {
        out << "\n";
        for (const auto& message : messages)
            out << "Message: " << oneLine(message) << "\n";
    }
}

void runDetails(const DetailsOptions& options, CommandContext& context)
{
    const SelectionJob job =
        openSelectionJob(options, context.refrigerants, "details", context.err);
    refuseDataFileOutputs(*job.workspace,
                          {{"--xlsx", &options.exports.xlsx}, {"--csv", &options.exports.csv}});
    SelectionSession& session = *job.session;
    const int row = chosenListRow(session, options.unit);
    CollectingMessageSink messages;
    const UnitDetails& details = session.chooseRow(row, messages);
    writeExports(session, options.exports, false, &details, options.units);
    // Shown in the units asked for; the calculation stays SI.
    const UnitDetails shown =
        unitDetailsIn(details, options.units, session.workspace().displaySeparator());
    if (options.json)
        context.out << detailsJson(shown, messages.messages, options.units).dump() << "\n";
    else
        printDetails(context.out, session, options, shown, messages.messages);
    // The details are shown, but the unit's figures could not be computed.
    if (!details.failure.empty())
        throw CommandFailure(toUtf8(details.failure));
}

} // namespace

void addDetailsCommand(CLI::App& app, CommandContext& context)
{
    auto options = std::make_shared<DetailsOptions>();
    auto* command = addCommand(app, context, "details",
                               "Show the data and operating-range tables of one unit of the list",
                               options, runDetails);
    addOneUnitOptions(command, *options, options->unit, context.refrigerants);
    addExportOptions(command, options->exports);
}

} // namespace kelvo::cli
