// The catalogue folder as a whole: the four files read under the readers' lock and saved as one
// transaction under the writer lock, with a save cut short finished or undone first.
#include <memory>
#include <string>

#include "core/catalogue/catalogue_files.h"
#include "core/io/file_io.h"
#include "core/io/file_set_transaction.h"

namespace kelvo
{

namespace
{

FileSet catalogueFileSet(const std::filesystem::path& programDir)
{
    return {programDir, {kCatalogueFiles.begin(), kCatalogueFiles.end()}, kCatalogueJournal};
}

std::string folderText(const std::filesystem::path& programDir)
{
    return catalogueFilePath(programDir, "").parent_path().string();
}

// Finishes or undoes a save cut short, under the writer lock; the text for the user, or an
// empty one. A committed save that can be neither finished nor undone may leave the four files
// out of step, so the catalogue is not read then.
std::optional<CatalogueRecovery> recoverInterruptedSave(const std::filesystem::path& programDir,
                                                        FileSystemOps& ops)
{
    const FileSet set = catalogueFileSet(programDir);
    if (!fileSetNeedsRecovery(set))
        return std::nullopt;
    const FileSetRecovery recovery = recoverFileSet(set, ops);
    CatalogueRecovery said{CatalogueRecovery::Done::Finished, folderText(programDir),
                           recovery.problem};
    switch (recovery.done) {
    case FileSetRecovery::Done::Nothing:
        return std::nullopt;
    case FileSetRecovery::Done::RolledForward:
        break;
    case FileSetRecovery::Done::RolledBack:
        said.done = CatalogueRecovery::Done::Undone;
        break;
    case FileSetRecovery::Done::Stuck:
        said.done = CatalogueRecovery::Done::Stuck;
        if (recovery.mixed)
            throw CatalogueFileError(
                catalogueFilePath(programDir, kCatalogueJournal),
                "an interrupted save of the catalogue can be neither finished nor undone in the "
                "folder " +
                    said.folder + ": " + recovery.problem +
                    ". The catalogue files may be out of step; check them and remove this file.");
        break;
    }
    return said;
}

std::optional<CatalogueRecovery> recoverInterruptedSave(const std::filesystem::path& programDir)
{
    PosixFileSystemOps ops;
    return recoverInterruptedSave(programDir, ops);
}

CatalogueStamps readFiles(Catalogue& catalogue, const std::filesystem::path& programDir)
{
    catalogue.loadNotes.clear();
    CatalogueStamps stamps;
    for (std::size_t i = 0; i < kCatalogueFileKinds.size(); ++i)
        stamps[i] = loadCatalogueFile(catalogue, programDir, kCatalogueFileKinds[i]);
    return stamps;
}

std::unique_ptr<FolderLock> lockCatalogue(const std::filesystem::path& programDir,
                                          FolderLock::Kind kind, std::chrono::milliseconds wait)
{
    try {
        return std::make_unique<FolderLock>(programDir, kCatalogueLock, kind, wait);
    } catch (const FileError& error) {
        throw CatalogueFileError(error.path(), error.reason());
    }
}

} // namespace

std::unique_ptr<FolderLock> lockCatalogueForWriting(const std::filesystem::path& programDir,
                                                    std::chrono::milliseconds wait)
{
    return lockCatalogue(programDir, FolderLock::Kind::Exclusive, wait);
}

CatalogueLoad loadCatalogue(Catalogue& catalogue, const std::filesystem::path& programDir)
{
    CatalogueLoad load;
    constexpr int kAttempts = 4;
    for (int attempt = 1;; ++attempt) {
        auto readers =
            lockCatalogue(programDir, FolderLock::Kind::Shared, FolderLock::kDefaultWait);
        // While readers hold their lock no writer is at work: a commit record or temporaries
        // found then are a dead writer's. They are finished or undone under the writer lock,
        // and the files read under it too, so no other writer comes in between.
        if (fileSetNeedsRecovery(catalogueFileSet(programDir))) {
            readers.reset();
            const auto writer = lockCatalogueForWriting(programDir);
            if (writer->held() || attempt == kAttempts)
                return loadCatalogue(catalogue, programDir, *writer);
            continue; // a writer began after this reader found no lock file
        }
        load.files = readFiles(catalogue, programDir);
        // Without a lock file no writer had been at work; one that began during the read may
        // have changed files read before it, so they are read again under its lock.
        std::error_code ec;
        if (readers->held() || attempt == kAttempts ||
            !std::filesystem::exists(programDir / kCatalogueLock, ec))
            return load;
    }
}

CatalogueLoad loadCatalogue(Catalogue& catalogue, const std::filesystem::path& programDir,
                            const FolderLock& writerLock)
{
    // Recovery changes files: only a holder of the lock may, or a program in a folder it
    // cannot write, where recovery changes nothing and says why.
    CatalogueLoad load;
    std::error_code ec;
    if (writerLock.held() || !std::filesystem::exists(programDir / kCatalogueLock, ec))
        load.recovery = recoverInterruptedSave(programDir);
    load.files = readFiles(catalogue, programDir);
    return load;
}

CatalogueStamps catalogueStampsOnDisk(const std::filesystem::path& programDir)
{
    CatalogueStamps stamps;
    for (std::size_t i = 0; i < kCatalogueFiles.size(); ++i) {
        try {
            stamps[i] = stampOf(readWholeFile(programDir / kCatalogueFiles[i]));
        } catch (const FileError&) {
            stamps[i] = {}; // gone or unreadable: not what was loaded either
        }
    }
    return stamps;
}

CatalogueSave saveCatalogue(const Catalogue& catalogue, const std::filesystem::path& programDir)
{
    PosixFileSystemOps ops;
    return saveCatalogue(catalogue, programDir, ops);
}

CatalogueChangedOnDisk::CatalogueChangedOnDisk(const std::filesystem::path& folder)
    : CatalogueFileError(folder, "the catalogue files changed on disk since they were loaded")
{
}

CatalogueSave saveCatalogue(const Catalogue& catalogue, const std::filesystem::path& programDir,
                            FileSystemOps& ops, const FolderLock* writerLock,
                            const CatalogueStamps* expected)
{
    std::unique_ptr<FolderLock> ownLock;
    if (!writerLock)
        ownLock = lockCatalogueForWriting(programDir);
    recoverInterruptedSave(programDir, ops);
    // Compared under the lock, after any recovery: nothing can change the files from here on.
    if (expected && catalogueStampsOnDisk(programDir) != *expected)
        throw CatalogueChangedOnDisk(catalogueFilePath(programDir, ""));

    std::vector<NewFileContent> files;
    for (std::size_t i = 0; i < kCatalogueFileKinds.size(); ++i)
        files.push_back(
            {kCatalogueFiles[i], serialiseCatalogueFile(catalogue, kCatalogueFileKinds[i])});
    CatalogueSave save;
    FileSetSave written;
    try {
        written = replaceFileSet(catalogueFileSet(programDir), files, ops);
    } catch (const FileError& error) {
        throw CatalogueFileError(catalogueFilePath(programDir, error.path().filename().c_str()),
                                 error.reason());
    }
    save.written = std::move(written.written);
    save.unfinished = std::move(written.unfinished);
    save.onDisk = written.onDisk;
    for (std::size_t i = 0; i < files.size(); ++i)
        save.files[i] = stampOf(files[i].content);
    return save;
}

} // namespace kelvo
