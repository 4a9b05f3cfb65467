#pragma once

#include <optional>
#include <string>

#include "core/catalogue/catalogue_files.h"

namespace kelvo
{

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
    // Saved, but the device may not hold it yet (a failing folder flush): the user is told and
    // a command fails.
    bool notOnDisk = false;
};

class FileSystemOps;
class FolderLock;
class Workspace;

// "Zapisz" saves the four catalogue files into the data folder as one transaction, so the
// folder holds either the whole old set or the whole new one, and the outcome says which. It is
// refused when the editor could not read all four files (saving then would replace a file it
// never read). On success the catalogue counts as saved.
class CatalogueSaving
{
  public:
    explicit CatalogueSaving(const Workspace& workspace) : workspace_(workspace) {}

    // Nothing read yet: saving is refused.
    void reset();
    // All four files were read, as `files` say: saving is safe from now on.
    void loaded(const CatalogueStamps& files);
    // The catalogue as it is now counts as the one last loaded or saved.
    void rememberSaved();

    SaveOutcome save(FileSystemOps& ops, const FolderLock* writerLock, ChangesOnDisk changes);
    // What "Zapisz" asks first (No the default) when a catalogue file was read cut short: the
    // save writes the records it lacks as empty ones. nullopt when every file was whole.
    [[nodiscard]] std::optional<std::string> cutShortSaveQuestion() const;
    // Something differs from what was last loaded or saved in more than the decimal commas
    // the calculation writes.
    [[nodiscard]] bool hasUnsavedChanges() const;

  private:
    const Workspace& workspace_;
    // All four catalogue files were read when the editor opened: only then may it save.
    bool catalogueLoaded_ = false;
    // catalogueFingerprint of the catalogue as last loaded or saved.
    std::size_t savedCatalogue_ = 0;
    // The four files as last loaded or saved, to tell a change made on disk by another program.
    CatalogueStamps filesOnDisk_{};
};

} // namespace kelvo
