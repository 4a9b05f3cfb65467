#pragma once

#include <string>

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

// "Zapisz" saves the four catalogue files into the data folder as one transaction, so the
// folder holds either the whole old set or the whole new one, and the outcome says which. It is
// refused when the editor could not read all four files (saving then would replace a file it
// never read). On success the catalogue counts as saved. See EditorSession::save.

} // namespace kelvo
