#pragma once

#include "core/catalogue/catalogue_changes.h"
#include "core/catalogue/catalogue_tables.h"
#include "core/workspace/workspace.h"

namespace kelvo::test
{

// Changes record `index` of its table as `change` says, through the workspace, so that every
// view of it is told, as an edit of the program would.
template <class Record, class Change>
void editRecord(Workspace& workspace, int index, const Change& change)
{
    CatalogueEdit edit(workspace);
    Catalogue& catalogue = edit.catalogue();
    Record record;
    if constexpr (std::is_same_v<Record, CompressorRecord>)
        record = catalogue.compressors[index];
    else if constexpr (std::is_same_v<Record, CondenserRecord>)
        record = catalogue.condensers[index];
    else if constexpr (std::is_same_v<Record, CondensingUnitRecord>)
        record = catalogue.units[index];
    else
        record = catalogue.frames[index];
    change(record);
    CatalogueRecorder recorder(catalogue);
    recorder.setRecord(index, record);
    edit.done(recorder.take());
}

} // namespace kelvo::test
