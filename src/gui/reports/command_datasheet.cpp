#include "gui/reports/command_datasheet.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <cstdio>
#include <memory>
#include <nlohmann/json.hpp>
#include <ostream>
#include <string>
#include <vector>

#include "cli/command_error.h"
#include "cli/commands.h"
#include "cli/selection_options.h"
#include "cli/text_table.h"
#include "core/app/message_sink.h"
#include "core/reports/datasheet_parameters.h"
#include "core/selection/unit_details.h"
#include "core/text/numeric_text.h"
#include "gui/reports/unit_datasheet.h"

namespace kelvo::gui
{
namespace
{

using cli::CommandError;

struct DatasheetOptions {
    cli::SelectionOptions selection;
    int unitIndex = 0;
    std::vector<std::string> accessories;
    std::string pdf;
    bool params = false;
};

// The Qt application a PDF needs for its fonts. A PDF needs no screen, so without a platform
// chosen by the user the offscreen one is used: it works with and without a display.
class HeadlessApplication
{
  public:
    HeadlessApplication() : previousHandler_(qInstallMessageHandler(quietHandler))
    {
        if (QCoreApplication::instance())
            return;
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        application_ = std::make_unique<QGuiApplication>(argc_, argv_);
    }
    ~HeadlessApplication()
    {
        application_.reset();
        qInstallMessageHandler(previousHandler_);
    }
    HeadlessApplication(const HeadlessApplication&) = delete;
    HeadlessApplication& operator=(const HeadlessApplication&) = delete;

  private:
    // The toolkit's notes about the session it runs in (no runtime folder, no display) are
    // no concern of a command that writes a file; its errors still reach stderr.
    static void quietHandler(QtMsgType type, const QMessageLogContext&, const QString& text)
    {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            std::fprintf(stderr, "kelvo datasheet: %s\n", qPrintable(text));
    }

    QtMessageHandler previousHandler_;
    int argc_ = 1;
    char name_[6] = "kelvo";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QGuiApplication> application_;
};

// "AD4=2", "AD1": the additional accessory of that line ticked, with the quantity its line
// carries (lines 4, 5 and 6 need one, the others take none).
AdditionalAccessoryChoices accessoryChoices(const std::vector<std::string>& items, bool base)
{
    const int lines = base ? kBaseAdditionalAccessoryLines : kBoxAdditionalAccessoryLines;
    AdditionalAccessoryChoices choices;
    for (const std::string& item : items) {
        const auto fail = [&](const std::string& why) {
            throw CommandError("--accessory: '" + item + "' " + why);
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

int listRowOf(const ApplicationState& state, int unitIndex)
{
    const int unitCount = state.catalogue.units.count();
    if (unitIndex < 1 || unitIndex > unitCount)
        throw CommandError("--unit-index: " + std::to_string(unitIndex) + " is outside 1 .. " +
                           std::to_string(unitCount));
    const auto& rows = state.selection.candidates.rows;
    for (std::size_t i = 0; i < rows.size(); ++i)
        if (rows[i].unitIndex == unitIndex)
            return static_cast<int>(i) + 1;
    throw CommandError("--unit-index: unit " + std::to_string(unitIndex) +
                       " is not in the list for these inputs");
}

void printParameters(std::ostream& out, const ReportParameters& parameters)
{
    nlohmann::ordered_json object = nlohmann::ordered_json::object();
    for (const ReportParameter& p : parameters)
        object[p.name] = p.text;
    out << object.dump(2) << "\n";
}

void runDatasheet(const DatasheetOptions& options, cli::CommandContext& context)
{
    if (options.pdf.empty() && !options.params)
        throw CommandError("nothing to do: give --pdf FILE, --params or both");
    auto state = std::make_unique<ApplicationState>();
    cli::buildSelection(*state, options.selection);
    const int row = listRowOf(*state, options.unitIndex);
    const AdditionalAccessoryChoices choices =
        accessoryChoices(options.accessories, state->selection.familyIsBase);
    DiscardingMessageSink sink;
    showUnitDetails(*state, row, sink);

    if (options.params) {
        DatasheetInputs inputs;
        inputs.language = options.selection.language;
        inputs.date = datasheetDate();
        inputs.accessories = choices;
        printParameters(context.out, unitDatasheetParameters(*state, inputs, sink));
    }
    if (!options.pdf.empty()) {
        HeadlessApplication application;
        QString error;
        if (!writeUnitDatasheetPdf(*state, choices, options.selection.language,
                                   QString::fromStdString(options.pdf), &error))
            throw CommandError(error.toStdString());
    }
}

} // namespace

void addDatasheetCommand(CLI::App& app, cli::CommandContext& context)
{
    auto options = std::make_shared<DatasheetOptions>();
    auto* command = app.add_subcommand(
        "datasheet", "Write the datasheet of one unit of the list as PDF or print its parameters");
    cli::addSelectionOptions(command, options->selection);
    // The parameters are the JSON this command prints.
    if (auto* json = command->get_option_no_throw("--json"))
        command->remove_option(json);
    command->add_option("--unit-index", options->unitIndex, "Index of the unit in the catalogue")
        ->required();
    command->add_option("--accessory", options->accessories,
                        "Additional accessory ticked: ADn, or ADn=quantity for AD4, AD5, AD6 "
                        "(repeatable)");
    command->add_option("--pdf", options->pdf, "Write the datasheet to this PDF file");
    command->add_flag("--params", options->params,
                      "Print the report parameters as a JSON object, in the order set");
    command->callback([options, &context] {
        cli::runCommand(context, "datasheet", [&] { runDatasheet(*options, context); });
    });
}

} // namespace kelvo::gui
