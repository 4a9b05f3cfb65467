#pragma once

#include <memory>
#include <string>

#include "core/io/folder_lock.h"

namespace kelvo
{
struct ApplicationState;
}

namespace kelvo::cli
{

// Options shared by the catalogue editor's commands. Each throws CommandError naming the option
// for a bad value.

// --refrigerant: one of the editor's refrigerant menu ("R134a", "R407C", "R404A", "R22").
void requireEditorRefrigerant(const std::string& name);

// A table index (Poz.) within 1 .. count; a whole number outside it is a CommandFailure.
int tableIndexOption(const char* option, const std::string& text, int count);

// A whole number within first .. last.
int wholeNumberOption(const char* option, const std::string& text, int first, int last);

// Data folder and catalogue, and the editor as freshly opened over them.
void openEditorCatalogue(ApplicationState& state, const std::string& dataFolder);
// The same holding the catalogue's writer lock until the returned lock goes: from the load to
// the save of an edit.
std::unique_ptr<FolderLock> openEditorCatalogueForWriting(ApplicationState& state,
                                                          const std::string& dataFolder);

} // namespace kelvo::cli
