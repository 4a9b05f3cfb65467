#include "cli/property_tables.h"

#include <ostream>

#include "cli/command_base.h"
#include "cli/text_table.h"
#include "core/io/file_io.h"
#include "core/refrigerant/table_loader.h"

namespace kelvo::cli
{

void loadPropertyTable(ApplicationState& state, const std::string& refrigerant)
{
    state.currentRefrigerant = refrigerant;
    try {
        loadRefrigerantTable(state.refrigerant, state.programDir,
                             refrigerantTableFileName(refrigerant));
    } catch (const FileError& error) {
        throw CommandFailure("cannot load " + error.path().string() + ": " + error.reason());
    }
}

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

void sayPropertyTableNote(const ApplicationState& state, const char* command, std::ostream& err)
{
    if (!state.refrigerant.tableNote.empty())
        err << "kelvo " << command << ": " << oneLine(state.refrigerant.tableNote) << "\n";
}

void sayPropertyTableNote(const Workspace& workspace, const std::string& refrigerant,
                          const char* command, std::ostream& err)
{
    const PropertyTable* table = workspace.propertyTable(refrigerant);
    if (table && !table->note.empty())
        err << "kelvo " << command << ": " << oneLine(table->note) << "\n";
}

bool checkPropertyTables(const ApplicationState& state, std::ostream& err)
{
    bool whole = true;
    for (int i = 1; i < kRefrigerantNameCount; ++i) {
        const std::string name(
            state.refrigerant.refrigerantNames[static_cast<std::size_t>(i)].view());
        RefrigerantData scratch;
        try {
            loadRefrigerantTable(scratch, state.programDir, refrigerantTableFileName(name));
        } catch (const FileError& error) {
            err << "kelvo check: " << oneLine(error.path().string() + ": " + error.reason())
                << "\n";
            whole = false;
            continue;
        }
        if (!scratch.tableNote.empty()) {
            err << "kelvo check: " << oneLine(scratch.tableNote) << "\n";
            whole = false;
        }
    }
    return whole;
}

} // namespace kelvo::cli
