#include "cli/selection_options.h"

#include <algorithm>
#include <cctype>
#include <string_view>
#include <vector>

#include "cli/command_error.h"
#include "cli/data_option.h"
#include "cli/language_option.h"
#include "cli/number_options.h"
#include "cli/property_tables.h"
#include "cli/refrigerant_option.h"
#include "core/io/file_io.h"
#include "core/selection/selection_export.h"
#include "core/spreadsheet/first_row_cells.h"
#include "core/text/message_sink.h"
#include "core/text/numeric_text.h"
#include "core/text/untrusted_text.h"

namespace kelvo::cli
{
namespace
{

bool sameIgnoringCase(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

std::vector<std::string> splitList(const std::string& text)
{
    std::vector<std::string> items;
    std::size_t start = 0;
    while (start <= text.size()) {
        const auto end = std::min(text.find(',', start), text.size());
        if (end > start)
            items.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return items;
}

// "SPIRAL,HERMETIC,SEMIHERMETIC".
template <std::size_t N> std::string valueList(const FilterGroup<N>& group)
{
    std::string list;
    for (const auto& o : group)
        list += (list.empty() ? "" : ",") + std::string(o.value);
    return list;
}

// Ticks the options a filter option names, or all of them when the option is absent.
template <std::size_t N>
void applyFilter(FilterTicks<N>& ticks, const std::string& optionName, const CLI::Option* option,
                 const std::string& text, const FilterGroup<N>& group)
{
    const bool given = option && option->count() > 0;
    ticks.fill(!given);
    if (!given)
        return;
    for (const auto& item : splitList(text)) {
        const auto match = std::find_if(group.begin(), group.end(), [&](const FilterOption& o) {
            return sameIgnoringCase(item, o.value);
        });
        if (match == group.end()) {
            std::string known;
            for (const auto& o : group)
                known += (known.empty() ? "" : ", ") + std::string(o.value);
            throw CommandError(optionName + ": unknown value '" + quotedText(item) +
                               "' (known: " + known + ")");
        }
        ticks[static_cast<std::size_t>(match - group.begin())] = true;
    }
}

UnitFamily familyOption(const std::string& text)
{
    if (sameIgnoringCase(text, kBoxFamily))
        return UnitFamily::Box;
    if (sameIgnoringCase(text, kBaseFamily))
        return UnitFamily::Base;
    throw CommandError("--family: unknown family '" + quotedText(text) + "' (known: BOX, BASE)");
}

std::string refrigerantOption(const RefrigerantRegistry& refrigerants, const std::string& text)
{
    const std::vector<std::string> names = refrigerants.selectionNames();
    for (const std::string& name : names)
        if (sameIgnoringCase(text, name))
            return name;
    throw CommandError("--refrigerant: unknown refrigerant '" + quotedText(text) +
                       "' (known: " + nameList(names, ", ") + ")");
}

std::optional<double> extraAmbientOption(const SelectionOptions& options)
{
    if (options.extraAmbient.empty())
        return std::nullopt;
    const double ambient = numberOption("--extra-ambient", options.extraAmbient);
    if (!isExtraAmbient(ambient))
        throw CommandError("--extra-ambient: " + extraAmbientRangeFault(options.extraAmbient));
    return ambient;
}

} // namespace

void addSelectionOptions(CLI::App* command, SelectionOptions& options,
                         const RefrigerantRegistry& refrigerants)
{
    command->add_option("--family", options.family, "Unit family: BOX or BASE")->required();
    command->add_option(
        "--refrigerant", options.refrigerant,
        "Refrigerant: " + refrigerantList(refrigerants, RefrigerantOrder::Selection) +
            " (default " + kDefaultRefrigerant + ")");
    command
        ->add_option("--to", options.to,
                     "Evaporating temperature in C, \"12,5\" or \"12.5\" (default 0)")
        ->check(temperatureText());
    command->add_option("--ambient", options.ambient, "Ambient air temperature in C (default 32)")
        ->check(temperatureText());
    options.kindOption = command->add_option(
        "--kind", options.kinds,
        "Compressor kinds admitted, comma-separated: " + valueList(kSelectionKindFilter) +
            " (default all)");
    options.brandOption = command->add_option(
        "--brand", options.brands,
        "Compressor brands admitted, comma-separated: " + valueList(kSelectionBrandFilter) +
            " (default all)");
    options.versionOption =
        command->add_option("--version", options.versions,
                            "Condenser versions admitted for BASE, comma-separated: " +
                                valueList(kSelectionVersionFilter) + " (default all)");
    command->add_flag("--inside-envelope", options.insideEnvelope,
                      "List only the units whose working point lies inside their compressor's "
                      "operating envelope");
    addLanguageOption(command, options.language);
}

void addUnitsOption(CLI::App* command, UnitSystem& units)
{
    command
        ->add_option_function<std::string>(
            "--units",
            [&units](const std::string& name) {
                units = unitSystemNamed(name).value_or(UnitSystem::Si);
            },
            "Units of the figures shown: si (C, W, kW, bar) or ip (F, Btu/h, kW, psia); the "
            "calculation stays SI, temperature options stay in C and --capacity is typed in the "
            "unit shown")
        ->check(CLI::Validator(
            [](const std::string& name) {
                return unitSystemNamed(name) ? std::string()
                                             : "\"" + name + "\" is neither si nor ip";
            },
            "si|ip"));
}

void addExtraAmbientOption(CLI::App* command, SelectionOptions& options)
{
    command
        ->add_option("--extra-ambient", options.extraAmbient,
                     "Add a row to the range tables at this ambient air temperature in C, " +
                         formatNumber(kExtraAmbientMin, '.') + " .. " +
                         formatNumber(kExtraAmbientMax, '.') + " (e.g. 43)")
        ->check(extraAmbientText());
}

void addExportOptions(CLI::App* command, ExportOptions& options)
{
    command->add_option("--xlsx", options.xlsx, "Also write the figures to this .xlsx workbook");
    command->add_option(
        "--csv", options.csv,
        "Also write the figures to this .csv file (\";\" separated, \",\" decimals)");
}

void writeExports(const SelectionSession& session, const ExportOptions& options, bool withList,
                  const UnitDetails* details, UnitSystem units)
{
    const auto cells = selectionExportCells(session, withList, details, units);
    // The option names the format, whatever the file is called.
    for (const auto& [file, format] :
         {std::pair{options.xlsx, ExportFormat::Xlsx}, {options.csv, ExportFormat::Csv}}) {
        if (file.empty())
            continue;
        try {
            writeSelectionExport(file, cells, format);
        } catch (const SpreadsheetError& error) {
            throw CommandFailure(
                spreadsheetErrorText(error, session.languages().currentLanguage()));
        } catch (const FileError& error) {
            throw CommandFailure(error.path().string() + ": " + error.reason());
        }
    }
}

void addUnitChoiceOptions(CLI::App* command, UnitChoice& choice)
{
    choice.unitIndexOption =
        command->add_option("--unit-index", choice.unitIndex,
                            "Index of the unit in the catalogue (column Poz. of kelvo select)");
    choice.rowOption = command->add_option(
        "--row", choice.row,
        "Row of the unit in the list for these inputs (column Row of kelvo select)");
}

void addOneUnitOptions(CLI::App* command, SelectionOptions& options, UnitChoice& unit,
                       const RefrigerantRegistry& refrigerants)
{
    addSelectionOptions(command, options, refrigerants);
    addExtraAmbientOption(command, options);
    addUnitsOption(command, options.units);
    addUnitChoiceOptions(command, unit);
}

int chosenListRow(const SelectionSession& session, const UnitChoice& choice)
{
    const bool byIndex = choice.unitIndexOption->count() > 0;
    const bool byRow = choice.rowOption->count() > 0;
    if (byIndex == byRow)
        throw CommandError(byIndex ? "give --unit-index or --row, not both"
                                   : "give the unit: --unit-index N or --row N");
    if (byIndex)
        return listRowOfUnit(session, choice.unitIndex);
    // A row the list does not have is a refusal, as an index beyond its table is.
    const int rows = static_cast<int>(session.state().candidates.rows.size());
    if (rows == 0)
        throw CommandFailure("--row: the list is empty for these inputs");
    if (choice.row < 1 || choice.row > rows)
        throw CommandFailure("--row: " + std::to_string(choice.row) +
                             " is outside the list, 1 .. " + std::to_string(rows));
    return choice.row;
}

int listRowOfUnit(const SelectionSession& session, int unitIndex)
{
    const int unitCount = session.workspace().catalogue().units.count();
    if (unitIndex < 1 || unitIndex > unitCount)
        throw CommandFailure("--unit-index: " + std::to_string(unitIndex) + " is outside 1 .. " +
                             std::to_string(unitCount));
    const int row = session.state().candidates.rowOfUnit(unitIndex);
    if (row == 0)
        throw CommandFailure("--unit-index: unit " + std::to_string(unitIndex) +
                             " is not in the list for these inputs");
    return row;
}

UnitFamily checkSelectionOptions(const SelectionOptions& options)
{
    const UnitFamily family = familyOption(options.family);
    numberOption("--to", options.to);
    numberOption("--ambient", options.ambient);
    extraAmbientOption(options);
    return family;
}

LanguageTable optionLanguages(const SelectionOptions& options)
{
    LanguageTable languages;
    languages.chooseLanguage(options.language);
    return languages;
}

SelectionJob openSelectionJob(const SelectionOptions& options,
                              const RefrigerantRegistry& refrigerants, const char* command,
                              std::ostream& err)
{
    const UnitFamily family = checkSelectionOptions(options);
    SelectionJob job;
    job.workspace = openWorkspace(options.dataFolder, refrigerants);
    job.languages = std::make_unique<LanguageTable>(optionLanguages(options));
    job.session = std::make_unique<SelectionSession>(*job.workspace, *job.languages, family);
    fillSelection(*job.session, options, command, err);
    return job;
}

void fillSelection(SelectionSession& session, const SelectionOptions& options, const char* command,
                   std::ostream& err)
{
    const std::string refrigerant =
        refrigerantOption(session.workspace().refrigerants(), options.refrigerant);
    SelectionInputs inputs;
    inputs.evaporatingTemperature = numberOption("--to", options.to);
    inputs.ambientTemperature = numberOption("--ambient", options.ambient);
    inputs.insideEnvelopeOnly = options.insideEnvelope;
    inputs.extraAmbient = extraAmbientOption(options);
    applyFilter(inputs.kinds, "--kind", options.kindOption, options.kinds, kSelectionKindFilter);
    applyFilter(inputs.brands, "--brand", options.brandOption, options.brands,
                kSelectionBrandFilter);
    applyFilter(inputs.versions, "--version", options.versionOption, options.versions,
                kSelectionVersionFilter);

    // The list keeps the calculation's messages; nothing is shown while it is built. Nothing is
    // ticked yet, so the refrigerant's list is built without a figure.
    DiscardingMessageSink sink;
    if (const auto failure = session.chooseRefrigerant(refrigerant, sink))
        throw CommandFailure("cannot load the property table: " + *failure);
    sayPropertyTableNote(session.workspace(), session.refrigerant(), command, err);
    session.setInputs(inputs, sink);
    session.setUnits(options.units);
}

} // namespace kelvo::cli
