#include "core/editor/catalogue_saving.h"

#include "core/app/application_state.h"
#include "core/catalogue/catalogue_files.h"

namespace kelvo
{

void rememberSavedCatalogue(ApplicationState& state)
{
    state.editor.savedCatalogue = catalogueFingerprint(state.catalogue);
}

bool hasUnsavedChanges(const ApplicationState& state)
{
    return catalogueFingerprint(state.catalogue) != state.editor.savedCatalogue;
}

SaveOutcome saveEditorCatalogue(ApplicationState& state)
{
    if (!state.editor.catalogueLoaded)
        return {false, "Katalog nie został zapisany: przy otwarciu edytora nie udało się "
                       "wczytać wszystkich plików katalogu, a zapis zastąpiłby ich zawartość."};
    try {
        saveCatalogue(state.catalogue, state.programDir);
    } catch (const CatalogueFileError& error) {
        return {false, "Katalog nie został zapisany: błąd zapisu pliku " +
                           (state.programDir / error.fileName()).string() + ": " + error.reason() +
                           ". Każdy plik na dysku jest kompletny (stary albo nowy)."};
    }
    rememberSavedCatalogue(state);
    return {true, "Zapisano katalog w folderze " + state.programDir.string()};
}

} // namespace kelvo
