#include "cli/command_datasheet.h"

#include <chrono>
#include <cstdio>
#include <memory>
#include <nlohmann/json.hpp>
#include <ostream>
#include <string>
#include <vector>

#include "cli/command_base.h"
#include "cli/command_error.h"
#include "cli/selection_options.h"
#include "cli/text_table.h"
#include "core/selection/datasheet_parameters.h"
#include "core/selection/unit_details.h"
#include "core/text/message_sink.h"
#include "core/text/numeric_text.h"
#include "core/text/untrusted_text.h"

namespace kelvo::cli
{
namespace
{

struct DatasheetOptions : SelectionOptions {
    UnitChoice unit;
    std::vector<std::string> accessories;
    std::string pdf;
    bool params = false;
};

// The day as year-month-day, for a program without the desktop toolkit's locale data.
std::string isoDate()
{
    const auto today = std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now());
    const std::chrono::year_month_day date{today};
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u", static_cast<int>(date.year()),
                  static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
    return text;
}

// "AD4=2", "AD1": the additional accessory of that line ticked, with the quantity its line
// carries (lines 4, 5 and 6 need one, the others take none).
AdditionalAccessoryChoices accessoryChoices(const std::vector<std::string>& items, bool base)
{
    const int lines = base ? kBaseAdditionalAccessoryLines : kBoxAdditionalAccessoryLines;
    AdditionalAccessoryChoices choices;
    for (const std::string& item : items) {
        const auto fail = [&](const std::string& why) {
            throw CommandError("--accessory: '" + quotedText(item) + "' " + why);
        };
        const auto equals = item.find('=');
        const std::string key = item.substr(0, equals);
        if (key.size() < 3 || (key[0] != 'A' && key[0] != 'a') || (key[1] != 'D' && key[1] != 'd'))
            fail("is not ADn or ADn=quantity");
        const auto line = parseInteger(key.substr(2));
        if (!line || key.find(' ') != std::string::npos || *line < 1 || *line > lines)
            fail("names no line: AD1 .. AD" + std::to_string(lines) + " for this family");
        const int q = *line - kFirstQuantityLine;
        const bool hasQuantity = q >= 0 && q < kQuantityLines;
        if (hasQuantity) {
            if (equals == std::string::npos)
                fail("needs a quantity, e.g. AD" + std::to_string(*line) + "=2");
            const std::string quantity = item.substr(equals + 1);
            const auto value = parseInteger(quantity);
            if (quantity.empty() || quantity.find_first_not_of("0123456789") != std::string::npos ||
                !value || *value > 999)
                fail("needs a quantity of 0 .. 999");
            choices.quantities[static_cast<std::size_t>(q)] = quantity;
        } else if (equals != std::string::npos) {
            fail("takes no quantity (only AD4, AD5 and AD6 do)");
        }
        choices.ticked[static_cast<std::size_t>(*line - 1)] = true;
    }
    return choices;
}

void printParameters(std::ostream& out, const ReportParameters& parameters)
{
    nlohmann::ordered_json object = nlohmann::ordered_json::object();
    for (const ReportParameter& p : parameters)
        object[p.name] = p.text;
    out << object.dump(2) << "\n";
}

void runDatasheet(const DatasheetOptions& options, CommandContext& context)
{
    if (options.pdf.empty() && !options.params)
        throw CommandError("nothing to do: give --pdf FILE, --params or both");
    const SelectionJob job =
        openSelectionJob(options, context.refrigerants, "datasheet", context.err);
    refuseDataFileOutputs(*job.workspace, {{"--pdf", &options.pdf}});
    SelectionSession& session = *job.session;
    const int row = chosenListRow(session, options.unit);
    const AdditionalAccessoryChoices choices =
        accessoryChoices(options.accessories, session.family() == UnitFamily::Base);
    DiscardingMessageSink sink;
    const UnitDetails& details = session.chooseRow(row, sink);

    if (options.params) {
        DatasheetInputs inputs;
        inputs.language = options.language;
        inputs.date = context.toolkit.datasheetDate ? context.toolkit.datasheetDate() : isoDate();
        inputs.accessories = choices;
        inputs.units = options.units;
        printParameters(context.out, session.datasheetParameters(inputs, sink));
    }
    if (!options.pdf.empty()) {
        // A PDF that cannot be made or written is a failed command, not a bad option.
        if (!context.toolkit.writeDatasheetPdf)
            throw CommandFailure("--pdf: this program is built without the desktop toolkit");
        const std::string error =
            context.toolkit.writeDatasheetPdf(session, choices, options.language, options.pdf);
        if (!error.empty())
            throw CommandFailure(error);
    }
    // A datasheet without the unit's figures is written, but is not the datasheet asked for.
    if (!details.failure.empty())
        throw CommandFailure(toUtf8(details.failure));
}

} // namespace

void addDatasheetCommand(CLI::App& app, CommandContext& context)
{
    auto options = std::make_shared<DatasheetOptions>();
    // The parameters are the JSON this command prints.
    auto* command =
        addCommand(app, context, "datasheet",
                   "Write the datasheet of one unit of the list as PDF or print its parameters",
                   options, runDatasheet, JsonSwitch::NotOffered);
    addOneUnitOptions(command, *options, options->unit, context.refrigerants);
    command->add_option("--accessory", options->accessories,
                        "Additional accessory ticked: ADn, or ADn=quantity for AD4, AD5, AD6 "
                        "(repeatable)");
    command->add_option("--pdf", options->pdf, "Write the datasheet to this PDF file");
    command->add_flag("--params", options->params,
                      "Print the report parameters as a JSON object, in the order set");
}

} // namespace kelvo::cli
