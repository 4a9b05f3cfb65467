#pragma once

#include <memory>
#include <string>

#include "core/editor/editor_session.h"
#include "core/io/folder_lock.h"
#include "core/refrigerant/refrigerant_registry.h"
#include "core/workspace/workspace.h"

namespace kelvo::cli
{

// Options shared by the catalogue editor's commands. Each throws CommandError naming the option
// for a bad value.

// --refrigerant: one of the editor's refrigerant menu.
void requireEditorRefrigerant(const std::string& name, const RefrigerantRegistry& refrigerants);
// "R134a, R407C, R404A or R22": the menu's refrigerants, for a help text.
std::string editorRefrigerantList(const RefrigerantRegistry& refrigerants);
// A table index (Poz.) within 1 .. count; a whole number outside it is a CommandFailure.
int tableIndexOption(const char* option, const std::string& text, int count);
// A whole number within first .. last.
int wholeNumberOption(const char* option, const std::string& text, int first, int last);

// A workspace on the data folder and the editor as freshly opened over its catalogue; for an
// edit with the catalogue's writer lock held from before the load until the job ends.
struct EditorJob {
    std::unique_ptr<FolderLock> lock;
    std::unique_ptr<Workspace> workspace;
    std::unique_ptr<EditorSession> session;
};
EditorJob openEditorJob(const std::string& dataFolder, const RefrigerantRegistry& refrigerants);
EditorJob openEditorJobForWriting(const std::string& dataFolder,
                                  const RefrigerantRegistry& refrigerants);

} // namespace kelvo::cli
