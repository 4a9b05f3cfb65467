#include "cli/command_compare.h"

#include <memory>
#include <nlohmann/json.hpp>
#include <ostream>

#include "cli/command_error.h"
#include "cli/json_numbers.h"
#include "cli/selection_options.h"
#include "cli/text_table.h"
#include "core/io/file_io.h"
#include "core/selection/unit_comparison.h"
#include "core/spreadsheet/first_row_cells.h"
#include "core/text/message_sink.h"
#include "core/text/numeric_text.h"
#include "core/text/untrusted_text.h"

namespace kelvo::cli
{
namespace
{

using Json = nlohmann::ordered_json;

struct CompareOptions : SelectionOptions {
    std::string unitIndexes;
    std::string rows;
    CLI::Option* unitIndexOption = nullptr;
    CLI::Option* rowOption = nullptr;
    ExportOptions exports;
};

// "3,7,12" as whole numbers; CommandError naming the option for anything else.
std::vector<int> wholeNumberList(const std::string& option, const std::string& text)
{
    std::vector<int> numbers;
    std::size_t start = 0;
    while (start <= text.size()) {
        const auto end = std::min(text.find(',', start), text.size());
        const std::string item = text.substr(start, end - start);
        const auto number = parseInteger(item);
        if (!number)
            throw CommandError(option + ": not a whole number: '" + quotedText(item) + "'");
        numbers.push_back(*number);
        start = end + 1;
    }
    return numbers;
}

// The list rows the options name, in their order; bad or missing options are CommandError,
// units the list does not hold CommandFailure.
std::vector<int> chosenRows(const SelectionSession& session, const CompareOptions& options)
{
    const bool byIndex = options.unitIndexOption->count() > 0;
    const bool byRow = options.rowOption->count() > 0;
    if (byIndex == byRow)
        throw CommandError(byIndex ? "give --unit-index or --row, not both"
                                   : "give the units: --unit-index A,B,C or --row A,B,C");
    const std::string option = byIndex ? "--unit-index" : "--row";
    const auto numbers = wholeNumberList(option, byIndex ? options.unitIndexes : options.rows);
    if (const auto note = comparisonCountNote(static_cast<int>(numbers.size()), options.language))
        throw CommandError(option + ": " + *note);
    for (std::size_t i = 0; i < numbers.size(); ++i)
        for (std::size_t j = 0; j < i; ++j)
            if (numbers[i] == numbers[j])
                throw CommandError(option + ": " + std::to_string(numbers[i]) + " is given twice");
    std::vector<int> rows;
    const int listed = static_cast<int>(session.state().candidates.rows.size());
    for (const int number : numbers) {
        if (byIndex) {
            rows.push_back(listRowOfUnit(session, number));
        } else if (number < 1 || number > listed) {
            throw CommandFailure(listed == 0
                                     ? "--row: the list is empty for these inputs"
                                     : "--row: " + std::to_string(number) +
                                           " is outside the list, 1 .. " + std::to_string(listed));
        } else {
            rows.push_back(number);
        }
    }
    return rows;
}

const char* betterName(BetterValue better)
{
    switch (better) {
    case BetterValue::Larger:
        return "larger";
    case BetterValue::Smaller:
        return "smaller";
    case BetterValue::None:
        break;
    }
    return nullptr;
}

Json comparisonJson(const UnitComparison& comparison, const std::vector<std::string>& messages,
                    UnitSystem system)
{
    Json doc;
    addUnitsJson(doc, system);
    Json units = Json::array();
    for (std::size_t u = 0; u < comparison.rows.size(); ++u)
        units.push_back(
            {{"row", comparison.rows[u]},
             {"unitIndex", comparison.unitIndexes[u]},
             {"failure",
              comparison.failures[u].empty() ? Json(nullptr) : Json(comparison.failures[u])}});
    doc["units"] = std::move(units);
    Json lines = Json::array();
    for (const ComparisonLine& line : comparison.lines) {
        Json entry;
        entry["key"] = line.key;
        entry["caption"] = line.caption;
        entry["unit"] = line.unitLabel;
        const char* better = betterName(line.better);
        entry["better"] = better ? Json(better) : Json(nullptr);
        Json cells = Json::array();
        for (const ComparisonCell& cell : line.cells)
            cells.push_back({{"text", cell.text},
                             {"value", cell.value ? Json(*cell.value) : Json(nullptr)},
                             {"best", cell.best}});
        entry["cells"] = std::move(cells);
        lines.push_back(std::move(entry));
    }
    doc["lines"] = std::move(lines);
    Json texts = Json::array();
    for (const auto& message : messages)
        texts.push_back(message);
    doc["messages"] = std::move(texts);
    return doc;
}

void printComparison(std::ostream& out, const UnitComparison& comparison,
                     const std::vector<std::string>& messages)
{
    out << comparison.heading << "\n";
    std::vector<std::vector<std::string>> rows;
    // Named as the list of "select" names them.
    for (const auto& [caption, numbers] :
         {std::pair{"Row", &comparison.rows}, {"Poz.", &comparison.unitIndexes}}) {
        std::vector<std::string> line{caption, ""};
        for (const int number : *numbers)
            line.push_back(std::to_string(number));
        rows.push_back(std::move(line));
    }
    bool anyBest = false;
    for (const ComparisonLine& line : comparison.lines) {
        std::vector<std::string> row{line.caption, line.unitLabel};
        for (const ComparisonCell& cell : line.cells) {
            row.push_back(cell.best ? cell.text + std::string(kBestValueMark) : cell.text);
            anyBest = anyBest || cell.best;
        }
        rows.push_back(std::move(row));
    }
    printTable(out, rows, {});
    if (anyBest)
        out << kBestValueMark << " " << comparison.bestValueLegend << "\n";
    for (std::size_t u = 0; u < comparison.failures.size(); ++u)
        if (!comparison.failures[u].empty())
            out << "Row " << comparison.rows[u] << " (Poz. " << comparison.unitIndexes[u]
                << "): " << oneLine(comparison.failures[u]) << "\n";
    if (!messages.empty()) {
        out << "\n";
        for (const auto& message : messages)
            out << "Message: " << oneLine(message) << "\n";
    }
}

void writeComparisonFiles(const UnitComparison& comparison, const ExportOptions& options,
                          int language)
{
    for (const auto& [file, format] :
         {std::pair{options.xlsx, ExportFormat::Xlsx}, {options.csv, ExportFormat::Csv}}) {
        if (file.empty())
            continue;
        try {
            writeComparisonExport(file, comparison, format);
        } catch (const SpreadsheetError& error) {
            throw CommandFailure(spreadsheetErrorText(error, language));
        } catch (const FileError& error) {
            throw CommandFailure(error.path().string() + ": " + error.reason());
        }
    }
}

void runCompare(const CompareOptions& options, CommandContext& context)
{
    const SelectionJob job =
        openSelectionJob(options, context.refrigerants, "compare", context.err);
    refuseDataFileOutputs(*job.workspace,
                          {{"--xlsx", &options.exports.xlsx}, {"--csv", &options.exports.csv}});
    SelectionSession& session = *job.session;
    const std::vector<int> rows = chosenRows(session, options);
    CollectingMessageSink messages;
    const UnitComparison comparison =
        comparisonIn(compareUnits(session, rows, messages), options.units,
                     session.workspace().displaySeparator());
    writeComparisonFiles(comparison, options.exports, session.languages().currentLanguage());
    if (options.json)
        context.out << comparisonJson(comparison, messages.messages, options.units).dump() << "\n";
    else
        printComparison(context.out, comparison, messages.messages);
    // The table is shown, but some unit's figures could not be computed.
    for (std::size_t u = 0; u < comparison.failures.size(); ++u)
        if (!comparison.failures[u].empty())
            throw CommandFailure("unit " + std::to_string(comparison.unitIndexes[u]) + ": " +
                                 comparison.failures[u]);
}

} // namespace

void addCompareCommand(CLI::App& app, CommandContext& context)
{
    auto options = std::make_shared<CompareOptions>();
    auto* command = addCommand(app, context, "compare",
                               "Show two to four units of the list side by side, the best "
                               "figures marked",
                               options, runCompare);
    addSelectionOptions(command, *options, context.refrigerants);
    addUnitsOption(command, options->units);
    addExtraAmbientOption(command, *options);
    options->unitIndexOption = command->add_option(
        "--unit-index", options->unitIndexes,
        "Indexes of the units in the catalogue, comma-separated (column Poz. of kelvo select)");
    options->rowOption = command->add_option(
        "--row", options->rows,
        "Rows of the units in the list for these inputs, comma-separated (column Row of kelvo "
        "select)");
    addExportOptions(command, options->exports);
}

} // namespace kelvo::cli
