#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "core/catalogue/catalogue.h"
#include "core/io/file_system_ops.h"
#include "core/io/folder_lock.h"

namespace kelvo
{

inline constexpr const char* kCompressorFile = "sprezarki.txt";
inline constexpr const char* kCondenserFile = "Skraplacze.txt";
inline constexpr const char* kUnitFile = "Agregaty.txt";
inline constexpr const char* kFrameFile = "Podstawy.txt";

// A catalogue file that could not be read or written: its whole path and the reason;
// what() is "<path>: <reason>".
class CatalogueFileError : public std::runtime_error
{
  public:
    CatalogueFileError(std::filesystem::path path, std::string reason);
    [[nodiscard]] const std::filesystem::path& path() const { return path_; }
    // The file's own name, e.g. kUnitFile.
    [[nodiscard]] std::string fileName() const { return path_.filename().string(); }
    [[nodiscard]] const std::string& reason() const { return reason_; }

  private:
    std::filesystem::path path_;
    std::string reason_;
};

// The whole (absolute) path of a catalogue file, as messages name it.
std::filesystem::path catalogueFilePath(const std::filesystem::path& programDir,
                                        const char* fileName);

// Each loader reads the whole file into a fresh table and replaces the table only when the
// file was read completely; on failure it throws and the table is left as it was. A file cut
// short (fewer complete records than its count line announces) loads with the missing fields
// empty and replaces its note in catalogue.loadNotes.
void loadCompressors(Catalogue& catalogue, const std::filesystem::path& programDir);
void loadCondensers(Catalogue& catalogue, const std::filesystem::path& programDir);
void loadUnits(Catalogue& catalogue, const std::filesystem::path& programDir);
void loadFrames(Catalogue& catalogue, const std::filesystem::path& programDir);

// What a loader does once it has read its file: `content` read into the table of `kind`,
// errors and notes naming `path`.
enum class CatalogueFileKind { Compressors, Condensers, Units, Frames };
void readCatalogueFileContent(Catalogue& catalogue, CatalogueFileKind kind,
                              std::string_view content, const std::filesystem::path& path);

// The file of each kind, in the order the files are read and written.
inline constexpr std::array<const char*, 4> kCatalogueFiles = {kCompressorFile, kCondenserFile,
                                                               kUnitFile, kFrameFile};
inline constexpr std::array<CatalogueFileKind, 4> kCatalogueFileKinds = {
    CatalogueFileKind::Compressors, CatalogueFileKind::Condensers, CatalogueFileKind::Units,
    CatalogueFileKind::Frames};

// The file of `kind` as saveCatalogue writes it.
std::string serialiseCatalogueFile(const Catalogue& catalogue, CatalogueFileKind kind);

// A digest of the four files as saveCatalogue would write them: two catalogues with the same
// fingerprint write the same bytes (up to a 64-bit hash collision).
std::size_t catalogueFingerprint(const Catalogue& catalogue);

// The four files are saved as one transaction (see core/io/file_set_transaction.h), so the
// folder always holds one saved set; its commit record and writer lock live beside them.
inline constexpr const char* kCatalogueJournal = "Katalog.journal";
inline constexpr const char* kCatalogueLock = "Katalog.lock";

// What a load found of each file (in the order of CatalogueFileKind): whether it was there, its
// size and checksum, so that a later change on disk by another program can be told.
struct CatalogueFileStamp {
    bool present = false;
    std::uint64_t size = 0;
    std::uint64_t checksum = 0;
    friend bool operator==(const CatalogueFileStamp&, const CatalogueFileStamp&) = default;
};
using CatalogueStamps = std::array<CatalogueFileStamp, 4>;

// A save cut short that a load found, and what it did about it; the user is told once
// (recoveryText gives the words).
struct CatalogueRecovery {
    enum class Done { Finished, Undone, Stuck };
    Done done = Done::Finished;
    std::string folder;   // the data folder
    std::string leftOver; // what could not be removed, or ""

    friend bool operator==(const CatalogueRecovery&, const CatalogueRecovery&) = default;
};

struct CatalogueLoad {
    std::optional<CatalogueRecovery> recovery; // nothing was cut short: nullopt
    CatalogueStamps files;                     // what was read
};

// Finishes or undoes a save that was cut short (under the writer lock), then reads the four
// files in order under the readers' lock; the first failure stops the rest (clearing
// catalogue.loadNotes first). A save cut short that cannot be finished fails the load.
CatalogueLoad loadCatalogue(Catalogue& catalogue, const std::filesystem::path& programDir);
// The same by a program that holds the writer lock (see lockCatalogueForWriting).
CatalogueLoad loadCatalogue(Catalogue& catalogue, const std::filesystem::path& programDir,
                            const FolderLock& writerLock);

// The writer lock of the folder, waiting up to `wait` for another writer; throws
// CatalogueFileError naming the lock file and the other program's process id.
std::unique_ptr<FolderLock>
lockCatalogueForWriting(const std::filesystem::path& programDir,
                        std::chrono::milliseconds wait = FolderLock::kDefaultWait);

// The loader of `kind`; returns what it read.
CatalogueFileStamp loadCatalogueFile(Catalogue& catalogue, const std::filesystem::path& programDir,
                                     CatalogueFileKind kind);
// The stamp of a file's bytes.
CatalogueFileStamp stampOf(std::string_view content);

// The four files as they are on disk now.
CatalogueStamps catalogueStampsOnDisk(const std::filesystem::path& programDir);

struct CatalogueSave {
    std::vector<std::string> written; // the files replaced; unchanged ones are not rewritten
    // Empty, or what stopped the save after its commit point: it stands, and the next load
    // finishes it.
    std::string unfinished;
    bool onDisk = true;    // false: the device may not hold the save yet (see FileSetSave)
    CatalogueStamps files; // the set now on disk
};

// Saves the four files as one transaction, each replaced file's previous version kept as
// "<name>.bak". Throws CatalogueFileError naming the file and what was in the way when the save
// did not happen: then nothing on disk changed. Takes the writer lock (unless one is given)
// and first finishes or undoes a save that was cut short.
CatalogueSave saveCatalogue(const Catalogue& catalogue, const std::filesystem::path& programDir);
// The same through another file layer, by a program that may hold the writer lock. With
// `expected`, a folder whose files are no longer those stamps (another program changed them)
// is not saved over: CatalogueChangedOnDisk.
CatalogueSave saveCatalogue(const Catalogue& catalogue, const std::filesystem::path& programDir,
                            FileSystemOps& ops, const FolderLock* writerLock = nullptr,
                            const CatalogueStamps* expected = nullptr);

class CatalogueChangedOnDisk : public CatalogueFileError
{
  public:
    explicit CatalogueChangedOnDisk(const std::filesystem::path& folder);
};

} // namespace kelvo
