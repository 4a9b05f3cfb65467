#include "core/editor/catalogue_saving.h"

#include "core/app/application_state.h"
#include "core/catalogue/catalogue_files.h"
#include "core/catalogue/decimal_commas.h"
#include "core/catalogue/lookups.h"
#include "core/io/file_system_ops.h"

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

void rememberSavedCatalogue(ApplicationState& state)
{
    state.editor.savedCatalogue = editedContentFingerprint(state.catalogue);
}

bool hasUnsavedChanges(const ApplicationState& state)
{
    return editedContentFingerprint(state.catalogue) != state.editor.savedCatalogue;
}

SaveOutcome saveEditorCatalogue(ApplicationState& state, ChangesOnDisk changes)
{
    PosixFileSystemOps ops;
    return saveEditorCatalogue(state, ops, nullptr, changes);
}

SaveOutcome saveEditorCatalogue(ApplicationState& state, FileSystemOps& ops,
                                const FolderLock* writerLock, ChangesOnDisk changes)
{
    if (!state.editor.catalogueLoaded)
        return {false, false,
                "Katalog nie został zapisany: przy otwarciu edytora nie udało się "
                "wczytać wszystkich plików katalogu, a zapis zastąpiłby ich zawartość."};
    CatalogueSave save;
    try {
        save =
            saveCatalogue(state.catalogue, state.programDir, ops, writerLock,
                          changes == ChangesOnDisk::Refuse ? &state.editor.filesOnDisk : nullptr);
    } catch (const CatalogueChangedOnDisk&) {
        return {false, true, kFilesChangedQuestion};
    } catch (const CatalogueFileError& error) {
        return {false, false, catalogueNotSavedMessage(error.path().string(), error.reason())};
    }
    rememberSavedCatalogue(state);
    state.editor.filesOnDisk = save.files;
    std::string message = "Zapisano katalog w folderze " + state.programDir.string();
    if (!save.unfinished.empty())
        message += "\rPorządkowanie po zapisie nie powiodło się (" + save.unfinished +
                   "); dokończy je następne wczytanie katalogu.";
    return {true, false, message};
}

} // namespace kelvo
