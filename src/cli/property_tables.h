#pragma once

#include <iosfwd>
#include <string>

#include "core/workspace/workspace.h"

namespace kelvo::cli
{

// Reads the property table of `refrigerant` into the workspace: a table that cannot be read or
// used is a CommandFailure naming its file; the note of a table with unusable rows goes to `err`
// as "kelvo <command>: <note>".
void loadPropertyTable(Workspace& workspace, const std::string& refrigerant, const char* command,
                       std::ostream& err);

// That note, for the table of `refrigerant` last read into the workspace.
void sayPropertyTableNote(const Workspace& workspace, const std::string& refrigerant,
                          const char* command, std::ostream& err);

// Judges each refrigerant's table in turn as a load would and says on `err` what is wrong with
// each ("kelvo check: ..."): one that cannot be used or trusted, one with unusable rows. Returns
// whether every table loaded whole.
bool checkPropertyTables(const Workspace& workspace, std::ostream& err);

} // namespace kelvo::cli
