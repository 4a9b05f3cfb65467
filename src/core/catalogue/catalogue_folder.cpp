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
    // A writer that died leaves its temporaries (and perhaps its commit record) behind; while
    // readers hold their lock no writer is at work, so what is found then is to be recovered.
    for (int attempt = 0;; ++attempt) {
        auto readers =
            lockCatalogue(programDir, FolderLock::Kind::Shared, FolderLock::kDefaultWait);
        // Without a lock file (a folder this program cannot write) nobody writes here either.
        if (!readers->held() && attempt == 0)
            load.recovery = recoverInterruptedSave(programDir);
        // One recovery is enough: what it could not remove it has said.
        if (!readers->held() || attempt > 0 ||
            !fileSetNeedsRecovery(catalogueFileSet(programDir))) {
            load.files = readFiles(catalogue, programDir);
            return load;
        }
        readers.reset();
        const auto writer = lockCatalogueForWriting(programDir);
        load.recovery = recoverInterruptedSave(programDir);
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
