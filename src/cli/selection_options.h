#pragma once

#include <CLI/CLI.hpp>
#include <iosfwd>
#include <memory>
#include <string>

#include "cli/command_base.h"
#include "core/app/language_table.h"
#include "core/selection/selection_session.h"
#include "core/selection/unit_details.h"
#include "core/text/display_units.h"
#include "core/workspace/workspace.h"

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
    UnitSystem units = UnitSystem::Si;
    bool insideEnvelope = false;
    std::string extraAmbient; // empty: the range tables' three rows only
    // An absent filter option ticks all its values.
    CLI::Option* kindOption = nullptr;
    CLI::Option* brandOption = nullptr;
    CLI::Option* versionOption = nullptr;
};

// The refrigerants offered are those of the selection window's list.
void addSelectionOptions(CLI::App* command, SelectionOptions& options,
                         const RefrigerantRegistry& refrigerants);

// --units si|ip, for the commands that show their figures in either.
void addUnitsOption(CLI::App* command, UnitSystem& units);

// --extra-ambient T of the commands that show the range tables: one more row at T C.
void addExtraAmbientOption(CLI::App* command, SelectionOptions& options);

// --xlsx FILE and --csv FILE of "select" and "details": the list and / or the unit's range
// tables written as a spreadsheet, besides what the command prints.
struct ExportOptions {
    std::string xlsx;
    std::string csv;
};
void addExportOptions(CLI::App* command, ExportOptions& options);
// Writes what the options ask for; a file that cannot be written is a CommandFailure naming it.
void writeExports(const SelectionSession& session, const ExportOptions& options, bool withList,
                  const UnitDetails* details, UnitSystem units);

// Which unit "details" and "datasheet" take: its catalogue index (column Poz. of "select")
// or its row in the list (column Row); exactly one of them.
struct UnitChoice {
    int unitIndex = 0;
    int row = 0;
    CLI::Option* unitIndexOption = nullptr;
    CLI::Option* rowOption = nullptr;
};

void addUnitChoiceOptions(CLI::App* command, UnitChoice& choice);

// What the commands about one unit of the list ("details", "datasheet", "curves") share, in
// the order their help lists it: the selection's inputs, --extra-ambient, --units and which
// unit.
void addOneUnitOptions(CLI::App* command, SelectionOptions& options, UnitChoice& unit,
                       const RefrigerantRegistry& refrigerants);

// The family of --family, checked with --to, --ambient and --extra-ambient before anything is
// read; CommandError
// names a bad option.
UnitFamily checkSelectionOptions(const SelectionOptions& options);

// The language table with the language of --language chosen: the headers and the program's own
// reasons follow it.
LanguageTable optionLanguages(const SelectionOptions& options);

// Sets the session's refrigerant (its property table read; a note about unusable rows goes to
// `err` as "kelvo <command>: ...") and inputs from the options, building the list once with
// figures. Throws CommandError naming a bad option, and CommandFailure for a property table that
// cannot be read.
void fillSelection(SelectionSession& session, const SelectionOptions& options, const char* command,
                   std::ostream& err);

// What a selection command works on: its workspace, the language table of --language and the
// one session, checked (checkSelectionOptions) and filled (fillSelection) from the options. The
// session refers to the other two, so all three stay where they were made.
struct SelectionJob {
    std::unique_ptr<Workspace> workspace;
    std::unique_ptr<LanguageTable> languages;
    std::unique_ptr<SelectionSession> session;
};
SelectionJob openSelectionJob(const SelectionOptions& options,
                              const RefrigerantRegistry& refrigerants, const char* command,
                              std::ostream& err);

// The list row of unit `unitIndex` (--unit-index); throws CommandFailure when the catalogue has
// no such unit or the list does not hold it.
int listRowOfUnit(const SelectionSession& session, int unitIndex);

// The list row the choice names; throws CommandError when neither or both options are given,
// CommandFailure when the row or unit is not in the list.
int chosenListRow(const SelectionSession& session, const UnitChoice& choice);

} // namespace kelvo::cli
