#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/catalogue/catalogue.h"
#include "core/catalogue/catalogue_changes.h"
#include "core/catalogue/catalogue_files.h"
#include "core/catalogue/decimal_commas.h"
#include "core/performance/balance_point.h"
#include "core/performance/record_numbers.h"
#include "core/performance/unit_numbers.h"
#include "core/refrigerant/property_table_files.h"
#include "core/refrigerant/refrigerant_registry.h"
#include "core/refrigerant/table_loader.h"
#include "core/text/observer_list.h"

namespace kelvo
{

class FolderLock;

// What changed in a workspace, as its observers are told.
struct WorkspaceChange {
    enum class Kind {
        Records,       // an edit, or one undone or done again: `changes` says what
        Reload,        // the catalogue was read again (also partly, when a file failed)
        PropertyTable, // the property table of `refrigerant` was read again
    };
    Kind kind = Kind::Records;
    std::vector<CatalogueTable> tables; // the tables touched, each once
    const ChangeSet* changes = nullptr; // Records
    bool reverted = false;              // Records: the changes were taken back
    std::string refrigerant;            // PropertyTable

    [[nodiscard]] bool touches(CatalogueTable table) const;
    // Where the record of slot `index` of `table` is now; nullopt when it left the table. After
    // a reload a slot keeps its number while the table still has it.
    [[nodiscard]] std::optional<int> slotAfter(CatalogueTable table, int index, int countNow) const;
};

class WorkspaceObserver
{
  public:
    virtual void workspaceChanged(const WorkspaceChange& change) = 0;

  protected:
    ~WorkspaceObserver() = default;
};

class Workspace;

// Write access to the catalogue for one edit. done() announces what the edit did; an edit that
// ends without done() (an exception) is announced as a change of every table, so that no view
// keeps showing what may no longer be there.
class CatalogueEdit
{
  public:
    explicit CatalogueEdit(Workspace& workspace);
    ~CatalogueEdit();
    CatalogueEdit(const CatalogueEdit&) = delete;
    CatalogueEdit& operator=(const CatalogueEdit&) = delete;

    Catalogue& catalogue();
    void done(const ChangeSet& changes);

  private:
    Workspace& workspace_;
    bool done_ = false;
};

// The data the program works on: the data folder, the catalogue read from it with the numbers
// converted from its texts, the refrigerants and their property tables. Every change is
// announced to the observers, in the order they subscribed.
//
// Its const operations only read, so evaluations may run side by side on several threads over
// one workspace (each with its own PerformanceResult to start from), as long as nothing changes
// it meanwhile: no edit, load or subscription runs beside them.
class Workspace
{
  public:
    explicit Workspace(const std::filesystem::path& dataFolder,
                       const RefrigerantRegistry& refrigerants = RefrigerantRegistry::builtIn());
    // The same keeping the tables read while the refrigerants were judged (of `dataFolder`).
    Workspace(std::filesystem::path dataFolder, const RefrigerantRegistry& refrigerants,
              PropertyTableFiles tableFiles);
    Workspace(const Workspace&) = delete;
    Workspace& operator=(const Workspace&) = delete;

    [[nodiscard]] const std::filesystem::path& dataFolder() const { return dataFolder_; }
    [[nodiscard]] const RefrigerantRegistry& refrigerants() const { return *refrigerants_; }
    [[nodiscard]] const Catalogue& catalogue() const { return catalogue_; }
    // Decimal separator of numbers shown to the user.
    [[nodiscard]] char displaySeparator() const { return displaySeparator_; }
    void setDisplaySeparator(char separator) { displaySeparator_ = separator; }

    // The catalogue's numbers as the calculation reads them, converted once per text. The
    // caches never change what they give for a text, so they are used through a const
    // workspace too, also from several threads at once.
    [[nodiscard]] RecordNumbers& recordNumbers() const { return recordNumbers_; }
    [[nodiscard]] UnitNumberSlots& unitNumbers() const { return unitNumbers_; }

    // Reads the four catalogue files (finishing or undoing an interrupted save first). A file
    // that fails throws CatalogueFileError; the tables read before it stay. Announced either way.
    CatalogueLoad loadCatalogue();
    CatalogueLoad loadCatalogue(const FolderLock& writerLock);
    // Replaces the catalogue by one read elsewhere (tests, imports of a whole catalogue).
    void replaceCatalogue(Catalogue catalogue);

    // Undo and redo of an edit that was announced before.
    void revert(const ChangeSet& changes);
    void reapply(const ChangeSet& changes);

    // evaluateCataloguePair with the refrigerant `refrigerant` and its loaded table.
    [[nodiscard]] PairEvaluation evaluate(std::string_view refrigerant, const PairInputs& inputs,
                                          const PerformanceResult& previous, MessageSink& sink,
                                          SearchChecks checks = SearchChecks::WhenNeeded) const;

    // Writes the texts a screen's evaluations and details read (TextsRead) with decimal commas,
    // as the catalogue keeps what the calculation read, so that a save writes them so. No
    // figure changes, so no one is told.
    void keepTextsRead(const TextsRead& read);

    // Makes the property table of a registry refrigerant the one it calculates with; throws
    // FileError naming the file when it cannot be read, used or trusted for the refrigerant's
    // correlations, and then that refrigerant has no table. Each file is read once per
    // workspace. Announced either way.
    const PropertyTable& loadPropertyTable(std::string_view refrigerant,
                                           const ProgressReport& progress = {});
    // The property table files as loadPropertyTable reads and judges them, for the checks that
    // look at every refrigerant: a file they read is not read again by a load.
    [[nodiscard]] PropertyTableFiles& propertyTableFiles() const { return tableFiles_; }
    // The table last read for the refrigerant; nullptr when none was read or the read failed.
    [[nodiscard]] const PropertyTable* propertyTable(std::string_view refrigerant) const;
    // The file the refrigerant's table comes from ("R404A.txt"; the name plus ".txt" for a name
    // the registry does not know).
    [[nodiscard]] std::string propertyTableFile(std::string_view refrigerant) const;

    void subscribe(WorkspaceObserver& observer);
    void unsubscribe(WorkspaceObserver& observer);

  private:
    friend class CatalogueEdit;
    void announce(const WorkspaceChange& change);
    void announceEdit(const ChangeSet& changes, bool reverted);
    void announceEveryTable(WorkspaceChange::Kind kind);

    std::filesystem::path dataFolder_;
    const RefrigerantRegistry* refrigerants_;
    Catalogue catalogue_;
    char displaySeparator_ = ',';
    mutable RecordNumbers recordNumbers_;
    mutable UnitNumberSlots unitNumbers_;
    // Reading a file is no change of the workspace: its tables are read through a const one.
    mutable PropertyTableFiles tableFiles_;
    std::map<std::string, const PropertyTable*, std::less<>> propertyTables_;
    ObserverList<WorkspaceObserver> observers_;
};

} // namespace kelvo
