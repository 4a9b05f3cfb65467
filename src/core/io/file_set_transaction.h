#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "core/io/file_system_ops.h"

namespace kelvo
{

// Files of one folder that are saved together, so that the folder always holds one saved set:
// all old or all new, never some of each.
//
// A save writes the new content of each changed file, and a copy of its present content as
// the backup "<name>.bak", to temporary files (unique names, created exclusively, flushed);
// flushes the folder; then writes the commit record (the journal: each temporary, the file it
// replaces, its size and checksum) under a temporary name and renames it into place. That
// rename is the commit point. Then each temporary is renamed over its file, the folder is
// flushed and the journal removed. Recovery, run before the set is read, finishes the renames
// of a committed save (roll forward) or removes the temporaries of one that was not (roll back).
struct FileSet {
    std::filesystem::path folder;
    std::vector<std::string> files; // names in the folder, in the order they are written
    std::string journal;            // the commit record's name in the folder
};

struct NewFileContent {
    std::string name; // one of the set's files
    std::string content;
};

struct FileSetSave {
    std::vector<std::string> written; // the files replaced; a file whose content is unchanged
                                      // is not rewritten and keeps its backup
    // Empty, or what stopped the renames after the commit point: the save stands and the next
    // recovery finishes it.
    std::string unfinished;
    // False when the commit record itself may not have reached the device (its folder flush
    // failed): a power cut could then still bring back the old set.
    bool onDisk = true;
};

// Saves the files together. Before the commit point a failure removes what the save made,
// changes nothing and throws FileError naming the file and the obstacle; after it the save has
// happened whatever follows.
FileSetSave replaceFileSet(const FileSet& set, const std::vector<NewFileContent>& files,
                           FileSystemOps& ops);

// Whether the folder holds a commit record or temporary files of the set: a save was cut short
// there, or is under way.
bool fileSetNeedsRecovery(const FileSet& set);

struct FileSetRecovery {
    enum class Done { Nothing, RolledForward, RolledBack, Stuck } done = Done::Nothing;
    // What could not be done: for Stuck why nothing was, otherwise what was left over (a
    // temporary or the commit record that could not be removed), or an empty text.
    std::string problem;
    // The files may be out of step: a committed save could be neither finished nor undone.
    bool mixed = false;
};

// Finishes or undoes a save that was cut short; only under the set's writer lock. A damaged
// or incomplete commit record, or a complete one whose temporaries were damaged before any was
// renamed, is undone.
FileSetRecovery recoverFileSet(const FileSet& set, FileSystemOps& ops);

// A checksum of a file's bytes (64-bit FNV-1a), as the commit record gives it.
std::uint64_t contentChecksum(std::string_view bytes);

} // namespace kelvo
