#include "core/editor/catalogue_saving.h"

#include "core/catalogue/catalogue_files.h"
#include "core/catalogue/decimal_commas.h"
#include "core/catalogue/lookups.h"
#include "core/io/file_system_ops.h"
#include "core/workspace/workspace.h"

namespace kelvo
{

namespace
{

// Looking at a record is not an edit, while a change of any other text, or of a number's
// value, still is.
std::size_t editedContentFingerprint(const Catalogue& catalogue)
{
    return catalogueFingerprint(withCalculationCommas(catalogue));
}

// The message of a save that did not happen: nothing on disk changed.
std::string catalogueNotSavedMessage(const std::string& path, const std::string& reason)
{
    return "Katalog nie został zapisany: błąd zapisu pliku " + path + ": " + reason +
           ". Pliki katalogu na dysku są bez zmian.";
}

} // namespace

void CatalogueSaving::reset()
{
    catalogueLoaded_ = false;
    savedCatalogue_ = 0;
    filesOnDisk_ = {};
}

void CatalogueSaving::loaded(const CatalogueStamps& files)
{
    catalogueLoaded_ = true;
    filesOnDisk_ = files;
}

void CatalogueSaving::rememberSaved()
{
    savedCatalogue_ = editedContentFingerprint(workspace_.catalogue());
}

bool CatalogueSaving::hasUnsavedChanges() const
{
    return editedContentFingerprint(workspace_.catalogue()) != savedCatalogue_;
}

std::optional<std::string> CatalogueSaving::cutShortSaveQuestion() const
{
    const auto& notes = workspace_.catalogue().loadNotes;
    if (notes.empty())
        return std::nullopt;
    std::string files;
    for (const std::string& note : notes)
        files += note + "\r";
    return "Plik katalogu jest niepełny:\r" + files +
           "Zapis zapisze brakujące rekordy jako puste, a pełna wersja pliku zostanie tylko w "
           "kopii .bak do następnego zapisu. Zapisać mimo to?";
}

SaveOutcome CatalogueSaving::save(FileSystemOps& ops, const FolderLock* writerLock,
                                  ChangesOnDisk changes)
{
    if (!catalogueLoaded_)
        return {false, false,
                "Katalog nie został zapisany: przy otwarciu edytora nie udało się "
                "wczytać wszystkich plików katalogu, a zapis zastąpiłby ich zawartość."};
    const std::filesystem::path& folder = workspace_.dataFolder();
    CatalogueSave saved;
    try {
        saved = saveCatalogue(workspace_.catalogue(), folder, ops, writerLock,
                              changes == ChangesOnDisk::Refuse ? &filesOnDisk_ : nullptr);
    } catch (const CatalogueChangedOnDisk&) {
        return {false, true, kFilesChangedQuestion};
    } catch (const CatalogueFileError& error) {
        return {false, false, catalogueNotSavedMessage(error.path().string(), error.reason())};
    }
    rememberSaved();
    filesOnDisk_ = saved.files;
    std::string message = "Zapisano katalog w folderze " + folder.string();
    if (!saved.onDisk)
        message += "\rNie wiadomo, czy zapis dotarł na dysk (" + saved.unfinished +
                   "); następne wczytanie katalogu go dokończy, jeśli dotarł.";
    else if (!saved.unfinished.empty())
        message += "\rPorządkowanie po zapisie nie powiodło się (" + saved.unfinished +
                   "); dokończy je następne wczytanie katalogu.";
    return {true, false, message, !saved.onDisk};
}

} // namespace kelvo
