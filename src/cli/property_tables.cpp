#include "cli/property_tables.h"

#include <ostream>

#include "cli/command_base.h"
#include "cli/text_table.h"
#include "core/io/file_io.h"
#include "core/refrigerant/table_loader.h"

namespace kelvo::cli
{

void loadPropertyTable(Workspace& workspace, const std::string& refrigerant, const char* command,
                       std::ostream& err)
{
    const PropertyTable* table = nullptr;
    try {
        table = &workspace.loadPropertyTable(refrigerant);
    } catch (const FileError& error) {
        throw CommandFailure("cannot load " + error.path().string() + ": " + error.reason());
    }
    if (!table->note.empty())
        err << "kelvo " << command << ": " << oneLine(table->note) << "\n";
}

void sayPropertyTableNote(const Workspace& workspace, const std::string& refrigerant,
                          const char* command, std::ostream& err)
{
    const PropertyTable* table = workspace.propertyTable(refrigerant);
    if (table && !table->note.empty())
        err << "kelvo " << command << ": " << oneLine(table->note) << "\n";
}

bool checkPropertyTables(const Workspace& workspace, std::ostream& err)
{
    bool whole = true;
    for (const RefrigerantEntry* entry : workspace.refrigerants().selectionOrder()) {
        const PropertyTable* scratch = nullptr;
        try {
            scratch = &workspace.propertyTableFiles().table(entry->tableFile, &entry->correlations);
        } catch (const FileError& error) {
            err << "kelvo check: " << oneLine(error.path().string() + ": " + error.reason())
                << "\n";
            whole = false;
            continue;
        }
        if (!scratch->note.empty()) {
            err << "kelvo check: " << oneLine(scratch->note) << "\n";
            whole = false;
        }
    }
    return whole;
}

} // namespace kelvo::cli
