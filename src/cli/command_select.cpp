#include "cli/command_select.h"

#include <cstdint>
#include <memory>
#include <nlohmann/json.hpp>
#include <optional>
#include <ostream>

#include "cli/command_error.h"
#include "cli/json_numbers.h"
#include "cli/number_options.h"
#include "cli/selection_options.h"
#include "cli/text_table.h"
#include "core/selection/candidate_columns.h"
#include "core/selection/candidate_list.h"
#include "core/selection/selection_feedback.h"
#include "core/text/code_page.h"
#include "core/text/message_sink.h"
#include "core/text/numeric_text.h"
#include "core/text/untrusted_text.h"

namespace kelvo::cli
{
namespace
{

struct SelectOptions : SelectionOptions {
    ExportOptions exports;
    std::string capacity;
    CLI::Option* capacityOption = nullptr;
};

nlohmann::ordered_json cellJson(const CandidateCell& cell)
{
    switch (cell.kind) {
    case CandidateCell::Kind::Text:
        return cell.text;
    case CandidateCell::Kind::Integer:
        return static_cast<std::int64_t>(cell.number);
    case CandidateCell::Kind::Number:
        return cell.number;
    case CandidateCell::Kind::Flag:
        return cell.flag;
    case CandidateCell::Kind::None:
        break;
    }
    return nullptr;
}

nlohmann::ordered_json candidatesJson(const CandidateList& list, std::optional<int> chosen,
                                      UnitSystem units, char separator)
{
    const auto columns = candidateColumns(CandidateOutput::Json);
    nlohmann::ordered_json rows = nlohmann::ordered_json::array();
    for (std::size_t i = 0; i < list.rows.size(); ++i) {
        nlohmann::ordered_json row;
        for (const CandidateColumn* column : columns)
            row[std::string(column->keyIn(units))] = cellJson(
                inUnits(column->cell(list.rows[i], static_cast<int>(i) + 1, CandidateOutput::Json),
                        *column, units, separator));
        rows.push_back(std::move(row));
    }
    nlohmann::ordered_json doc;
    addUnitsJson(doc, units);
    doc["candidates"] = std::move(rows);
    doc["selectedRow"] = chosen ? nlohmann::ordered_json(*chosen) : nullptr;
    return doc;
}

void printCandidates(std::ostream& out, const SelectionSession& session,
                     const SelectOptions& options, std::optional<int> chosen)
{
    const CandidateList& list = session.state().candidates;
    const auto columns = candidateColumns(CandidateOutput::TextTable);
    // Row and Poz. are the two numbers that "details" and "datasheet" take: --row and
    // --unit-index.
    std::vector<std::vector<std::string>> rows(1);
    std::vector<bool> rightAligned;
    for (const CandidateColumn* column : columns) {
        rows[0].push_back(column->headerIn(CandidateOutput::TextTable, session.languages(),
                                           options.language, options.units));
        rightAligned.push_back(column->rightAligned);
    }
    for (std::size_t i = 0; i < list.rows.size(); ++i) {
        std::vector<std::string>& cells = rows.emplace_back();
        for (const CandidateColumn* column : columns)
            cells.push_back(inUnits(column->cell(list.rows[i], static_cast<int>(i) + 1,
                                                 CandidateOutput::TextTable),
                                    *column, options.units, session.workspace().displaySeparator())
                                .shown());
    }
    printTable(out, rows, rightAligned);
    if (options.capacityOption->count() > 0) {
        if (chosen)
            out << "\nChosen row: " << *chosen << " (Poz. " << list.row(*chosen)->unitIndex << ") "
                << toUtf8(list.row(*chosen)->unitName.view()) << "\n";
        else
            out << "\nChosen row: none\n";
    }
    if (!list.messages.empty()) {
        out << "\n";
        for (const auto& message : list.messages)
            out << "Message: " << oneLine(toUtf8(message)) << "\n";
    }
}

void runSelect(const SelectOptions& options, CommandContext& context)
{
    std::optional<double> required;
    std::string capacity = options.capacity;
    if (options.capacityOption->count() > 0) {
        required = numberOption("--capacity", options.capacity);
        if (!(*required > 0))
            throw CommandError("--capacity: a required capacity is above 0, not '" +
                               quotedText(options.capacity) + "'");
        // Typed in the unit shown: Btu/h in inch-pound units.
        capacity = typedCapacityAsWatts(options.capacity, options.units);
    }
    const SelectionJob job = openSelectionJob(options, context.refrigerants, "select", context.err);
    refuseDataFileOutputs(*job.workspace,
                          {{"--xlsx", &options.exports.xlsx}, {"--csv", &options.exports.csv}});
    SelectionSession& session = *job.session;
    // The best match is chosen as the window's search chooses it; its details stay unprinted.
    DiscardingMessageSink sink;
    if (required)
        session.selectByCapacity(capacity, sink);
    const std::optional<int> chosen = session.state().selectedRow;
    writeExports(session, options.exports, true, nullptr, options.units);
    if (options.json)
        context.out << candidatesJson(session.state().candidates, chosen, options.units,
                                      session.workspace().displaySeparator())
                           .dump()
                    << "\n";
    else
        printCandidates(context.out, session, options, chosen);
    // What the window's list area and status bar say: why the list is empty, or that no unit
    // reaches the capacity.
    if (const std::string hint = emptyListHint(session, options.language); !hint.empty())
        context.err << "kelvo select: " << hint << "\n";
    if (required)
        if (const auto note = capacitySearchNote(session, capacity, options.language))
            context.err << "kelvo select: " << *note << "\n";
}

} // namespace

void addSelectCommand(CLI::App& app, CommandContext& context)
{
    auto options = std::make_shared<SelectOptions>();
    auto* command =
        addCommand(app, context, "select",
                   "List the condensing units that fit the inputs, sorted by cooling capacity",
                   options, runSelect);
    addSelectionOptions(command, *options, context.refrigerants);
    addUnitsOption(command, options->units);
    addExportOptions(command, options->exports);
    options->capacityOption =
        command
            ->add_option("--capacity", options->capacity,
                         "Required cooling capacity in W (in Btu/h with --units ip): choose the "
                         "best matching unit")
            ->check(numberText());
}

} // namespace kelvo::cli
