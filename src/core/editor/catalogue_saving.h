#pragma once

#include <string>

namespace kelvo
{

struct ApplicationState;
class FileSystemOps;
class FolderLock;

// Remembers the catalogue as it is now as the one on disk (after a load or a save).
void rememberSavedCatalogue(ApplicationState& state);

// The catalogue differs from what was last loaded or saved in anything but the decimal point
// that evaluations rewrite in place ("5.5" read as "5,5"): an edit is waiting to be saved.
bool hasUnsavedChanges(const ApplicationState& state);

// What "Zapisz" does when another program changed the catalogue files on disk since the
// editor loaded or saved them: refuse (the editor then asks kFilesChangedQuestion) or
// overwrite that change.
enum class ChangesOnDisk { Refuse, Overwrite };
inline constexpr const char* kFilesChangedQuestion =
    "Pliki katalogu zmieniły się na dysku od wczytania. Zapisać mimo to?";

struct SaveOutcome {
    bool saved = false;
    bool changedOnDisk = false; // refused for that alone: nothing written
    std::string message;        // for the user (UTF-8): the confirmation or what went wrong
};

// "Zapisz": saves the four catalogue files into state.programDir as one transaction, so the
// folder holds either the whole old set or the whole new one, and the outcome says which.
// Refused when the editor could not read all four files (saving then would replace a file it
// never read). On success the catalogue counts as saved.
SaveOutcome saveEditorCatalogue(ApplicationState& state,
                                ChangesOnDisk changes = ChangesOnDisk::Refuse);
// The same through another file layer, by a program that may hold the writer lock.
SaveOutcome saveEditorCatalogue(ApplicationState& state, FileSystemOps& ops,
                                const FolderLock* writerLock = nullptr,
                                ChangesOnDisk changes = ChangesOnDisk::Refuse);

} // namespace kelvo
