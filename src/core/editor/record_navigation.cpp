#include "core/catalogue/catalogue_tables.h"
#include "core/editor/editor_grids.h"
#include "core/editor/editor_session.h"

namespace kelvo
{
namespace
{

int rowOf(const EditorGridView& grid, int index)
{
    for (std::size_t r = 0; r < grid.rows.size(); ++r)
        if (grid.rows[r].index == index)
            return static_cast<int>(r) + 1;
    return 0;
}

void showEverything(EditorFilters& filters, EditorGrid table)
{
    switch (table) {
    case EditorGrid::Compressors:
        filters.compressorAll = true;
        break;
    case EditorGrid::Condensers:
        filters.condenserAll = true;
        break;
    case EditorGrid::Units:
        filters.unitAll = true;
        break;
    case EditorGrid::Frames:
        filters.frameHousings = {true, true};
        break;
    }
}

} // namespace

bool EditorSession::showRecord(EditorGrid table, int index)
{
    if (index < 1 || index > tableCount(workspace_.catalogue(), table))
        return false;
    EditorGridView& grid = editor_.grid(table);
    int row = rowOf(grid, index);
    if (row == 0) {
        showEverything(editor_.filters, table);
        refillGrid(table);
        row = rowOf(grid, index);
    }
    if (row == 0)
        return false;
    // Shown as a click shows it, so that the panels describe the highlighted record.
    DistinctMessageSink sink;
    clickRow(table, row, 0, sink);
    EditorUpdate update;
    update.grid(table); // refilled when its filters were widened
    update.messages = sink.messages;
    tell(update);
    return true;
}

} // namespace kelvo
