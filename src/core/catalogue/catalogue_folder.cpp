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
// empty one. A committed save that cannot be finished leaves the four files out of step, so
// the catalogue is not read then.
std::string recoverInterruptedSave(const std::filesystem::path& programDir)
{
    const FileSet set = catalogueFileSet(programDir);
    if (!fileSetNeedsRecovery(set))
        return {};
    PosixFileSystemOps ops;
    const FileSetRecovery recovery = recoverFileSet(set, ops);
    switch (recovery.done) {
    case FileSetRecovery::Done::Nothing:
        return {};
    case FileSetRecovery::Done::RolledForward:
        return "Dokończono przerwany zapis katalogu w folderze " + folderText(programDir);
    case FileSetRecovery::Done::RolledBack:
        return "Cofnięto przerwany zapis katalogu w folderze " + folderText(programDir);
    case FileSetRecovery::Done::Stuck:
        break;
    }
    const std::string problem = "Nie można dokończyć przerwanego zapisu katalogu w folderze " +
                                folderText(programDir) + ": " + recovery.problem;
    std::error_code ec;
    if (std::filesystem::exists(programDir / kCatalogueJournal, ec))
        throw CatalogueFileError(catalogueFilePath(programDir, kCatalogueJournal), problem);
    return problem;
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
    for (int attempt = 0;; ++attempt) {
        auto readers =
            lockCatalogue(programDir, FolderLock::Kind::Shared, FolderLock::kDefaultWait);
        // While readers hold their lock no writer is at work: a commit record or temporaries
        // found then are a dead writer's, to be finished or undone (once: what recovery could
        // not remove it has said).
        if (attempt == 0 && fileSetNeedsRecovery(catalogueFileSet(programDir))) {
            readers.reset();
            const auto writer = lockCatalogueForWriting(programDir);
            load.recovery = recoverInterruptedSave(programDir);
            continue;
        }
        load.files = readFiles(catalogue, programDir);
        // Without a lock file no writer had been at work; one that began during the read may
        // have changed files read before it, so they are read again under its lock.
        std::error_code ec;
        if (readers->held() || attempt + 1 >= kAttempts ||
            !std::filesystem::exists(programDir / kCatalogueLock, ec))
            return load;
    }
}

CatalogueLoad loadCatalogue(Catalogue& catalogue, const std::filesystem::path& programDir,
                            const FolderLock& writerLock)
{
    (void)writerLock; // held by the caller, so no other writer is at work
    CatalogueLoad load;
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

CatalogueSave saveCatalogue(const Catalogue& catalogue, const std::filesystem::path& programDir,
                            FileSystemOps& ops, const FolderLock* writerLock)
{
    std::unique_ptr<FolderLock> ownLock;
    if (!writerLock)
        ownLock = lockCatalogueForWriting(programDir);
    recoverInterruptedSave(programDir);

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
    for (std::size_t i = 0; i < files.size(); ++i)
        save.files[i] = stampOf(files[i].content);
    return save;
}

} // namespace kelvo
