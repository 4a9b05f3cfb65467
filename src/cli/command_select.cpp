#include "cli/command_select.h"

#include <cmath>
#include <cstdint>
#include <memory>
#include <nlohmann/json.hpp>
#include <optional>
#include <ostream>

#include "cli/command_error.h"
#include "cli/number_options.h"
#include "cli/property_tables.h"
#include "cli/selection_options.h"
#include "cli/text_table.h"
#include "core/selection/candidate_list.h"
#include "core/selection/capacity_search.h"
#include "core/selection/selection_feedback.h"
#include "core/text/code_page.h"

namespace kelvo::cli
{
namespace
{

struct SelectOptions : SelectionOptions {
    ExportOptions exports;
    std::string capacity;
    CLI::Option* capacityOption = nullptr;
};

// A shown capacity is a whole number of watts.
nlohmann::ordered_json wholeNumber(double value)
{
    if (std::fabs(value) < 9e15)
        return static_cast<std::int64_t>(value);
    return value;
}

nlohmann::ordered_json candidatesJson(const CandidateList& list, std::optional<int> chosen)
{
    nlohmann::ordered_json rows = nlohmann::ordered_json::array();
    for (std::size_t i = 0; i < list.rows.size(); ++i) {
        const Candidate& c = list.rows[i];
        nlohmann::ordered_json row;
        row["row"] = i + 1;
        row["unitIndex"] = c.unitIndex;
        row["name"] = toUtf8(c.unitName.view());
        row["capacityW"] = c.evaluated ? wholeNumber(c.capacityW) : nullptr;
        row["powerKW"] = c.evaluated ? nlohmann::ordered_json(c.powerKW) : nullptr;
        row["ok"] = c.evaluated;
        row["gaveUp"] = c.gaveUp;
        row["reason"] = c.evaluated ? nlohmann::ordered_json(nullptr)
                                    : nlohmann::ordered_json(toUtf8(c.reason));
        row["envelope"] =
            c.evaluated ? nlohmann::ordered_json(envelopePositionName(c.envelope)) : nullptr;
        row["tk"] = c.evaluated ? nlohmann::ordered_json(c.condensingTemperature) : nullptr;
        rows.push_back(std::move(row));
    }
    nlohmann::ordered_json doc;
    doc["candidates"] = std::move(rows);
    doc["selectedRow"] = chosen ? nlohmann::ordered_json(*chosen) : nullptr;
    return doc;
}

void printCandidates(std::ostream& out, const ApplicationState& state, const SelectOptions& options,
                     std::optional<int> chosen)
{
    const CandidateList& list = state.selection.candidates;
    const auto headers = candidateListHeaders(state.languages, options.language);
    // The two numbers that "details" and "datasheet" take: --row and --unit-index.
    std::vector<std::vector<std::string>> rows{
        {"Row", "Poz.", headers[1], headers[2], headers[3], ""}};
    for (std::size_t i = 0; i < list.rows.size(); ++i) {
        const Candidate& c = list.rows[i];
        std::string mark = c.mark + c.envelopeMark;
        if (!c.reason.empty())
            mark += " " + oneLine(toUtf8(c.reason));
        if (!c.envelopeReason.empty())
            mark += " " + oneLine(toUtf8(c.envelopeReason));
        rows.push_back({std::to_string(i + 1), std::to_string(c.unitIndex),
                        toUtf8(c.unitName.view()), c.capacityText, c.powerText, mark});
    }
    printTable(out, rows, {true, true, false, true, true, false});
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
    if (options.capacityOption->count() > 0)
        required = numberOption("--capacity", options.capacity);
    auto state = std::make_unique<ApplicationState>();
    buildSelection(*state, options);
    sayPropertyTableNote(*state, "select", context.err);
    std::optional<int> chosen;
    if (required)
        chosen = searchByCapacity(state->selection.candidates, options.capacity);
    writeExports(*state, options.exports, true, nullptr);
    if (options.json)
        context.out << candidatesJson(state->selection.candidates, chosen).dump() << "\n";
    else
        printCandidates(context.out, *state, options, chosen);
    // What the window's list area and status bar say: why the list is empty, or that no unit
    // reaches the capacity.
    const int language = state->languages.currentLanguage();
    if (const std::string hint = emptyListHint(*state, language); !hint.empty())
        context.err << "kelvo select: " << hint << "\n";
    state->selection.selectedRow = chosen;
    if (required)
        if (const auto note = capacitySearchNote(*state, options.capacity, language))
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
    addSelectionOptions(command, *options);
    addExportOptions(command, options->exports);
    options->capacityOption =
        command
            ->add_option("--capacity", options->capacity,
                         "Required cooling capacity in W: choose the best matching unit")
            ->check(numberText());
}

} // namespace kelvo::cli
