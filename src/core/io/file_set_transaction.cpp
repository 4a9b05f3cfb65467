#include "core/io/file_set_transaction.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <string_view>

#include "core/io/file_io.h"
#include "core/io/safe_file_write.h"

namespace kelvo
{

namespace
{

namespace fs = std::filesystem;

constexpr std::string_view kJournalHeader = "kelvo-file-set 1";
constexpr std::string_view kBackupSuffix = ".bak";

// One rename of the commit record: a temporary file put in the place of a file of the set or
// of its backup.
struct JournalEntry {
    std::string temporary;
    std::string target;
    std::uint64_t size = 0;
    std::uint64_t checksum = 0;
};

std::string hex(std::uint64_t value)
{
    char buffer[17];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value, 16).ptr;
    return {buffer, end};
}

std::optional<std::uint64_t> parseUnsigned(std::string_view text, int base)
{
    std::uint64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    if (error != std::errc() || end != text.data() + text.size() || text.empty())
        return std::nullopt;
    return value;
}

std::vector<std::string_view> fields(std::string_view line)
{
    std::vector<std::string_view> out;
    for (std::size_t start = 0;;) {
        const std::size_t tab = line.find('\t', start);
        out.push_back(line.substr(start, tab == std::string_view::npos ? tab : tab - start));
        if (tab == std::string_view::npos)
            return out;
        start = tab + 1;
    }
}

// The names a file set may rename into: its files and their backups.
std::vector<std::string> targetsOf(const FileSet& set)
{
    std::vector<std::string> names = set.files;
    for (const std::string& file : set.files)
        names.push_back(file + std::string(kBackupSuffix));
    return names;
}

std::string journalText(const std::vector<JournalEntry>& entries)
{
    std::string text(kJournalHeader);
    text += '\n';
    for (const JournalEntry& e : entries)
        text += e.temporary + '\t' + e.target + '\t' + std::to_string(e.size) + '\t' +
                hex(e.checksum) + '\n';
    text += "end\t" + std::to_string(entries.size()) + '\t' + hex(contentChecksum(text)) + '\n';
    return text;
}

// The entries of a complete commit record, or nothing for one that is cut short, damaged or
// names anything but the set's own temporaries and files.
std::optional<std::vector<JournalEntry>> parseJournal(std::string_view text, const FileSet& set)
{
    const std::vector<std::string> targets = targetsOf(set);
    const std::size_t endLine = text.rfind("end\t");
    if (!text.starts_with(kJournalHeader) || endLine == std::string_view::npos)
        return std::nullopt;
    const std::vector<std::string_view> end = fields(text.substr(endLine));
    if (end.size() != 3 || !end[2].ends_with('\n'))
        return std::nullopt;
    const auto count = parseUnsigned(end[1], 10);
    const auto checksum = parseUnsigned(end[2].substr(0, end[2].size() - 1), 16);
    if (!count || !checksum || *checksum != contentChecksum(text.substr(0, endLine)))
        return std::nullopt;

    std::vector<JournalEntry> entries;
    LineReader lines(text.substr(0, endLine));
    std::string_view line;
    lines.next(line); // the header
    while (lines.next(line)) {
        const std::vector<std::string_view> f = fields(line);
        if (f.size() != 4)
            return std::nullopt;
        JournalEntry entry{std::string(f[0]), std::string(f[1]), 0, 0};
        const auto size = parseUnsigned(f[2], 10);
        const auto sum = parseUnsigned(f[3], 16);
        if (!size || !sum ||
            std::find(targets.begin(), targets.end(), entry.target) == targets.end() ||
            !isTemporaryNameOf(entry.temporary, entry.target))
            return std::nullopt;
        entry.size = *size;
        entry.checksum = *sum;
        entries.push_back(std::move(entry));
    }
    if (entries.size() != *count)
        return std::nullopt;
    return entries;
}

// The file's bytes, or nothing when no file is there; throws FileError for anything else.
std::optional<std::string> presentContent(const fs::path& path)
{
    std::error_code ec;
    if (!fs::exists(fs::symlink_status(path, ec)))
        return std::nullopt;
    return readWholeFile(path);
}

bool holds(const fs::path& path, const JournalEntry& entry)
{
    try {
        const auto content = presentContent(path);
        return content && content->size() == entry.size &&
               contentChecksum(*content) == entry.checksum;
    } catch (const FileError&) {
        return false;
    }
}

// Every temporary file of the set in the folder (its files', their backups' and the journal's).
std::vector<fs::path> temporariesIn(const FileSet& set)
{
    std::vector<std::string> owners = targetsOf(set);
    owners.push_back(set.journal);
    std::vector<fs::path> found;
    std::error_code ec;
    for (fs::directory_iterator it(set.folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (std::any_of(owners.begin(), owners.end(),
                        [&](const std::string& owner) { return isTemporaryNameOf(name, owner); }))
            found.push_back(it->path());
    }
    return found;
}

// Removes what a save made before its commit point.
struct Temporaries {
    FileSystemOps& ops;
    std::vector<fs::path> made;
    bool keep = false;
    ~Temporaries()
    {
        if (!keep)
            for (const fs::path& path : made)
                ops.remove(path);
    }
};

struct Renames {
    bool done = false;   // every temporary is in its place
    std::string problem; // what stopped the renames, or the clean-up after them
};

// The renames of a committed save, in order. In recovery a temporary already gone was renamed
// before; in the save itself it was taken away by something else, and that is said.
Renames applyRenames(const FileSet& set, const std::vector<JournalEntry>& entries,
                     FileSystemOps& ops, bool recovering)
{
    for (const JournalEntry& entry : entries) {
        const fs::path temporary = set.folder / entry.temporary;
        std::error_code ec;
        if (!fs::exists(fs::symlink_status(temporary, ec))) {
            if (recovering)
                continue;
            return {false, entry.temporary + " was removed by another program"};
        }
        const fs::path target = set.folder / entry.target;
        if (const auto error = ops.renameOver(temporary, target))
            return {false, entry.target + ": " + writeObstacle(error, target)};
    }
    if (const auto error = ops.flushFolder(set.folder))
        return {true, writeObstacle(error, set.folder / set.journal)};
    if (const auto error = ops.remove(set.folder / set.journal))
        return {true, set.journal + ": " + writeObstacle(error, set.folder / set.journal)};
    ops.flushFolder(set.folder);
    return {true, {}};
}

} // namespace

std::uint64_t contentChecksum(std::string_view bytes)
{
    std::uint64_t hash = 14695981039346656037ull;
    for (const char c : bytes) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ull;
    }
    return hash;
}

