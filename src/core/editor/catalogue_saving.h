#pragma once

#include <string>

namespace kelvo
{

struct ApplicationState;
class FileSystemOps;

// Remembers the catalogue as it is now as the one on disk (after a load or a save).
void rememberSavedCatalogue(ApplicationState& state);

// The catalogue differs from what was last loaded or saved in anything but the decimal point
// that evaluations rewrite in place ("5.5" read as "5,5"): an edit is waiting to be saved.
bool hasUnsavedChanges(const ApplicationState& state);

struct SaveOutcome {
    bool saved = false;
    std::string message; // for the user (UTF-8): the confirmation or what went wrong
};

// "Zapisz": writes the four catalogue files into state.programDir through the safe save, so
// that each file on disk is complete, old or new. Refused when the editor could not read all
// four files (saving then would replace a file it never read). On success the catalogue counts
// as saved.
SaveOutcome saveEditorCatalogue(ApplicationState& state);
// The same through another file layer.
SaveOutcome saveEditorCatalogue(ApplicationState& state, FileSystemOps& ops);

} // namespace kelvo
