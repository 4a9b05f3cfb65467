#pragma once

#include <iosfwd>
#include <string>

#include "core/app/application_state.h"
#include "core/workspace/workspace.h"

namespace kelvo::cli
{

// Loads the property table of `refrigerant` into state: a table that cannot be read or used is
// a CommandFailure naming its file.
void loadPropertyTable(ApplicationState& state, const std::string& refrigerant);

// The same in a workspace; the note of a table with unusable rows goes to `err` as
// "kelvo <command>: <note>".
void loadPropertyTable(Workspace& workspace, const std::string& refrigerant, const char* command,
                       std::ostream& err);

// Says once, on `err`, how many rows of the loaded table cannot be used, when some cannot:
// "kelvo <command>: <note>".
void sayPropertyTableNote(const ApplicationState& state, const char* command, std::ostream& err);

// The same for the table of `refrigerant` last read into the workspace.
void sayPropertyTableNote(const Workspace& workspace, const std::string& refrigerant,
                          const char* command, std::ostream& err);

// Reads each refrigerant's table in turn and says on `err` what is wrong with each ("kelvo
// check: ..."): one that cannot be used, one with unusable rows. Returns whether every table
// loaded whole.
bool checkPropertyTables(const Workspace& workspace, std::ostream& err);

} // namespace kelvo::cli