FileSetSave replaceFileSet(const FileSet& set, const std::vector<NewFileContent>& files,
                           FileSystemOps& ops)
{
    FileSetSave save;
    Temporaries temporaries{ops, {}};
    std::vector<JournalEntry> entries;
    const auto prepare = [&](const std::string& name, std::string_view content) {
        const fs::path target = set.folder / name;
        temporaries.made.push_back(writeTemporaryFor(target, content, ops));
        entries.push_back({temporaries.made.back().filename().string(), name, content.size(),
                           contentChecksum(content)});
    };

    for (const NewFileContent& file : files) {
        const fs::path path = set.folder / file.name;
        const fs::path backup = set.folder / (file.name + std::string(kBackupSuffix));
        std::error_code ec;
        // A folder in the way would be found only by a rename after the commit point.
        for (const fs::path& place : {path, backup})
            if (fs::is_directory(fs::symlink_status(place, ec)))
                throw FileError(path, (place == backup ? "cannot keep the previous version as " +
                                                             backup.filename().string() + ": "
                                                       : std::string()) +
                                          place.filename().string() + " is a folder");
        const std::optional<std::string> present = presentContent(path);
        if (present == file.content)
            continue;
        if (present) {
            try {
                prepare(backup.filename().string(), *present);
            } catch (const FileError& error) {
                throw FileError(path, "cannot keep the previous version as " +
                                          backup.filename().string() + ": " + error.reason());
            }
        }
        prepare(file.name, file.content);
        save.written.push_back(file.name);
    }
    if (entries.empty())
        return save;

    if (const auto error = ops.flushFolder(set.folder))
        throw FileError(set.folder / save.written.front(),
                        writeObstacle(error, set.folder / save.written.front()));
    const fs::path journal = set.folder / set.journal;
    temporaries.made.push_back(writeTemporaryFor(journal, journalText(entries), ops));
    if (const auto error = ops.renameOver(temporaries.made.back(), journal))
        throw FileError(journal, writeObstacle(error, journal));
    temporaries.keep = true; // committed: from here on the save is finished, now or by recovery

    // The commit record reaches the device before any file is replaced, or a power cut could
    // keep some renames and lose the record that finishes the rest.
    if (const auto error = ops.flushFolder(set.folder)) {
        save.unfinished = writeObstacle(error, journal);
        save.onDisk = false;
        return save;
    }
    save.unfinished = applyRenames(set, entries, ops, false).problem;
    return save;
}

