#pragma once

#include <CLI/CLI.hpp>
#include <string>

#include "cli/command_base.h"
#include "core/app/application_state.h"
#include "core/selection/unit_details.h"

namespace kelvo::cli
{

// The inputs of the selection screen as options, shared by "select", "details" and
// "datasheet".
struct SelectionOptions : CommonOptions {
    std::string family;
    std::string refrigerant = kDefaultRefrigerant;
    std::string to = "0";
    std::string ambient = "32";
    std::string kinds;
    std::string brands;
    std::string versions;
    int language = kEnglish;
    bool insideEnvelope = false;
    // An absent filter option ticks all its values.
    CLI::Option* kindOption = nullptr;
    CLI::Option* brandOption = nullptr;
    CLI::Option* versionOption = nullptr;
};

void addSelectionOptions(CLI::App* command, SelectionOptions& options);

// --xlsx FILE and --csv FILE of "select" and "details": the list and / or the unit's range
// tables written as a spreadsheet, besides what the command prints.
struct ExportOptions {
    std::string xlsx;
    std::string csv;
};
void addExportOptions(CLI::App* command, ExportOptions& options);
// Writes what the options ask for; a file that cannot be written is a CommandFailure naming it.
void writeExports(const ApplicationState& state, const ExportOptions& options, bool withList,
                  const UnitDetails* details);

// Which unit "details" and "datasheet" take: its catalogue index (column Poz. of "select")
// or its row in the list (column Row); exactly one of them.
struct UnitChoice {
    int unitIndex = 0;
    int row = 0;
    CLI::Option* unitIndexOption = nullptr;
    CLI::Option* rowOption = nullptr;
};

void addUnitChoiceOptions(CLI::App* command, UnitChoice& choice);

// Loads the catalogue and the refrigerant's property table, sets the selection from the
// options and builds the candidate list. Throws CommandError naming a bad option, and
// CommandFailure for a property table that cannot be loaded.
void buildSelection(ApplicationState& state, const SelectionOptions& options);

// The list row of unit `unitIndex` (--unit-index); throws CommandFailure when the catalogue has
// no such unit or the list does not hold it.
int listRowOfUnit(const ApplicationState& state, int unitIndex);

// The list row the choice names; throws CommandError when neither or both options are given,
// CommandFailure when the row or unit is not in the list.
int chosenListRow(const ApplicationState& state, const UnitChoice& choice);

// The state's text in the language of --language, as UTF-8.
std::string languageText(const ApplicationState& state, const SelectionOptions& options, int entry);

} // namespace kelvo::cli
