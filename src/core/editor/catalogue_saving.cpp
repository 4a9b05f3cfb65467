#include "core/editor/catalogue_saving.h"

#include "core/catalogue/catalogue_files.h"
#include "core/catalogue/decimal_commas.h"
#include "core/catalogue/lookups.h"
#include "core/editor/editor_session.h"
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

void EditorSession::rememberSaved()
{
    editor_.savedCatalogue = editedContentFingerprint(workspace_.catalogue());
}

bool EditorSession::hasUnsavedChanges() const
{
    return editedContentFingerprint(workspace_.catalogue()) != editor_.savedCatalogue;
}

std::optional<std::string> EditorSession::cutShortSaveQuestion() const
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

SaveOutcome EditorSession::save(ChangesOnDisk changes)
{
    PosixFileSystemOps ops;
    return save(ops, nullptr, changes);
}

SaveOutcome EditorSession::save(FileSystemOps& ops, const FolderLock* writerLock,
                                ChangesOnDisk changes)
{
    if (!editor_.catalogueLoaded)
        return {false, false,
                "Katalog nie został zapisany: przy otwarciu edytora nie udało się "
                "wczytać wszystkich plików katalogu, a zapis zastąpiłby ich zawartość."};
    const std::filesystem::path& folder = workspace_.dataFolder();
    CatalogueSave saved;
    try {
        saved = saveCatalogue(workspace_.catalogue(), folder, ops, writerLock,
                              changes == ChangesOnDisk::Refuse ? &editor_.filesOnDisk : nullptr);
    } catch (const CatalogueChangedOnDisk&) {
        return {false, true, kFilesChangedQuestion};
    } catch (const CatalogueFileError& error) {
        return {false, false, catalogueNotSavedMessage(error.path().string(), error.reason())};
    }
    rememberSaved();
    editor_.filesOnDisk = saved.files;
    std::string message = "Zapisano katalog w folderze " + folder.string();
    if (!saved.onDisk)
        message += "\rNie wiadomo, czy zapis dotarł na dysk (" + saved.unfinished +
                   "); następne wczytanie katalogu go dokończy, jeśli dotarł.";
    else if (!saved.unfinished.empty())
        message += "\rPorządkowanie po zapisie nie powiodło się (" + saved.unfinished +
                   "); dokończy je następne wczytanie katalogu.";
    EditorUpdate update;
    update.history = true;
    tell(update);
    return {true, false, message, !saved.onDisk};
}

} // namespace kelvo