bool fileSetNeedsRecovery(const FileSet& set)
{
    std::error_code ec;
    return fs::exists(fs::symlink_status(set.folder / set.journal, ec)) ||
           !temporariesIn(set).empty();
}

FileSetRecovery recoverFileSet(const FileSet& set, FileSystemOps& ops)
{
    using Done = FileSetRecovery::Done;
    FileSetRecovery recovery;
    const fs::path journal = set.folder / set.journal;
    std::optional<std::vector<JournalEntry>> entries;
    bool journalThere = false;
    try {
        if (const auto text = presentContent(journal)) {
            journalThere = true;
            entries = parseJournal(*text, set);
        }
    } catch (const FileError& error) {
        return {Done::Stuck, set.journal + ": " + error.reason(), true};
    }

    // Each rename of a complete record either waits with its temporary intact or is done.
    // Anything else means something else changed the files since: with no rename done yet the
    // old set is whole and the save is undone; with some done the files are left for the user.
    bool undo = journalThere && !entries;
    if (entries) {
        bool someDone = false;
        for (const JournalEntry& entry : *entries) {
            std::error_code ec;
            const bool gone = !fs::exists(fs::symlink_status(set.folder / entry.temporary, ec));
            if (gone && holds(set.folder / entry.target, entry))
                someDone = true;
            else if (gone || !holds(set.folder / entry.temporary, entry))
                undo = true;
        }
        if (undo && someDone)
            return {Done::Stuck, "the files no longer match the interrupted save's record", true};
    }
    if (entries && !undo) {
        const Renames renames = applyRenames(set, *entries, ops, true);
        if (!renames.done)
            return {Done::Stuck, renames.problem, true};
        recovery = {Done::RolledForward, renames.problem, false};
    } else if (undo) {
        // A complete record left in place would finish the save at a later load.
        if (const auto error = ops.remove(journal))
            return {Done::Stuck, set.journal + ": " + writeObstacle(error, journal),
                    entries.has_value()};
        recovery.done = Done::RolledBack;
    }

    for (const fs::path& temporary : temporariesIn(set)) {
        // Left-over temporaries change no file of the set: worth saying, not failing for.
        if (const auto error = ops.remove(temporary)) {
            if (recovery.problem.empty())
                recovery.problem =
                    temporary.filename().string() + ": " + writeObstacle(error, temporary);
            continue;
        }
        if (recovery.done == Done::Nothing)
            recovery.done = Done::RolledBack;
    }
    if (recovery.done == Done::Nothing && !recovery.problem.empty())
        recovery.done = Done::Stuck;
    ops.flushFolder(set.folder);
    return recovery;
}

} // namespace kelvo
