#include "cli/selection_options.h"

#include <algorithm>
#include <cctype>
#include <string_view>
#include <vector>

#include "cli/command_error.h"
#include "cli/data_option.h"
#include "cli/language_option.h"
#include "cli/number_options.h"
#include "core/app/message_sink.h"
#include "core/io/file_io.h"
#include "core/selection/selection_export.h"
#include "core/selection/selection_session.h"
#include "core/spreadsheet/first_row_cells.h"
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

std::string refrigerantOption(const ApplicationState& state, const std::string& text)
{
    for (int i = 1; i < kRefrigerantNameCount; ++i) {
        const auto name = state.refrigerant.refrigerantNames[i].view();
        if (sameIgnoringCase(text, name))
            return std::string(name);
    }
    throw CommandError("--refrigerant: unknown refrigerant '" + quotedText(text) +
                       "' (known: R404A, R407C, R22, R134a)");
}

} // namespace

void addSelectionOptions(CLI::App* command, SelectionOptions& options)
{
    command->add_option("--family", options.family, "Unit family: BOX or BASE")->required();
    command->add_option("--refrigerant", options.refrigerant,
                        "Refrigerant: R404A, R407C, R22 or R134a (default R404A)");
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

void addExportOptions(CLI::App* command, ExportOptions& options)
{
    command->add_option("--xlsx", options.xlsx, "Also write the figures to this .xlsx workbook");
    command->add_option(
        "--csv", options.csv,
        "Also write the figures to this .csv file (\";\" separated, \",\" decimals)");
}

void writeExports(const ApplicationState& state, const ExportOptions& options, bool withList,
                  const UnitDetails* details)
{
    const auto cells = selectionExportCells(state, withList, details);
    // The option names the format, whatever the file is called.
    for (const auto& [file, format] :
         {std::pair{options.xlsx, ExportFormat::Xlsx}, {options.csv, ExportFormat::Csv}}) {
        if (file.empty())
            continue;
        try {
            writeSelectionExport(file, cells, format);
        } catch (const SpreadsheetError& error) {
            throw CommandFailure(error.what());
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

int chosenListRow(const ApplicationState& state, const UnitChoice& choice)
{
    const bool byIndex = choice.unitIndexOption->count() > 0;
    const bool byRow = choice.rowOption->count() > 0;
    if (byIndex == byRow)
        throw CommandError(byIndex ? "give --unit-index or --row, not both"
                                   : "give the unit: --unit-index N or --row N");
    if (byIndex)
        return listRowOfUnit(state, choice.unitIndex);
    // A row the list does not have is a refusal, as an index beyond its table is.
    const int rows = static_cast<int>(state.selection.candidates.rows.size());
    if (rows == 0)
        throw CommandFailure("--row: the list is empty for these inputs");
    if (choice.row < 1 || choice.row > rows)
        throw CommandFailure("--row: " + std::to_string(choice.row) +
                             " is outside the list, 1 .. " + std::to_string(rows));
    return choice.row;
}

int listRowOfUnit(const ApplicationState& state, int unitIndex)
{
    const int unitCount = state.catalogue.units.count();
    if (unitIndex < 1 || unitIndex > unitCount)
        throw CommandFailure("--unit-index: " + std::to_string(unitIndex) + " is outside 1 .. " +
                             std::to_string(unitCount));
    const int row = state.selection.candidates.rowOfUnit(unitIndex);
    if (row == 0)
        throw CommandFailure("--unit-index: unit " + std::to_string(unitIndex) +
                             " is not in the list for these inputs");
    return row;
}

void buildSelection(ApplicationState& state, const SelectionOptions& options)
{
    const UnitFamily family = familyOption(options.family);
    const double to = numberOption("--to", options.to);
    const double ambient = numberOption("--ambient", options.ambient);
    openCatalogue(state, options.dataFolder);
    const std::string refrigerant = refrigerantOption(state, options.refrigerant);

    SelectionState& selection = state.selection;
    selection = initialSelection(family);
    selection.evaporatingTemperature = to;
    selection.ambientTemperature = ambient;
    selection.insideEnvelopeOnly = options.insideEnvelope;
    applyFilter(selection.kinds, "--kind", options.kindOption, options.kinds, kSelectionKindFilter);
    applyFilter(selection.brands, "--brand", options.brandOption, options.brands,
                kSelectionBrandFilter);
    applyFilter(selection.versions, "--version", options.versionOption, options.versions,
                kSelectionVersionFilter);

    // The program's own reasons in the list follow the language asked for.
    state.languages.chooseLanguage(options.language);
    // The list keeps the calculation's messages; nothing is shown while it is built.
    DiscardingMessageSink sink;
    if (const auto failure = changeRefrigerant(state, refrigerant, sink))
        throw CommandFailure("cannot load the property table: " + *failure);
}

std::string languageText(const ApplicationState& state, const SelectionOptions& options, int entry)
{
    return std::string(state.languages.text(options.language, entry));
}

} // namespace kelvo::cli
