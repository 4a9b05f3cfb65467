#include "core/workspace/workspace.h"

#include <algorithm>

#include "core/catalogue/decimal_commas.h"
#include "core/io/file_io.h"
#include "core/performance/catalogue_pair.h"

namespace kelvo
{
namespace
{

constexpr CatalogueTable kEveryTable[] = {CatalogueTable::Compressors, CatalogueTable::Condensers,
                                          CatalogueTable::Units, CatalogueTable::Frames};

} // namespace

bool WorkspaceChange::touches(CatalogueTable table) const
{
    return std::find(tables.begin(), tables.end(), table) != tables.end();
}

std::optional<int> WorkspaceChange::slotAfter(CatalogueTable table, int index, int countNow) const
{
    std::optional<int> slot = index;
    if (kind == Kind::Records && changes)
        slot = slotAfterChanges(*changes, table, index, reverted);
    if (slot && (*slot < 1 || *slot > countNow))
        return std::nullopt;
    return slot;
}

CatalogueEdit::CatalogueEdit(Workspace& workspace) : workspace_(workspace) {}

CatalogueEdit::~CatalogueEdit()
{
    if (!done_)
        workspace_.announceEveryTable(WorkspaceChange::Kind::Reload);
}

Catalogue& CatalogueEdit::catalogue()
{
    return workspace_.catalogue_;
}

void CatalogueEdit::done(const ChangeSet& changes)
{
    done_ = true;
    if (!changes.empty())
        workspace_.announceEdit(changes, false);
}

Workspace::Workspace(const std::filesystem::path& dataFolder,
                     const RefrigerantRegistry& refrigerants)
    : Workspace(dataFolder, refrigerants, PropertyTableFiles(dataFolder))
{
}

Workspace::Workspace(std::filesystem::path dataFolder, const RefrigerantRegistry& refrigerants,
                     PropertyTableFiles tableFiles)
    : dataFolder_(std::move(dataFolder)), refrigerants_(&refrigerants),
      tableFiles_(std::move(tableFiles))
{
}

// A load is an edit without a record of its changes: every table is announced as read again,
// also after a file that fails.
CatalogueLoad Workspace::loadCatalogue()
{
    CatalogueEdit load(*this);
    return kelvo::loadCatalogue(load.catalogue(), dataFolder_);
}

CatalogueLoad Workspace::loadCatalogue(const FolderLock& writerLock)
{
    CatalogueEdit load(*this);
    return kelvo::loadCatalogue(load.catalogue(), dataFolder_, writerLock);
}

void Workspace::replaceCatalogue(Catalogue catalogue)
{
    catalogue_ = std::move(catalogue);
    announceEveryTable(WorkspaceChange::Kind::Reload);
}

void Workspace::revert(const ChangeSet& changes)
{
    revertChanges(catalogue_, changes);
    announceEdit(changes, true);
}

void Workspace::reapply(const ChangeSet& changes)
{
    applyChanges(catalogue_, changes);
    announceEdit(changes, false);
}

PairEvaluation Workspace::evaluate(std::string_view refrigerant, const PairInputs& inputs,
                                   const PerformanceResult& previous, MessageSink& sink,
                                   SearchChecks checks) const
{
    const PropertyTable* table = propertyTable(refrigerant);
    const std::string tableFile = propertyTableFile(refrigerant);
    const RefrigerantInUse inUse{refrigerant, refrigerants_->correlationsOf(refrigerant),
                                 table ? &table->table : nullptr, tableFile};
    return evaluateCataloguePair(catalogue_, recordNumbers_, inUse, inputs, previous, sink, checks);
}

void Workspace::keepTextsRead(const TextsRead& read)
{
    read.writeWithCommas(catalogue_);
}

const PropertyTable& Workspace::loadPropertyTable(std::string_view refrigerant,
                                                  const ProgressReport& progress)
{
    const std::string name(refrigerant);
    propertyTables_.erase(name);
    struct Announce {
        Workspace& workspace;
        const std::string& name;
        ~Announce()
        {
            WorkspaceChange change;
            change.kind = WorkspaceChange::Kind::PropertyTable;
            change.refrigerant = name;
            workspace.announce(change);
        }
    } announce{*this, name};
    const PropertyTable& table = tableFiles_.table(
        propertyTableFile(refrigerant), refrigerants_->correlationsOf(refrigerant), progress);
    propertyTables_[name] = &table;
    return table;
}

const PropertyTable* Workspace::propertyTable(std::string_view refrigerant) const
{
    const auto found = propertyTables_.find(refrigerant);
    return found == propertyTables_.end() ? nullptr : found->second;
}

std::string Workspace::propertyTableFile(std::string_view refrigerant) const
{
    const RefrigerantEntry* entry = refrigerants_->find(refrigerant);
    return entry ? entry->tableFile : std::string(refrigerant) + ".txt";
}

void Workspace::subscribe(WorkspaceObserver& observer)
{
    observers_.add(observer);
}

void Workspace::unsubscribe(WorkspaceObserver& observer)
{
    observers_.remove(observer);
}

void Workspace::announce(const WorkspaceChange& change)
{
    observers_.each([&](WorkspaceObserver& observer) { observer.workspaceChanged(change); });
}

void Workspace::announceEdit(const ChangeSet& changes, bool reverted)
{
    WorkspaceChange change;
    change.kind = WorkspaceChange::Kind::Records;
    change.tables = changes.tables();
    change.changes = &changes;
    change.reverted = reverted;
    announce(change);
}

void Workspace::announceEveryTable(WorkspaceChange::Kind kind)
{
    WorkspaceChange change;
    change.kind = kind;
    change.tables.assign(std::begin(kEveryTable), std::end(kEveryTable));
    announce(change);
}

} // namespace kelvo
